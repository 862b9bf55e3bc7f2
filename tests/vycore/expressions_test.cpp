#include "vycore/expressions.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

// "%Nested%": a value is not expanded again.
TEST(Expansion, FollowsTheSyntax) {
  vytest::TScopedEnv env("VYTEST_EXPR", "from env");
  vy::TVyVariables variables;
  variables.Set("LABEL", "REL_1");
  variables.Set("Spaced", " \t x y \t ");
  variables.Set("Nested", "%LABEL%");
  const struct {
    std::string expression;
    bool trim;
    bool ok;
    std::string text;
    std::string error;  // part of the error text
  } cases[] = {
      {"v_%label%_x", false, true, "v_REL_1_x", ""},
      {"%%%LABEL%%%", false, true, "%REL_1%", ""},
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
    EXPECT_EQ(result.error.empty(), c.error.empty()) << result.error;
    EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
  }
}

}  // namespace
