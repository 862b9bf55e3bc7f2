// The services a designer and host tools use besides the catalogue:
// variable names, text functions and re-registration.

#include <gtest/gtest.h>

#include "test_action.h"
#include "test_support.h"
#include "vycore/services.h"

namespace {

class DesignServices : public testing::Test {
 protected:
  void SetUp() override { vy::ResetVyServicesForTesting(); }
  void TearDown() override { vy::ResetVyServicesForTesting(); }
};

TEST_F(DesignServices, VariableNamesAreSortedAndMayIncludeTheEnvironment) {
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

TEST_F(DesignServices, TextFunctionsAreFoundByNameInRegistrationOrder) {
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

TEST_F(DesignServices, WrappedObjectsAreReadAndWrittenByPropertyName) {
  vytest::TTestAction action;
  auto value = vy::VyScriptingServices().WrapObject(&action);
  ASSERT_TRUE(vy::SetPropertyText(*value->Object(), "Colour", "clGreen"));
  EXPECT_EQ(action.colour, vytest::clGreen);
  EXPECT_EQ(vy::GetPropertyText(*value->Object(), "colour"), "clGreen");
}

TEST_F(DesignServices, RegisteringATypeAgainReplacesItAndKeepsItsPages) {
  auto& actions = vy::VyActionServices();
  const auto cls = vy::ActionClass<vytest::TTestAction>("TTestAction");
  actions.RegisterAction("Old", "Tests", cls, "T");
  actions.RegisterActionPages(cls, {{"TPage"}});
  actions.RegisterAction("New", "Tests", cls, "T");
  ASSERT_EQ(actions.Catalogue().size(), 1u);
  EXPECT_EQ(actions.Catalogue()[0].displayName, "New");
  EXPECT_EQ(actions.Catalogue()[0].pages.size(), 1u);
}

TEST_F(DesignServices, ResetStartsFromACleanHost) {
  vy::VyActionServices().RegisterAction("A", "Tests",
                                        vy::ActionClass<vytest::TTestAction>("TTestAction"), "A");
  vy::VyDesignApplicationServices().DesignVariables().Set("V", "1");
  vy::SetVyBrowsers(
      nullptr, [](const std::string&, std::string& file, const std::string&, const std::string&) {
        file = "picked";
        return true;
      });
  vy::ResetVyServicesForTesting();
  EXPECT_TRUE(vy::VyActionServices().Catalogue().empty());
  EXPECT_FALSE(vy::VyDesignApplicationServices().DesignVariables().IsDefined("V"));
  std::string file;
  EXPECT_FALSE(vy::VyBrowseForFile("/", file, "*.txt", "Save"));
}

}  // namespace
