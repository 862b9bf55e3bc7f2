#include "vycore/services.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "test_action.h"
#include "test_support.h"

namespace {

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

TEST_F(Services, RegisteringATypeAgainReplacesItAndKeepsItsPages) {
  auto& actions = vy::VyActionServices();
  const auto cls = vy::ActionClass<vytest::TTestAction>("TTestAction");
  actions.RegisterAction("Old", "Tests", cls, "T");
  actions.RegisterActionPages(cls, {{"TPage"}});
  actions.RegisterAction("New", "Tests", cls, "T");
  ASSERT_EQ(actions.Catalogue().size(), 1u);
  EXPECT_EQ(actions.Catalogue()[0].displayName, "New");
  EXPECT_EQ(actions.Catalogue()[0].pages.size(), 1u);
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

TEST_F(Services, TextFunctionsAreFoundByNameInRegistrationOrder) {
  auto& scripting = vy::VyScriptingServices();
  scripting.RegisterTextFunction("CCGetVOBNames", {"Local"}, [](const vy::TStringList& args) {
    return "vobs for " + args.at(0);
  });
  scripting.RegisterTextFunction("CCGetStreams", {}, [](const vy::TStringList&) { return ""; });
  const vy::TVyRegisteredTextFunction* f = scripting.FindTextFunction("ccgetvobnames");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->parameterNames, (vy::TStringList{"Local"}));
  EXPECT_EQ(f->callback({"true"}), "vobs for true");
  EXPECT_EQ(scripting.TextFunctions().size(), 2u);
  EXPECT_EQ(scripting.TextFunctions()[1].name, "CCGetStreams");
  EXPECT_EQ(scripting.FindTextFunction("Missing"), nullptr);
}

TEST_F(Services, VariableNamesAreSortedAndMayIncludeTheEnvironment) {
  vytest::TScopedEnv env("VYTEST_DESIGN", "1");
  auto& design = vy::VyDesignApplicationServices();
  design.DesignVariables().Set("zeta", "");
  design.DesignVariables().Set("Alpha", "");
  vy::TStringList names{"stale"};
  design.GetVariableNames(names, false);
  EXPECT_EQ(names, (vy::TStringList{"Alpha", "zeta"}));
  design.GetVariableNames(names, true);
  EXPECT_NE(std::find(names.begin(), names.end(), "ENV:VYTEST_DESIGN"), names.end());
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), vy::TCaseInsensitiveLess()));
}

TEST_F(Services, BrowsersAnswerCancelledUntilReplacedAndResetStartsAfresh) {
  std::string chosen = "unchanged";
  EXPECT_FALSE(vy::VyBrowseForDirectory("/start", chosen, "Select View"));
  EXPECT_EQ(chosen, "unchanged");
  vy::SetVyBrowsers(
      [](const std::string& initial, std::string& out, const std::string&) {
        out = initial + "/picked";
        return true;
      },
      [](const std::string&, std::string& file, const std::string&, const std::string&) {
        file = "picked";
        return true;
      });
  EXPECT_TRUE(vy::VyBrowseForDirectory("/start", chosen, "Select View"));
  EXPECT_EQ(chosen, "/start/picked");

  vy::VyActionServices().RegisterAction("A", "Tests",
                                        vy::ActionClass<vytest::TTestAction>("TTestAction"), "A");
  vy::VyDesignApplicationServices().DesignVariables().Set("V", "1");
  vy::ResetVyServicesForTesting();
  EXPECT_TRUE(vy::VyActionServices().Catalogue().empty());
  EXPECT_FALSE(vy::VyDesignApplicationServices().DesignVariables().IsDefined("V"));
  std::string file;
  EXPECT_FALSE(vy::VyBrowseForFile("/", file, "*.txt", "Save"));
}

}  // namespace
