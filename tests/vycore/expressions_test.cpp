#include "vycore/expressions.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

struct TExpansionCase {
  std::string expression;
  bool trim;
  bool ok;
  std::string text;
  std::string error;  // part of the error text
};

class Expansion : public testing::TestWithParam<TExpansionCase> {
 protected:
  Expansion() : env_("VYTEST_EXPR", "from env") {
    variables_.Set("LABEL", "REL_1");
    variables_.Set("Spaced", " \t x y \t ");
    variables_.Set("Nested", "%LABEL%");
    variables_.Set("Empty", "");
  }
  vy::TVyVariables variables_;
  vytest::TScopedEnv env_;
};

TEST_P(Expansion, FollowsTheSyntax) {
  const TExpansionCase& c = GetParam();
  const vy::TExpansionResult result = vy::ExpandText(c.expression, variables_, c.trim);
  EXPECT_EQ(result.ok, c.ok);
  EXPECT_EQ(result.text, c.text);
  if (c.error.empty()) {
    EXPECT_EQ(result.error, "");
  } else {
    EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
  }
}

// "%Nested%": a value is not expanded again.
INSTANTIATE_TEST_SUITE_P(
    Table, Expansion,
    testing::Values(TExpansionCase{"", false, true, "", ""},
                    TExpansionCase{"v_%label%_x", false, true, "v_REL_1_x", ""},
                    TExpansionCase{"100%%", false, true, "100%", ""},
                    TExpansionCase{"%%%LABEL%%%", false, true, "%REL_1%", ""},
                    TExpansionCase{"%Empty%", false, true, "", ""},
                    TExpansionCase{"%Nested%", false, true, "%LABEL%", ""},
                    TExpansionCase{"%env:VYTEST_EXPR%", false, true, "from env", ""},
                    TExpansionCase{"%ENV:VYTEST_NOT_SET%", false, false, "%ENV:VYTEST_NOT_SET%",
                                   "undefined environment variable \"VYTEST_NOT_SET\""},
                    TExpansionCase{"%LABEL% %UNDEF% %LABEL%", false, false, "REL_1 %UNDEF% REL_1",
                                   "undefined variable \"UNDEF\""},
                    TExpansionCase{"a %LABEL", false, false, "a %LABEL",
                                   "unterminated variable reference \"%LABEL\""},
                    TExpansionCase{"  %Spaced%\t", false, true, "   \t x y \t \t", ""},
                    TExpansionCase{"  %Spaced%\t", true, true, "x y", ""},
                    TExpansionCase{" \ta b\t ", true, true, "a b", ""},
                    TExpansionCase{"\r\nline\r\n", true, true, "\r\nline\r\n", ""}));

TEST(Variables, NamesIgnoreCase) {
  vy::TVyVariables variables;
  variables.Set("Label", "a");
  variables.Set("LABEL", "b");
  variables.Set("alpha", "c");
  EXPECT_TRUE(variables.IsDefined("label"));
  EXPECT_EQ(variables.Get("lAbEl"), "b");
  EXPECT_EQ(variables.Get("missing"), "");
  EXPECT_EQ(variables.Names(), (vy::TStringList{"alpha", "Label"}));
}

}  // namespace
