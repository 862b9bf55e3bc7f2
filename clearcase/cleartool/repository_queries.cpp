#include "clearcase/cleartool/repository_queries.h"

#include "clearcase/cleartool/cleartool_output.h"
#include "clearcase/cleartool/listing_parsers.h"
#include "clearcase/cleartool/ucm_queries.h"
#include "vycore/command_line.h"

namespace clearcase {
namespace {

std::string ListMetadataTypes(const std::string& Kind, const std::string& VOB) {
  const TCleartoolSettings settings = CurrentCleartoolSettings();
  return CCGetCleartoolOutput(settings, "lstype", TypeListingParams(Kind, VOB, settings.listLocal),
                              "", false);
}

// Kinds are matched exactly: "Stream" is no kind.
std::string ListObjects(const std::string& Kind, const std::string& VOB) {
  if (IsMetadataTypeKind(Kind)) return ListMetadataTypes(Kind, VOB);
  if (Kind == "vob") return CCGetVOBNames();
  if (Kind == "activity") return CCGetUCMActivitiesForVOB(VOB);
  if (Kind == "component") return CCGetUCMComponentsForVOB(VOB);
  if (Kind == "folder") return CCGetUCMFoldersForVOB(VOB);
  if (Kind == "stream") return CCGetUCMStreamsForVOB(VOB);
  if (Kind == "project") return CCGetUCMProjectsForVOB(VOB);
  if (Kind == "baseline") return CCGetUCMBaselinesForVOB(VOB);
  if (Kind == "pool") return CCGetPoolsForVob(VOB);
  return {};
}

}  // namespace

bool IsMetadataTypeKind(const std::string& Kind) {
  return Kind.size() >= 6 && Kind.compare(2, 4, "type") == 0;
}

std::string TypeListingParams(const std::string& Kind, const std::string& VOB, bool localOnly) {
  return std::string(localOnly ? "-local " : "") + "-short -kind " + Kind + " -invob " + VOB;
}

std::string CCGetVOBNames() {
  return CCGetCleartoolOutput("lsvob", "-short", "", true);
}

std::string CCGetPVOBNames() {
  return LinesText(ParseProjectVobTags(CCGetCleartoolOutput("lsvob", "", "", false)));
}

std::string CCGetTypeNames(const std::string& Kind, const std::string& VOB) {
  return RemoveLockedMarkers(ListObjects(Kind, VOB));
}

std::string CCGetLabelNames(const std::string& VOB) {
  return CCGetTypeNames("lbtype", VOB);
}

std::string CCGetAllTypeNames(const std::string& Kind) {
  TTypeNameMerge merge;
  for (const std::string& tag : CapturedLines(CCGetVOBNames())) {
    if (!merge.Add(CCGetTypeNames(Kind, tag))) break;
  }
  return LinesText(merge.Result());
}

std::string CCGetPoolsForVob(const std::string& VOB) {
  return CCGetCleartoolOutput("lspool", "-short -invob " + VOB, "", true);
}

std::string CCGetStoragePoolsForVOB(const std::string& VOB) {
  return CCGetPoolsForVob(VOB);
}

std::string CCGetHistory(const std::string& Path, const std::string& Dir) {
  const std::string history =
      CCGetCleartoolOutput("lshistory", "-short " + vy::QuoteArgument(Path), Dir, false);
  return LinesText(ParseHistory(history));
}

std::string CCGetLS(const std::string& Dir) {
  return CCGetCleartoolOutput("ls", "-recurse -short", Dir, false);
}

std::string CCDescribeObject(const std::string& Selector) {
  return CCGetCleartoolOutput("describe", Selector, "", false);
}

std::string CCGetAttributeType(const std::string& Name) {
  return ParseAttributeValueType(CCDescribeObject("attype:" + Name));
}

TClearCaseType CCGetClearCaseInstalledType() {
  return ParseInstalledType(CCGetCleartoolOutput("-version", "", "", false));
}

}  // namespace clearcase
