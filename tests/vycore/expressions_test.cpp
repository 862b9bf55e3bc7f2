#include "vycore/expressions.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "test_support.h"
#include "vycore/services.h"

namespace {

// "%Nested%": a value is not expanded again.
TEST(Expansion, FollowsTheSyntax) {
  vytest::TScopedEnv env("VYTEST_EXPR", "from env");
  vy::TVyVariables variables;
  variables.Set("LABEL", "REL_1");
  variables.Set("Spaced", " \t x y \t ");
  variables.Set("Nested", "%LABEL%");
  variables.Set("Empty", "");
  const struct {
    std::string expression;
    bool trim;
    bool ok;
    std::string text;
    std::string error;  // part of the error text
  } cases[] = {
      {"", false, true, "", ""},
      {"v_%label%_x", false, true, "v_REL_1_x", ""},
      {"%%%LABEL%%%", false, true, "%REL_1%", ""},
      {"%Empty%", false, true, "", ""},
      {"%Nested%", false, true, "%LABEL%", ""},
      {"%env:VYTEST_EXPR%", false, true, "from env", ""},
      {"%ENV:VYTEST_NOT_SET%", false, false, "%ENV:VYTEST_NOT_SET%",
       "undefined environment variable \"VYTEST_NOT_SET\""},
      {"%LABEL% %UNDEF% %LABEL%", false, false, "REL_1 %UNDEF% REL_1",
       "undefined variable \"UNDEF\""},
      {"a %LABEL", false, false, "a %LABEL", "unterminated variable reference \"%LABEL\""},
      {"  %Spaced%\t", false, true, "   \t x y \t \t", ""},
      {"  %Spaced%\t", true, true, "x y", ""},
      {"\r\nline\r\n", true, true, "\r\nline\r\n", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expression);
    const vy::TExpansionResult result = vy::ExpandText(c.expression, variables, c.trim);
    EXPECT_EQ(result.ok, c.ok);
    EXPECT_EQ(result.text, c.text);
    if (c.error.empty()) {
      EXPECT_EQ(result.error, "");
    } else {
      EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
    }
  }
}

TEST(Variables, NamesIgnoreCaseAndAreListedSortedWithTheEnvironmentOnRequest) {
  vy::ResetVyServicesForTesting();
  vytest::TScopedEnv env("VYTEST_DESIGN", "1");
  auto& design = vy::VyDesignApplicationServices();
  vy::TVyVariables& variables = design.DesignVariables();
  variables.Set("Label", "a");
  variables.Set("LABEL", "b");
  variables.Set("alpha", "c");
  EXPECT_TRUE(variables.IsDefined("label"));
  EXPECT_EQ(variables.Get("lAbEl"), "b");
  EXPECT_EQ(variables.Get("missing"), "");
  vy::TStringList names{"stale"};
  design.GetVariableNames(names, false);
  EXPECT_EQ(names, (vy::TStringList{"alpha", "Label"}));
  design.GetVariableNames(names, true);
  EXPECT_NE(std::find(names.begin(), names.end(), "ENV:VYTEST_DESIGN"), names.end());
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), vy::TCaseInsensitiveLess()));
  vy::ResetVyServicesForTesting();
}

}  // namespace
