#include "clearcase/cleartool/string_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace clearcase {
namespace {

TEST(CCCompareTextTest, OrdersWithoutRegardToCaseThenByRawBytes) {
  struct Row {
    const char* a;
    const char* b;
    int sign;
    bool same;  // equal without regard to case
  } rows[] = {
      {"abc", "ABD", -1, false},           // case ignored first
      {"ABC", "abc", -1, true},            // then raw bytes decide: 'A' < 'a'
      {"abc", "abc", 0, true},             //
      {"ab", "ABC", -1, false},            // a prefix comes first
      {"a_b", "ab", -1, false},            // '_' sorts before letters, as it does in lower case
      {"\xc3\xa9", "z", 1, false},         // bytes above ASCII by value, after every ASCII letter
      {"\xc3\xa9", "\xc3\x89", 1, false},  // only ASCII letters fold
      {"", "a", -1, false},
  };
  for (const Row& row : rows) {
    const int result = CCCompareText(row.a, row.b);
    const int reversed = CCCompareText(row.b, row.a);
    EXPECT_EQ((result > 0) - (result < 0), row.sign) << row.a << " vs " << row.b;
    EXPECT_EQ((reversed > 0) - (reversed < 0), -row.sign) << row.b << " vs " << row.a;
    EXPECT_EQ(CCSameText(row.a, row.b), row.same) << row.a << " vs " << row.b;
  }
}

// Long names are folded eight bytes at a time: every byte value, at every
// position of a word, must fold as it does alone.
TEST(CCCompareTextTest, LongNamesFoldLikeSingleBytes) {
  const TTextHashIgnoringCase hash;
  for (int value = 0; value < 256; ++value) {
    const char byte = static_cast<char>(value);
    const char lower = value >= 'A' && value <= 'Z' ? static_cast<char>(value + 32) : byte;
    for (std::size_t position : {0u, 7u, 8u, 13u}) {
      std::string name(17, 'x'), folded(17, 'x');
      name[position] = byte;
      folded[position] = lower;
      ASSERT_TRUE(CCSameText(name, folded)) << value << " at " << position;
      ASSERT_EQ(hash(name), hash(folded)) << value << " at " << position;
      if (lower == byte) continue;
      std::string other = folded;
      other[position] = static_cast<char>(lower + 1);
      ASSERT_FALSE(CCSameText(name, other)) << value << " at " << position;
      ASSERT_LT(CCCompareText(name, other), 0) << value << " at " << position;
    }
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

// The capture's tests show LF, CR LF, a last line without line break and
// bytes that are not text.
TEST(SplitLinesTest, LineBreaksAndBackToText) {
  struct Row {
    std::string text;
    TStringList lines;
  } rows[] = {
      {"a\n\nb\n", {"a", "", "b"}},
      {"\r\n", {""}},
      {"a\rb\r\r\n", {"a\rb\r"}},  // only the CR of a CR LF is a line break
  };
  for (const Row& row : rows) {
    EXPECT_EQ(SplitLines(row.text), row.lines) << testing::PrintToString(row.text);
  }
  const TStringList lines = {"a", "", " b", "c\r"};
  EXPECT_EQ(LinesText(lines), "a\r\n\r\n b\r\nc\r\r\n");
  EXPECT_EQ(SplitLines(LinesText(lines)), lines);
}

}  // namespace
}  // namespace clearcase
