#include "clearcase/plugin/registration.h"

#include <string>
#include <vector>

#include "clearcase/actions/core/base_action.h"
#include "clearcase/actions/core/ucm_action.h"
#include "clearcase/actions/ucm/make_baseline_actions.h"
#include "clearcase/plugin/catalogue.h"
#include "package_fixture.h"
#include "vycore/services.h"

namespace {

using Registration = cctest::TPackageTest;

// Every catalogue row is in the page order: a row left out registers no pages.
TEST_F(Registration, RegistersOptionsThenEveryCatalogueRowWithPagesOnlyWhenAsked) {
  const auto rows = clearcase::Catalogue();
  for (const bool withPages : {false, true}) {
    SCOPED_TRACE(withPages);
    vy::ResetVyServicesForTesting();  // the package registers its own options
    clearcase::VyRegisterPackage(withPages);
    const auto& options = vy::VyOptionsServices().Registered().at(0);
    EXPECT_EQ(options.imageName, "CC_LOGO");
    EXPECT_EQ(options.pages.empty() ? "" : options.pages.at(0).className,
              withPages ? "TClearCaseOptionsFrame" : "");
    const auto& registered = vy::VyActionServices().Catalogue();
    ASSERT_EQ(registered.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      SCOPED_TRACE(rows[i].typeId);
      EXPECT_EQ(registered[i].typeId, rows[i].typeId);
      EXPECT_EQ(registered[i].category, "ClearCase");
      EXPECT_EQ(registered[i].displayName, rows[i].displayName);
      std::vector<std::string> expected, pages;
      for (const auto& page : rows[i].pages) expected.push_back(page.className);
      for (const auto& page : registered[i].pages) pages.push_back(page.className);
      EXPECT_EQ(pages, withPages ? expected : std::vector<std::string>{});
      EXPECT_NE(pages.empty(), withPages);
    }
  }
}

// The actions answer from their own row, looked up by their exact class: a
// subclass (the activity variants of check in and undo checkout) must not get
// its parent's row. Each level of the class tree hides its own lists after
// those of its parent.
TEST_F(Registration, EachClassAnswersItsOwnRowAndHidesItsLevelsLists) {
  const std::vector<std::string> base = {"PathNameStorageString", "ObjectsStorageString"};
  auto ucm = base;
  ucm.insert(ucm.end(), {"ComponentSelectorStorageString", "ActivitySelectorStorageString"});
  auto baseline = ucm;
  baseline.insert(baseline.end(), {"DesignLastPVOB", "DesignLastProject", "DesignLastStream"});
  for (const auto& row : clearcase::Catalogue()) {
    SCOPED_TRACE(row.typeId);
    const auto created = row.actionClass.create();
    const auto* action = dynamic_cast<const clearcase::TClearCaseBaseAction*>(created.get());
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->GetActionName(), row.displayName);
    EXPECT_EQ(action->GetHelpTopicID(), row.helpTopic);
    const bool isUcm = dynamic_cast<const clearcase::TClearCaseUCMAction*>(action) != nullptr;
    const bool isBaseline =
        dynamic_cast<const clearcase::TClearCaseMakeBaselineAction*>(action) != nullptr;
    EXPECT_EQ(action->GetHiddenProperties(), isBaseline ? baseline : isUcm ? ucm : base);
  }
}

}  // namespace
