#include "vycore/services.h"

#include <gtest/gtest.h>

#include "test_action.h"

namespace {

class TTestOptions : public vy::TVyOptionsObject {
 public:
  void SaveOptions(vy::IVyOptionsWriter&) override {}
  void LoadOptions(vy::IVyOptionsReader&) override {}
  int GetOptionType() const override { return 1; }
  std::string GetName() const override { return "Test"; }
  std::string GetCategory() const override { return "Tests"; }
  std::string GetOptionKey() const override { return "Test"; }
};

class Services : public testing::Test {
 protected:
  void SetUp() override { vy::ResetVyServicesForTesting(); }
  void TearDown() override { vy::ResetVyServicesForTesting(); }
};

TEST_F(Services, ActionCatalogueKeepsRegistrationOrderAndPages) {
  auto& services = vy::VyActionServices();
  const auto cls = vy::ActionClass<vytest::TTestAction>("TTestAction");
  services.RegisterAction("Second", "Tests", vy::ActionClass<vytest::TTestAction>("TOther"), "B");
  services.RegisterAction("First", "Tests", cls, "A");
  services.RegisterActionPages(cls, {{"TPage1"}, {"TPage2"}});
  ASSERT_EQ(services.Catalogue().size(), 2u);
  EXPECT_EQ(services.Catalogue()[0].typeId, "B");
  EXPECT_TRUE(services.Catalogue()[0].pages.empty());
  EXPECT_EQ(services.FindAction("a")->pages.size(), 2u);
  EXPECT_NE(services.CreateAction("A"), nullptr);
  EXPECT_EQ(services.CreateAction("C"), nullptr);
}

TEST_F(Services, OptionsAreFoundByCategoryAndName) {
  vy::VyOptionsServices().RegisterOptions(vy::OptionsClass<TTestOptions>("TTestOptions"), "LOGO");
  EXPECT_NE(vy::VyOptionsServices().FindOptions("tests", "TEST"), nullptr);
  EXPECT_EQ(vy::VyOptionsServices().FindOptions("Tests", "Other"), nullptr);
}

TEST_F(Services, ScriptFunctionsWrapObjects) {
  vytest::TTestAction action;
  vy::VyScriptingServices().RegisterEnumeration("TColour", {"clRed", "clGreen"});
  vy::VyScriptingServices().RegisterFunction(
      "Thing", [&] { return vy::VyScriptingServices().WrapObject(&action); });
  auto value = vy::VyScriptingServices().Call("thing");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->Object(), &action);
  EXPECT_EQ(vy::VyScriptingServices().Call("missing"), nullptr);
  EXPECT_EQ(vy::VyScriptingServices().FindEnumeration("TColour")->size(), 2u);
}

TEST_F(Services, BrowsersAnswerCancelledUntilReplaced) {
  std::string chosen = "unchanged";
  EXPECT_FALSE(vy::VyBrowseForDirectory("/start", chosen, "Select View"));
  EXPECT_EQ(chosen, "unchanged");
  vy::SetVyBrowsers(
      [](const std::string& initial, std::string& out, const std::string&) {
        out = initial + "/picked";
        return true;
      },
      nullptr);
  EXPECT_TRUE(vy::VyBrowseForDirectory("/start", chosen, "Select View"));
  EXPECT_EQ(chosen, "/start/picked");
}

}  // namespace
