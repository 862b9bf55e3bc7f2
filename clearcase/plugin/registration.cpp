#include "clearcase/plugin/registration.h"

#include <algorithm>
#include <vector>

#include "clearcase/cleartool/query_registry.h"
#include "clearcase/plugin/catalogue.h"
#include "clearcase/plugin/clearcase_options.h"
#include "vycore/services.h"

namespace clearcase {

void VyRegisterPackage(bool registerPages) {
  RegisterOptions();
  auto& actions = vy::VyActionServices();
  for (const auto& row : Catalogue()) {
    actions.RegisterAction(row.displayName, "ClearCase", row.actionClass, row.typeId);
  }
  RegisterQueryFunctions();
  if (!registerPages) return;
  vy::VyOptionsServices().RegisterOptionsPages(
      vy::OptionsClass<TVyClearCaseOptions>("TVyClearCaseOptions"), {{"TClearCaseOptionsFrame"}});
  std::vector<const TCatalogueRow*> byRank;
  for (const auto& row : Catalogue()) byRank.push_back(&row);
  std::ranges::sort(byRank, {}, &TCatalogueRow::pageRank);
  for (const auto* row : byRank) actions.RegisterActionPages(row->actionClass, row->pages);
}

}  // namespace clearcase
