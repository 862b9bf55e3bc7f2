#include "clearcase/cleartool/repository_queries.h"

#include "clearcase/cleartool/cleartool_output.h"
#include "clearcase/cleartool/listing_parsers.h"
#include "clearcase/cleartool/ucm_queries.h"
#include "vycore/command_line.h"

namespace clearcase {
namespace {

std::string ListMetadataTypes(const std::string& kind, const std::string& vob) {
  const TCleartoolSettings settings = CurrentCleartoolSettings();
  return CCGetCleartoolOutput(settings, "lstype", TypeListingParams(kind, vob, settings.listLocal),
                              "", false);
}

// Kinds are matched exactly: "Stream" is no kind.
std::string ListObjects(const std::string& kind, const std::string& vob) {
  if (IsMetadataTypeKind(kind)) return ListMetadataTypes(kind, vob);
  if (kind == "vob") return CCGetVOBNames();
  if (kind == "activity") return CCGetUCMActivitiesForVOB(vob);
  if (kind == "component") return CCGetUCMComponentsForVOB(vob);
  if (kind == "folder") return CCGetUCMFoldersForVOB(vob);
  if (kind == "stream") return CCGetUCMStreamsForVOB(vob);
  if (kind == "project") return CCGetUCMProjectsForVOB(vob);
  if (kind == "baseline") return CCGetUCMBaselinesForVOB(vob);
  if (kind == "pool") return CCGetPoolsForVob(vob);
  return {};
}

}  // namespace

bool IsMetadataTypeKind(const std::string& kind) {
  return kind.size() >= 6 && kind.compare(2, 4, "type") == 0;
}

std::string TypeListingParams(const std::string& kind, const std::string& vob, bool localOnly) {
  return std::string(localOnly ? "-local " : "") + "-short -kind " + kind + " -invob " + vob;
}

std::string CCGetVOBNames() {
  return CCGetCleartoolOutput("lsvob", "-short", "", true);
}

std::string CCGetPVOBNames() {
  return LinesText(ParseProjectVobTags(CCGetCleartoolOutput("lsvob", "", "", false)));
}

std::string CCGetTypeNames(const std::string& kind, const std::string& vob) {
  return RemoveLockedMarkers(ListObjects(kind, vob));
}

std::string CCGetLabelNames(const std::string& vob) {
  return CCGetTypeNames("lbtype", vob);
}

std::string CCGetAllTypeNames(const std::string& kind) {
  TTypeNameMerge merge;
  for (const std::string& tag : CapturedLines(CCGetVOBNames())) {
    if (!merge.Add(CCGetTypeNames(kind, tag))) break;
  }
  return LinesText(merge.Result());
}

std::string CCGetPoolsForVob(const std::string& vob) {
  return CCGetCleartoolOutput("lspool", "-short -invob " + vob, "", true);
}

std::string CCGetStoragePoolsForVOB(const std::string& vob) {
  return CCGetPoolsForVob(vob);
}

std::string CCGetHistory(const std::string& path, const std::string& dir) {
  const std::string history =
      CCGetCleartoolOutput("lshistory", "-short " + vy::QuoteArgument(path), dir, false);
  return LinesText(ParseHistory(history));
}

std::string CCGetLS(const std::string& dir) {
  return CCGetCleartoolOutput("ls", "-recurse -short", dir, false);
}

std::string CCDescribeObject(const std::string& selector) {
  return CCGetCleartoolOutput("describe", selector, "", false);
}

std::string CCGetAttributeType(const std::string& name) {
  return ParseAttributeValueType(CCDescribeObject("attype:" + name));
}

TClearCaseType CCGetClearCaseInstalledType() {
  return ParseInstalledType(CCGetCleartoolOutput("-version", "", "", false));
}

}  // namespace clearcase
