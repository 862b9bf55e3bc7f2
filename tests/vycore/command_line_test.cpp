#include <gtest/gtest.h>

#include "vycore/command_line.h"

namespace vy {
namespace {

TEST(TokenizeCommandLineTest, FollowsTheWindowsRulesWithoutEscapes) {
  struct TCase {
    std::string text;
    TStringList argv;
  } cases[] = {
      {"   \t ", {}},
      {"  checkout  -nc\t-reserved  ", {"checkout", "-nc", "-reserved"}},
      {"mklabel \"REL 1\" x", {"mklabel", "REL 1", "x"}},
      {"\"  two  blanks \"", {"  two  blanks "}},
      {"a \"\" b", {"a", "", "b"}},
      {"a\"b c\"d", {"ab cd"}},
      {"\"a\"\"b\"", {"ab"}},
      {"x \"unbalanced  rest", {"x", "unbalanced  rest"}},
      {"C:\\dir\\ \"C:\\with blank\\\"", {"C:\\dir\\", "C:\\with blank\\"}},
      {"\\\"a b\\\"", {"\\a b\\"}},
      {"caf\xc3\xa9 \xff", {"caf\xc3\xa9", "\xff"}},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(TokenizeCommandLine(c.text), c.argv) << "text: [" << c.text << "]";
  }
}

TEST(CommandLineBuilderTest, JoinsArgumentsInOrderWithOneBlank) {
  auto builder = CreateCommandLineBuilder();
  EXPECT_EQ(builder->GetCommandLine(), "");
  builder->AddArgument("checkout");
  builder->AddArgument("-c", "\"a comment\"", akOptionValue);
  builder->AddArgument("-nc", "ignored", akPlain);
  builder->AddArgument("-tag", "", akRaw);
  builder->AddArgument("\"src/b c.c\"");
  EXPECT_EQ(builder->GetCommandLine(), "checkout -c \"a comment\" -nc -tag \"src/b c.c\"");
}

}  // namespace
}  // namespace vy
