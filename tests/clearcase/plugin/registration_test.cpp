#include "clearcase/plugin/registration.h"

#include <string>
#include <vector>

#include "clearcase/actions/core/base_action.h"
#include "clearcase/plugin/catalogue.h"
#include "package_fixture.h"
#include "vycore/services.h"

namespace {

class Registration : public cctest::TPackageTest {
 protected:
  void SetUp() override {
    TPackageTest::SetUp();
    vy::ResetVyServicesForTesting();
  }
};

TEST_F(Registration, RegistersOptionsThenEveryCatalogueRowUnderItsName) {
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

TEST_F(Registration, PagesOnlyWhenAsked) {
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

TEST_F(Registration, PageOrderNamesEveryCatalogueRowOnce) {
  for (const auto& row : clearcase::Catalogue()) {
    int seen = 0;
    for (const char* id : clearcase::PageRegistrationOrder()) seen += std::string(id) == row.typeId;
    EXPECT_EQ(seen, 1) << row.typeId;
  }
  EXPECT_EQ(clearcase::PageRegistrationOrder().size(), 26u);
}

}  // namespace
