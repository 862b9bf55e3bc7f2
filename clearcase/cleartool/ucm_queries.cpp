#include "clearcase/cleartool/ucm_queries.h"

#include "clearcase/cleartool/cleartool_output.h"
#include "clearcase/cleartool/listing_parsers.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/cleartool/ucm_parsers.h"

namespace clearcase {
namespace {

std::string ListInVob(const std::string& command, const std::string& pvob) {
  return CCGetCleartoolOutput(command, "-short -invob " + pvob, "", true);
}

std::string ListIn(const std::string& command, const std::string& object, const std::string& pvob) {
  return CCGetCleartoolOutput(command, "-short -in " + object + "@" + pvob, "", true);
}

std::string StreamBaselines(const std::string& stream, const std::string& pvob, bool sorted) {
  return CCGetCleartoolOutput("lsbl", "-short -stream " + stream + "@" + pvob, "", sorted);
}

}  // namespace

std::string CCGetUCMActivitiesForVOB(const std::string& pvob) {
  return ListInVob("lsactivity", pvob);
}

std::string CCGetUCMComponentsForVOB(const std::string& pvob) {
  return ListInVob("lscomp", pvob);
}

std::string CCGetUCMFoldersForVOB(const std::string& pvob) {
  return ListInVob("lsfolder", pvob);
}

std::string CCGetUCMStreamsForVOB(const std::string& pvob) {
  return ListInVob("lsstream", pvob);
}

std::string CCGetUCMProjectsForVOB(const std::string& pvob) {
  return ListInVob("lsproject", pvob);
}

std::string CCGetUCMComponentsForView(const std::string& view) {
  return CCGetCleartoolOutput("lscomp", "-short", view, true);
}

std::string CCGetUCMStreamsForProject(const std::string& project, const std::string& pvob) {
  return project.empty() ? ListInVob("lsstream", pvob) : ListIn("lsstream", project, pvob);
}

std::string CCGetUCMActivitiesForStream(const std::string& stream, const std::string& pvob) {
  return stream.empty() ? CCGetUCMActivitiesForVOB(pvob) : ListIn("lsactivity", stream, pvob);
}

std::string CCGetUCMActivitiesForProject(const std::string& project, const std::string& pvob) {
  return ListIn("lsactivity", project, pvob);
}

std::string CCGetUCMActivities(const std::string& view) {
  return LinesText(
      ParseStreamActivities(CCGetCleartoolOutput("lsstream", "-long -cview", view, false)));
}

std::string CCGetUCMComponentsForStream(const std::string& stream, const std::string& pvob) {
  return ExtractBaselineComponents(
      CCGetCleartoolOutput("lsstream", "-l " + stream + "@" + pvob, "", false));
}

std::string CCGetUCMComponentsForProject(const std::string& project, const std::string& pvob) {
  return ExtractBaselineComponents(
      CCGetCleartoolOutput("lsproject", "-l " + project + "@" + pvob, "", false));
}

std::string CCGetUCMPromoLevelsForPVOB(const std::string& pvob) {
  return LinesText(
      ParsePromotionLevels(CCGetCleartoolOutput("describe", "vob:" + pvob, "", false)));
}

std::string CCGetUCMBaselinesForStream(const std::string& stream, const std::string& pvob) {
  if (stream.empty()) return CCGetUCMBaselinesForVOB(pvob);
  // The capture sorts in the same order, so reversing gives descending order.
  TStringList baselines = CapturedLines(StreamBaselines(stream, pvob, true));
  ReverseTStrings(baselines);
  return LinesText(baselines);
}

std::string CCGetUCMBaselinesForProject(const std::string& project, const std::string& pvob) {
  if (project.empty()) return CCGetUCMBaselinesForVOB(pvob);
  std::string merged;
  for (const std::string& stream : CapturedLines(CCGetUCMStreamsForProject(project, pvob))) {
    merged += "\r\n" + CCGetUCMBaselinesForStream(stream, pvob);
  }
  return LinesText(MergeBaselines(merged));
}

std::string CCGetUCMBaselinesForVOB(const std::string& pvob) {
  std::string merged;
  for (const std::string& stream : CapturedLines(CCGetUCMStreamsForVOB(pvob))) {
    merged += StreamBaselines(stream, pvob, false);
  }
  return LinesText(MergeBaselines(merged));
}

std::string CCGetAllUCMComponents() {
  TStringList components;
  for (const std::string& tag : CapturedLines(CCGetVOBNames())) {
    for (const std::string& name : CapturedLines(CCGetUCMComponentsForVOB(tag))) {
      components.push_back(name + "@" + tag);
    }
  }
  return LinesText(components);
}

std::string ExtractBaselineComponents(const std::string& listing) {
  return LinesText(ParseBaselineComponents(listing));
}

}  // namespace clearcase
