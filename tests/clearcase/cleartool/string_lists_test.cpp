#include "clearcase/cleartool/string_lists.h"

#include <gtest/gtest.h>

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
      // Eight bytes are folded at a time: letters in whole words and in the tail
      {"xxxxxxxxABCDEFGHIJKLMNOPQRSTUVWXYZ", "xxxxxxxxabcdefghijklmnopqrstuvwxyz", -1, true},
      // and the neighbours of the letters, also with the high bit set, in a whole word.
      {"@[\xc1\xdaxxxx", "`{\xe1\xfaxxxx", -1, false},
  };
  for (const Row& row : rows) {
    const int result = CCCompareText(row.a, row.b);
    const int reversed = CCCompareText(row.b, row.a);
    EXPECT_EQ((result > 0) - (result < 0), row.sign) << row.a << " vs " << row.b;
    EXPECT_EQ((reversed > 0) - (reversed < 0), -row.sign) << row.b << " vs " << row.a;
    EXPECT_EQ(CCSameText(row.a, row.b), row.same) << row.a << " vs " << row.b;
    if (row.same) {
      EXPECT_EQ(TTextHashIgnoringCase{}(row.a), TTextHashIgnoringCase{}(row.b)) << row.a;
    }
  }
}

TEST(SortTStringsTest, CaseInsensitiveThenRawBytes) {
  TStringList expected = {"", " blank", "Alpha", "alpha", "alpha", "beta", "BETA2", "Zed"};
  // Names alike in their first sixteen bytes, which are compared apart from the rest.
  expected.insert(expected.end() - 1,
                  {"LONG_name_shares_a", "long_name_shares_a", "long_name_shares_B"});
  TStringList lines(expected.rbegin(), expected.rend());
  SortTStrings(lines);
  EXPECT_EQ(lines, expected);
}

TEST(TrimTStringsTest, DropsOnlyEmptyLines) {
  TStringList lines = {"", "a", " ", "", "\t", "b", ""};
  TrimTStrings(lines);
  EXPECT_EQ(lines, (TStringList{"a", " ", "\t", "b"}));
}

}  // namespace
}  // namespace clearcase
