#include "clearcase/cleartool/ucm_queries.h"

#include "clearcase/cleartool/cleartool_output.h"
#include "clearcase/cleartool/listing_parsers.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/cleartool/ucm_parsers.h"

namespace clearcase {
namespace {

std::string ListInVob(const std::string& command, const std::string& PVOB) {
  return CCGetCleartoolOutput(command, "-short -invob " + PVOB, "", true);
}

std::string ListIn(const std::string& command, const std::string& object, const std::string& PVOB) {
  return CCGetCleartoolOutput(command, "-short -in " + object + "@" + PVOB, "", true);
}

std::string StreamBaselines(const std::string& Stream, const std::string& PVOB, bool sorted) {
  return CCGetCleartoolOutput("lsbl", "-short -stream " + Stream + "@" + PVOB, "", sorted);
}

}  // namespace

std::string CCGetUCMActivitiesForVOB(const std::string& PVOB) {
  return ListInVob("lsactivity", PVOB);
}

std::string CCGetUCMComponentsForVOB(const std::string& PVOB) {
  return ListInVob("lscomp", PVOB);
}

std::string CCGetUCMFoldersForVOB(const std::string& PVOB) {
  return ListInVob("lsfolder", PVOB);
}

std::string CCGetUCMStreamsForVOB(const std::string& PVOB) {
  return ListInVob("lsstream", PVOB);
}

std::string CCGetUCMProjectsForVOB(const std::string& PVOB) {
  return ListInVob("lsproject", PVOB);
}

std::string CCGetUCMComponentsForView(const std::string& View) {
  return CCGetCleartoolOutput("lscomp", "-short", View, true);
}

std::string CCGetUCMStreamsForProject(const std::string& Project, const std::string& PVOB) {
  return Project.empty() ? ListInVob("lsstream", PVOB) : ListIn("lsstream", Project, PVOB);
}

std::string CCGetUCMActivitiesForStream(const std::string& Stream, const std::string& PVOB) {
  return Stream.empty() ? CCGetUCMActivitiesForVOB(PVOB) : ListIn("lsactivity", Stream, PVOB);
}

std::string CCGetUCMActivitiesForProject(const std::string& Project, const std::string& PVOB) {
  return ListIn("lsactivity", Project, PVOB);
}

std::string CCGetUCMActivities(const std::string& View) {
  return LinesText(
      ParseStreamActivities(CCGetCleartoolOutput("lsstream", "-long -cview", View, false)));
}

std::string CCGetUCMComponentsForStream(const std::string& Stream, const std::string& PVOB) {
  return ExtractBaselineComponents(
      CCGetCleartoolOutput("lsstream", "-l " + Stream + "@" + PVOB, "", false));
}

std::string CCGetUCMComponentsForProject(const std::string& Project, const std::string& PVOB) {
  return ExtractBaselineComponents(
      CCGetCleartoolOutput("lsproject", "-l " + Project + "@" + PVOB, "", false));
}

std::string CCGetUCMPromoLevelsForPVOB(const std::string& PVOB) {
  return LinesText(
      ParsePromotionLevels(CCGetCleartoolOutput("describe", "vob:" + PVOB, "", false)));
}

std::string CCGetUCMBaselinesForStream(const std::string& Stream, const std::string& PVOB) {
  if (Stream.empty()) return CCGetUCMBaselinesForVOB(PVOB);
  // The capture sorts in the same order, so reversing gives descending order.
  TStringList baselines = CapturedLines(StreamBaselines(Stream, PVOB, true));
  ReverseTStrings(baselines);
  return LinesText(baselines);
}

std::string CCGetUCMBaselinesForProject(const std::string& Project, const std::string& PVOB) {
  if (Project.empty()) return CCGetUCMBaselinesForVOB(PVOB);
  std::string merged;
  for (const std::string& stream : CapturedLines(CCGetUCMStreamsForProject(Project, PVOB))) {
    merged += "\r\n" + CCGetUCMBaselinesForStream(stream, PVOB);
  }
  return LinesText(MergeBaselines(merged));
}

std::string CCGetUCMBaselinesForVOB(const std::string& PVOB) {
  std::string merged;
  for (const std::string& stream : CapturedLines(CCGetUCMStreamsForVOB(PVOB))) {
    merged += StreamBaselines(stream, PVOB, false);
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
