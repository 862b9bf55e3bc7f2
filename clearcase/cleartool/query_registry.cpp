#include "clearcase/cleartool/query_registry.h"

#include <functional>
#include <string>

#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/cleartool/ucm_queries.h"
#include "vycore/services.h"

namespace clearcase {
namespace {

using Query0 = std::string (*)();
using Query1 = std::string (*)(const std::string&);
using Query2 = std::string (*)(const std::string&, const std::string&);

// A missing argument counts as empty; the caller checks the count.
std::string Argument(const TStringList& arguments, std::size_t index) {
  return index < arguments.size() ? arguments[index] : std::string();
}

vy::TVyTextFunction Adapt(Query0 query) {
  return [query](const TStringList&) { return query(); };
}
vy::TVyTextFunction Adapt(Query1 query) {
  return [query](const TStringList& arguments) { return query(Argument(arguments, 0)); };
}
vy::TVyTextFunction Adapt(Query2 query) {
  return [query](const TStringList& arguments) {
    return query(Argument(arguments, 0), Argument(arguments, 1));
  };
}

std::string InstalledTypeText() {
  switch (CCGetClearCaseInstalledType()) {
    case ccLT:
      return "ccLT\r\n";
    case ccFull:
      return "ccFull\r\n";
    case ccUnknown:
      break;
  }
  return "ccUnknown\r\n";
}

void Register(const std::string& name, const TStringList& parameters, vy::TVyTextFunction query) {
  vy::VyScriptingServices().RegisterTextFunction(
      name, parameters, [query = std::move(query)](const TStringList& arguments) {
        try {
          return query(arguments);
        } catch (...) {
          return std::string();
        }
      });
}

}  // namespace

void RegisterQueryFunctions() {
  Register("CCGetVOBNames", {}, Adapt(CCGetVOBNames));
  Register("CCGetPVOBNames", {}, Adapt(CCGetPVOBNames));
  Register("CCGetTypeNames", {"Kind", "VOB"}, Adapt(CCGetTypeNames));
  Register("CCGetLabelNames", {"VOB"}, Adapt(CCGetLabelNames));
  Register("CCGetAllTypeNames", {"Kind"}, Adapt(CCGetAllTypeNames));
  Register("CCGetPoolsForVob", {"VOB"}, Adapt(CCGetPoolsForVob));
  Register("CCGetStoragePoolsForVOB", {"VOB"}, Adapt(CCGetStoragePoolsForVOB));
  Register("CCGetHistory", {"Path", "Dir"}, Adapt(CCGetHistory));
  Register("CCGetLS", {"Dir"}, Adapt(CCGetLS));
  Register("CCDescribeObject", {"Selector"}, Adapt(CCDescribeObject));
  Register("CCGetAttributeType", {"Name"}, Adapt(CCGetAttributeType));
  Register("CCGetClearCaseInstalledType", {}, Adapt(InstalledTypeText));
  Register("CCGetUCMActivitiesForVOB", {"PVOB"}, Adapt(CCGetUCMActivitiesForVOB));
  Register("CCGetUCMComponentsForVOB", {"PVOB"}, Adapt(CCGetUCMComponentsForVOB));
  Register("CCGetUCMFoldersForVOB", {"PVOB"}, Adapt(CCGetUCMFoldersForVOB));
  Register("CCGetUCMStreamsForVOB", {"PVOB"}, Adapt(CCGetUCMStreamsForVOB));
  Register("CCGetUCMProjectsForVOB", {"PVOB"}, Adapt(CCGetUCMProjectsForVOB));
  Register("CCGetUCMComponentsForView", {"View"}, Adapt(CCGetUCMComponentsForView));
  Register("CCGetUCMStreamsForProject", {"Project", "PVOB"}, Adapt(CCGetUCMStreamsForProject));
  Register("CCGetUCMActivitiesForStream", {"Stream", "PVOB"}, Adapt(CCGetUCMActivitiesForStream));
  Register("CCGetUCMActivitiesForProject", {"Project", "PVOB"},
           Adapt(CCGetUCMActivitiesForProject));
  Register("CCGetUCMActivities", {"View"}, Adapt(CCGetUCMActivities));
  Register("CCGetUCMComponentsForStream", {"Stream", "PVOB"}, Adapt(CCGetUCMComponentsForStream));
  Register("CCGetUCMComponentsForProject", {"Project", "PVOB"},
           Adapt(CCGetUCMComponentsForProject));
  Register("CCGetUCMPromoLevelsForPVOB", {"PVOB"}, Adapt(CCGetUCMPromoLevelsForPVOB));
  Register("CCGetUCMBaselinesForStream", {"Stream", "PVOB"}, Adapt(CCGetUCMBaselinesForStream));
  Register("CCGetUCMBaselinesForProject", {"Project", "PVOB"}, Adapt(CCGetUCMBaselinesForProject));
  Register("CCGetUCMBaselinesForVOB", {"PVOB"}, Adapt(CCGetUCMBaselinesForVOB));
  Register("CCGetAllUCMComponents", {}, Adapt(CCGetAllUCMComponents));
}

}  // namespace clearcase
