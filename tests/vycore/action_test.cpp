#include "vycore/action.h"

#include <gtest/gtest.h>

#include "test_action.h"
#include "test_support.h"
#include "vycore/expressions.h"

namespace {

using vytest::TTestAction;

// "%Nested%": a value is not expanded again. An expression with blanks
// around it is trimmed only on request.
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
      {"  %Spaced%\t", false, true, "   \t x y \t \t", ""},
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

TEST(Action, ExpansionFailureIsLoggedNamingLabelAndVariable) {
  TTestAction action;
  action.SetVariable("LABEL", "REL_1");
  std::string text;
  EXPECT_FALSE(action.TryExpandExpression("Comment", "%LABEL% %NOPE%", text, false));
  ASSERT_EQ(action.Messages().size(), 1u);
  EXPECT_EQ(action.Messages()[0].tag, vy::tsError);
  EXPECT_EQ(action.Messages()[0].text, "Error: cannot expand Comment: undefined variable \"NOPE\"");
  EXPECT_FALSE(action.TryExpandExpression("Comment", "a %LABEL", text, false));
  EXPECT_EQ(action.Messages().at(1).text,
            "Error: cannot expand Comment: unterminated variable reference \"%LABEL\"");
  EXPECT_EQ(action.ExpandExpression(" %LABEL%-%B% ", true), "REL_1-%B%");  // keeps what it cannot
  EXPECT_EQ(action.Messages().size(), 3u);
}

}  // namespace
