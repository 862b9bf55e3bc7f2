#include "clearcase/plugin/registration.h"

#include "clearcase/plugin/catalogue.h"
#include "clearcase/plugin/last_view_directory.h"
#include "package_fixture.h"
#include "vycore/ini.h"
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
    EXPECT_EQ(registered[i].displayName, rows[i].actionClass.create()->GetActionName());
    EXPECT_TRUE(registered[i].pages.empty());
  }
  EXPECT_TRUE(vy::VyOptionsServices().Registered().at(0).pages.empty());
  EXPECT_EQ(vy::VyOptionsServices().Registered().at(0).imageName, "CC_LOGO");
}

TEST_F(Registration, PagesOnlyWhenAsked) {
  clearcase::VyRegisterPackage(true);
  for (const auto& action : vy::VyActionServices().Catalogue()) {
    EXPECT_FALSE(action.pages.empty()) << action.typeId;
  }
  EXPECT_EQ(vy::VyOptionsServices().Registered().at(0).pages.at(0).className,
            "TClearCaseOptionsFrame");
  const auto* checkout = vy::VyActionServices().FindAction("CC_CHECKOUT");
  ASSERT_NE(checkout, nullptr);
  EXPECT_EQ(checkout->pages.size(), 4u);
}

TEST_F(Registration, PageOrderNamesEveryCatalogueRowOnce) {
  for (const auto& row : clearcase::Catalogue()) {
    int seen = 0;
    for (const char* id : clearcase::PageRegistrationOrder()) seen += std::string(id) == row.typeId;
    EXPECT_EQ(seen, 1) << row.typeId;
  }
  EXPECT_EQ(clearcase::PageRegistrationOrder().size(), 26u);
}

using LastView = cctest::TPackageTest;

TEST_F(LastView, LastViewDirectoryFallsBackToTheDefaultView) {
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), "");
  Options().SetDefaultViewPath(view_);
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), view_);
  clearcase::CCSetLastViewDirectory("/views/mine");
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), "/views/mine");
  EXPECT_EQ(vy::IniReadString(vy::GetVyUserIniFileName(), "ClearCase", "LastViewDirectory", ""),
            "/views/mine");
}

TEST_F(LastView, SelectViewPathRemembersOnlyAcceptedChoices) {
  std::string startedAt = "unset";
  bool accept = false;
  vy::SetVyBrowsers(
      [&](const std::string& initial, std::string& chosen, const std::string& caption) {
        startedAt = initial;
        EXPECT_EQ(caption, "Select View");
        chosen = "/views/picked";
        return accept;
      },
      nullptr);
  EXPECT_EQ(clearcase::CCSelectViewPath(""), "");
  EXPECT_EQ(startedAt, "");
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), "");
  accept = true;
  EXPECT_EQ(clearcase::CCSelectViewPath("/start"), "/views/picked");
  EXPECT_EQ(startedAt, "/start");
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), "/views/picked");
  vy::SetVyBrowsers(nullptr, nullptr);
}

}  // namespace
