#include "clearcase/plugin/registration.h"

#include <cstring>

#include "clearcase/cleartool/query_registry.h"
#include "clearcase/plugin/catalogue.h"
#include "clearcase/plugin/clearcase_options.h"
#include "vycore/services.h"

namespace clearcase {

namespace {

const TCatalogueRow* FindRow(const char* typeId) {
  for (const auto& row : Catalogue()) {
    if (std::strcmp(row.typeId, typeId) == 0) return &row;
  }
  return nullptr;  // an action whose class is not part of this build
}

}  // namespace

void VyRegisterPackage(bool RegisterPages) {
  RegisterOptions();
  auto& actions = vy::VyActionServices();
  for (const auto& row : Catalogue()) {
    const auto name = row.actionClass.create()->GetActionName();
    actions.RegisterAction(name, "ClearCase", row.actionClass, row.typeId);
  }
  RegisterQueryFunctions();
  if (!RegisterPages) return;
  vy::VyOptionsServices().RegisterOptionsPages(
      vy::OptionsClass<TVyClearCaseOptions>("TVyClearCaseOptions"), {{"TClearCaseOptionsFrame"}});
  for (const char* typeId : PageRegistrationOrder()) {
    if (const auto* row = FindRow(typeId)) {
      actions.RegisterActionPages(row->actionClass, row->pages);
    }
  }
}

}  // namespace clearcase
