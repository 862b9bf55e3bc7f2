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

TEST_F(Registration, RegistersOptionsThenEveryCatalogueRowUnderItsName) {
  vy::ResetVyServicesForTesting();  // the package registers its own options
  clearcase::VyRegisterPackage(false);
  ASSERT_NE(clearcase::ClearCaseOptions(), nullptr);
  const auto& registered = vy::VyActionServices().Catalogue();
  const auto rows = clearcase::Catalogue();
  ASSERT_EQ(registered.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(registered[i].typeId, rows[i].typeId);
    EXPECT_EQ(registered[i].category, "ClearCase");
    EXPECT_EQ(registered[i].displayName, rows[i].displayName);
    EXPECT_TRUE(registered[i].pages.empty());
  }
  EXPECT_TRUE(vy::VyOptionsServices().Registered().at(0).pages.empty());
  EXPECT_EQ(vy::VyOptionsServices().Registered().at(0).imageName, "CC_LOGO");
}

TEST_F(Registration, CatalogueColumnsAreWhatEachClassAnswers) {
  ASSERT_EQ(clearcase::Catalogue().size(), 26u);
  for (const auto& row : clearcase::Catalogue()) {
    SCOPED_TRACE(row.typeId);
    const auto created = row.actionClass.create();
    const auto* action = dynamic_cast<const clearcase::TClearCaseBaseAction*>(created.get());
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->GetActionName(), row.displayName);
    EXPECT_EQ(action->GetHelpTopicID(), row.helpTopic);
    EXPECT_EQ(action->GetCommand(), row.subcommand);
  }
}

// Each level of the class tree hides its own lists after those of its parent.
TEST_F(Registration, HiddenPropertiesAddUpAlongTheClassTree) {
  const std::vector<std::string> base = {"PathNameStorageString", "ObjectsStorageString"};
  auto ucm = base;
  ucm.insert(ucm.end(), {"ComponentSelectorStorageString", "ActivitySelectorStorageString"});
  auto baseline = ucm;
  baseline.insert(baseline.end(), {"DesignLastPVOB", "DesignLastProject", "DesignLastStream"});
  for (const auto& row : clearcase::Catalogue()) {
    const auto action = row.actionClass.create();
    const bool isUcm = dynamic_cast<clearcase::TClearCaseUCMAction*>(action.get()) != nullptr;
    const bool isBaseline =
        dynamic_cast<clearcase::TClearCaseMakeBaselineAction*>(action.get()) != nullptr;
    EXPECT_EQ(action->GetHiddenProperties(), isBaseline ? baseline
                                             : isUcm    ? ucm
                                                        : base)
        << row.typeId;
  }
}

// Every catalogue row is in the page order: a row left out registers no pages.
TEST_F(Registration, PagesOnlyWhenAsked) {
  vy::ResetVyServicesForTesting();  // the package registers its own options
  clearcase::VyRegisterPackage(true);
  const auto rows = clearcase::Catalogue();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::vector<std::string> expected;
    for (const auto& page : rows[i].pages) expected.push_back(page.className);
    std::vector<std::string> registered;
    for (const auto& page : vy::VyActionServices().Catalogue().at(i).pages) {
      registered.push_back(page.className);
    }
    EXPECT_EQ(registered, expected) << rows[i].typeId;
    EXPECT_FALSE(registered.empty()) << rows[i].typeId;
  }
  EXPECT_EQ(vy::VyOptionsServices().Registered().at(0).pages.at(0).className,
            "TClearCaseOptionsFrame");
}

}  // namespace
