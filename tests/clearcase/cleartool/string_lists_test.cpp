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
      {"abc", "ABD", -1, false},    // case ignored first
      {"ABC", "abc", -1, true},     // then raw bytes decide: 'A' < 'a'
      {"abc", "abc", 0, true},      //
      {"ab", "ABC", -1, false},     // a prefix comes first
      {"a_b", "ab", -1, false},     // '_' sorts before letters, as it does in lower case
      {"\xc3\xa9", "z", 1, false},  // by folded code point: U+E9 after every ASCII letter
      // UTF-8 folds by character: "élan" is "Élan", the upper case first by raw bytes.
      {"\xc3\xa9lan", "\xc3\x89LAN", 1, true},
      {"\xce\xa3\xcf\x82", "\xcf\x83\xcf\x83", -1, true},  // capital, final and small sigma
      {"\xe2\x84\xaa", "k", 1, true},  // the Kelvin sign is a k, three bytes for one
      {"\xc5\xbf", "S", 1, true},      // and the long s an s
      {"\xc5\xbf" "a", "sb", -1, false},
      {"\xe1\xba\x9e", "\xc3\x9f", 1, true},  // capital sharp s folds to the small one
      {"\xc4\xb0", "i", 1, false},            // dotted capital I has no simple folding
      // Invalid bytes by their raw value: a lone lead byte, an overlong form, a surrogate.
      {"\xc3", "\xc3\xa9", -1, false},
      {"\xc3x", "\xc3X", 1, true},
      {"\xc0\xa9", "\xc3\xa9", -1, false},
      {"\xed\xa0\x80", "\xed\x9f\xbf", 1, false},
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
  TStringList expected = {"",     " blank", "Alpha", "alpha",       "alpha",
                          "beta", "BETA2",  "Zed",   "\xc3\x89lan", "\xc3\xa9lan"};
  // Names alike in their first sixteen bytes, which are compared apart from the rest.
  expected.insert(expected.end() - 3,
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
