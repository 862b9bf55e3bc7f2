#include "clearcase/cleartool/string_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace clearcase {
namespace {

TEST(CCCompareTextTest, OrdersWithoutRegardToCaseThenByRawBytes) {
  struct Row {
    const char* a;
    const char* b;
    int sign;
  } rows[] = {
      {"abc", "ABD", -1},    // case ignored first
      {"ABC", "abc", -1},    // then raw bytes decide: 'A' < 'a'
      {"abc", "abc", 0},     //
      {"ab", "ABC", -1},     // a prefix comes first
      {"a_b", "ab", -1},     // '_' sorts before letters, as it does in lower case
      {"Z", "a", 1},         // folded: 'z' > 'a'
      {"\xc3\xa9", "z", 1},  // bytes above ASCII by value, after every ASCII letter
      {"", "a", -1},
  };
  for (const Row& row : rows) {
    const int result = CCCompareText(row.a, row.b);
    EXPECT_EQ((result > 0) - (result < 0), row.sign) << row.a << " vs " << row.b;
    EXPECT_EQ((CCCompareText(row.b, row.a) > 0) - (CCCompareText(row.b, row.a) < 0), -row.sign);
    EXPECT_EQ(CCSameText(row.a, row.b), CCFoldCase(row.a) == CCFoldCase(row.b));
  }
}

TEST(SortTStringsTest, OrderDoesNotDependOnInputOrder) {
  const TStringList expected = {"", " blank", "Alpha", "alpha", "alpha", "beta", "BETA2", "Zed"};
  TStringList lines = expected;
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    std::shuffle(lines.begin(), lines.end(), random);
    SortTStrings(lines);
    EXPECT_EQ(lines, expected);
  }
}

TEST(TrimTStringsTest, DropsOnlyEmptyLines) {
  TStringList lines = {"", "a", " ", "", "\t", "b", ""};
  TrimTStrings(lines);
  EXPECT_EQ(lines, (TStringList{"a", " ", "\t", "b"}));
}

TEST(RemoveDuplicatesIgnoringCaseTest, KeepsFirstSpellingInOrder) {
  TStringList lines = {"b", "A", "B", "a", "c", "b"};
  RemoveDuplicatesIgnoringCase(lines);
  EXPECT_EQ(lines, (TStringList{"b", "A", "c"}));
}

TEST(SplitLinesTest, LineBreaks) {
  struct Row {
    std::string text;
    TStringList lines;
  } rows[] = {
      {"", {}},
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"a\n\nb\n", {"a", "", "b"}},
      {"\r\n", {""}},
      {"a\rb\r\r\n", {"a\rb\r"}},  // only the CR of a CR LF is a line break
      {std::string("n\0ul\xff\n", 6), {std::string("n\0ul\xff", 5)}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(SplitLines(row.text), row.lines) << testing::PrintToString(row.text);
  }
}

TEST(LinesTextTest, EveryLineEndsWithCrLfAndSplitsBack) {
  const TStringList lines = {"a", "", " b", "c\r"};
  EXPECT_EQ(LinesText(lines), "a\r\n\r\n b\r\nc\r\r\n");
  EXPECT_EQ(SplitLines(LinesText(lines)), lines);
  EXPECT_EQ(LinesText({}), "");
}

}  // namespace
}  // namespace clearcase
