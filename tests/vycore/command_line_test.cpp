#include "vycore/command_line.h"

#include <gtest/gtest.h>

#include <random>

namespace vy {
namespace {

TEST(TokenizeCommandLineTest, FollowsTheMicrosoftRuntimeRules) {
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
      {"x \"unbalanced  rest", {"x", "unbalanced  rest"}},
      // Backslashes are literal unless they precede a quote.
      {"\\vobs\\src\\a.c C:\\dir\\", {"\\vobs\\src\\a.c", "C:\\dir\\"}},
      {"\\\"tested\\\"", {"\"tested\""}},
      {"a\\\\\"b c\"", {"a\\b c"}},       // 2 backslashes: one, and the quote groups
      {"a\\\\\\\"b c", {"a\\\"b", "c"}},  // 3 backslashes: one, and a literal quote
      {"\"C:\\with blank\\\\\" next", {"C:\\with blank\\", "next"}},
      // "" inside a quoted run is a literal quote and the run goes on.
      {"\"a\"\"b c\"", {"a\"b c"}},
      {"a\"b\"\"c\"d", {"ab\"cd"}},
      {"\"\"\"\"", {"\""}},
      {"line\r\nbreak caf\xc3\xa9 \xff", {"line\r\nbreak", "caf\xc3\xa9", "\xff"}},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(TokenizeCommandLine(c.text), c.argv) << "text: [" << c.text << "]";
  }
}

// The round trip below fixes every other form: these are the choices it
// leaves, a quote inside written as \" and no quotes where none are needed.
TEST(QuoteArgumentTest, WritesTheInverseOfTheTokenizer) {
  EXPECT_EQ(QuoteArgument(""), "\"\"");
  EXPECT_EQ(QuoteArgument("we\"ird.c"), "\"we\\\"ird.c\"");
  EXPECT_EQ(QuoteArgumentIfNeeded("lbtype:REL"), "lbtype:REL");
  EXPECT_EQ(QuoteArgumentIfNeeded("a\\b"), "a\\b");
  EXPECT_EQ(QuoteArgumentIfNeeded("a\"b"), QuoteArgument("a\"b"));
}

// Generated texts of quotes, runs of backslashes, blanks, tabs, line breaks
// and bytes that are not UTF-8 come back from the tokenizer as exactly one
// argument, alone and between neighbours.
TEST(QuoteArgumentTest, EveryGeneratedTextComesBackAsOneArgument) {
  static constexpr char kPieces[][4] = {"\"", "\\",   "\\\\", "\\\\\\",   " ",    "\t", "\r\n",
                                        "a",  "\x80", "\xff", "\xc3\xa9", "\"\"", "@",  "/"};
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> length(0, 12);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  for (int round = 0; round < 5000; ++round) {
    std::string text;
    for (int n = length(random); n > 0; --n) text += kPieces[piece(random)];
    ASSERT_EQ(TokenizeCommandLine(QuoteArgument(text)), TStringList{text}) << "[" << text << "]";
    if (!text.empty()) {
      ASSERT_EQ(TokenizeCommandLine("x " + QuoteArgumentIfNeeded(text) + " y"),
                (TStringList{"x", text, "y"}))
          << "[" << text << "]";
    }
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
