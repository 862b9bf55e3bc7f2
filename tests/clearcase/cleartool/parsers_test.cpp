// The parsers and text helpers of the listings. The end-to-end listing answers
// show the demo world's (Unix) listings; here the forms and edge cases it lacks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clearcase/cleartool/listing_parsers.h"
#include "clearcase/cleartool/string_lists.h"
#include "clearcase/cleartool/ucm_parsers.h"
#include "clearcase/cleartool/ucm_queries.h"
#include "clearcase/cleartool/unique_names.h"

namespace clearcase {
namespace {

template <class T = TStringList>
struct Row {
  const char* name;
  std::string text;
  T expected;
};

template <class T = TStringList, class Parse>
void ExpectRows(const Parse& parse, const std::vector<Row<T>>& rows) {
  for (const Row<T>& row : rows) EXPECT_EQ(parse(row.text), row.expected) << row.name;
}

TEST(ListingParsersTest, ProjectVobTags) {
  ExpectRows(
      ParseProjectVobTags,
      {
          {"windows, CR LF",
           "* \\pvob                    \\\\BUILDHOST\\vobstore\\pvob.vbs public (ucmvob)\r\n"
           "* \\src                     \\\\BUILDHOST\\vobstore\\src.vbs public\r\n"
           "  \\Apps                    \\\\BUILDHOST\\vobstore\\apps.vbs public (ucmvob)\r\n",
           {"\\Apps", "\\pvob"}},
          {"further attributes in the parentheses drop the line",
           "* \\pvob   \\\\H\\vobstore\\pvob.vbs public (ucmvob, replicated)\r\n"
           "* \\other  \\\\H\\vobstore\\other.vbs public (ucmvob)\r\n",
           {"\\other"}},
          {"no blank after the tag", "* /vobs/pvob(ucmvob)\n", {}},
          {"blank-only and empty lines", "   \n\n* /vobs/p /s public (ucmvob)\n", {"/vobs/p"}},
      });
}

TEST(ListingParsersTest, LockedMarkers) {
  ExpectRows<std::string>(
      RemoveLockedMarkers,
      {
          {"lstype, CR LF", "REL_1\r\nREL_OLD (locked)\r\n", "REL_1\r\nREL_OLD\r\n"},
          {"only the marker at the end goes", "a (locked) (locked)\nb (locked)x\n(locked)\n",
           "a (locked)\r\nb (locked)x\r\n(locked)\r\n"},
          {"a name that is only the marker", " (locked)\n", "\r\n"},
          {"nothing listed", "", ""},
      });
}

// The end-to-end history query shows a realistic listing kept in its order.
TEST(ListingParsersTest, History) {
  ExpectRows(
      [](const std::string& text) {
        const TLineViews views = ParseHistory(text);
        return TStringList(views.begin(), views.end());
      },
      {
          {"repeats and case variants once, first spelling",
           "A.c@@\\main\\1\r\na.c@@\\main\\1\r\nB.c@@\\main\\0\r\nA.c@@\\main\\1\r\n",
           {"A.c@@\\main\\1", "B.c@@\\main\\0"}},
          {"empty lines dropped, blank lines kept", "x\n\n  \nx\n  \n", {"x", "  "}},
          {"a last line without line break", "a\r\nb", {"a", "b"}},
      });
}

TEST(ListingParsersTest, AttributeValueType) {
  ExpectRows<std::string>(
      ParseAttributeValueType,
      {
          {"CR LF",
           "attribute type \"Status\"\r\n  scope: this VOB (ordinary type)\r\n"
           "  value type: string\r\n  default value: \"untested\"\r\n",
           "string"},
          {"first label counts", "  value type: real\n  value type: date\n", "real"},
          {"rest of the line as printed", "  value type: opaque \r\n", "opaque "},
          {"no label", "attribute type \"S\"\r\n  scope: this VOB\r\n", ""},
          {"no line break after the value", "  value type: string", ""},
      });
}

const char kStreamLong[] =
    "stream \"dev_alice\"\n"
    "  created 2005-01-17T10:50:13 by vobadm\n"
    "  project: webshop@/vobs/pvob\n"
    "  default deliver stream: webshop_int@/vobs/pvob\n"
    "  contains activities:\n"
    "    fix_23@/vobs/pvob\n"
    "    Feature_login@/vobs/pvob\n"
    "  foundation baselines:\n"
    "    BL_1@/vobs/pvob (comp_core@/vobs/pvob) (modifiable)\n"
    "    DOCS_1@/vobs/pvob (comp_docs@/vobs/pvob)\n"
    "  recommended baselines:\n"
    "  views:\n"
    "    dev_alice_view\n";

TEST(UcmParsersTest, StreamActivities) {
  ExpectRows(
      ParseStreamActivities,
      {
          {"unix stream", kStreamLong, {"Feature_login@/vobs/pvob", "fix_23@/vobs/pvob"}},
          {"windows stream, CR LF",
           "stream \"app_dev\"\r\n  contains activities:\r\n    task_7@\\pvob\r\n"
           "  foundation baselines:\r\n    APP_1@\\pvob (app_comp@\\pvob)\r\n",
           {"task_7@\\pvob"}},
          {"no header", "stream \"s\"\n    fix@/vobs/pvob\n", {}},
          {"section runs to the end; an empty line is no end; only blanks indent",
           "  contains activities:\r\n  b@\\p\r\n\r\n\ta@\\p\r\n",
           {"\ta@\\p", "b@\\p"}},
          {"first header counts", "contains activities:\nx\ncontains activities:\na@p\n", {}},
      });
}

TEST(UcmParsersTest, BaselineComponents) {
  ExpectRows(ParseBaselineComponents,
             {
                 {"stream", kStreamLong, {"comp_core", "comp_docs"}},
                 {"project naming a component twice",
                  "project \"app\"\r\n  recommended baselines:\r\n"
                  "    APP_2@\\pvob (app_comp@\\pvob)\r\n    LIB_1@\\pvob (Lib@\\pvob)\r\n"
                  "    APP_1@\\pvob (app_comp@\\pvob)\r\n  modifiable components:\r\n"
                  "    other@\\pvob\r\n",
                  {"app_comp", "Lib"}},
                 {"next header ends the section",
                  "  foundation baselines:\n    A@/p (one@/p)\n  recommended baselines:\n"
                  "    B@/p (two@/p)\n",
                  {"one"}},
                 {"later section opens again",
                  "  foundation baselines:\n    A@/p (one@/p)\n  views:\n    v\n"
                  "  recommended baselines:\n    B@/p (two@/p)\n",
                  {"one", "two"}},
                 {"case variants both stay",
                  "baselines:\n x (Comp)\n y (comp)\n z (Comp)\n",
                  {"Comp", "comp"}},
                 {"lines without a pair are dropped",
                  "baselines:\n no parentheses\n x) (late)\n y (open\n BL (plain)\n",
                  {"plain"}},
                 {"a lone empty entry stays", "baselines:\n no parentheses\n", {""}},
                 {"no header", "stream \"s\"\n    BL@/p (c@/p)\n", {}},
             });
  EXPECT_EQ(ExtractBaselineComponents(kStreamLong), "comp_core\r\ncomp_docs\r\n");
  EXPECT_EQ(ExtractBaselineComponents(""), "");
}

TEST(UcmParsersTest, PromotionLevels) {
  ExpectRows(ParsePromotionLevels,
             {
                 {"CR LF, blanks and tabs trimmed",
                  "  promotion levels:\r\n \tTESTED \r\n  RELEASED\r\n  default: X\r\n",
                  {"TESTED", "RELEASED"}},
                 {"the last line is never a level", "  promotion levels:\n    A\n    B\n", {"A"}},
                 {"header on the last line", "vob\n  promotion levels:\n", {}},
                 {"no header", "versioned object base \"/vobs/src\"\n  VOB ownership:\n", {}},
             });
}

// The baseline queries' tests show shared baselines once, descending.
TEST(UcmParsersTest, MergeBaselines) {
  ExpectRows(MergeBaselines,
             {
                 {"empty lines between streams", "\r\nb\r\na\r\n\r\nb\r\n", {"b", "a"}},
                 {"case variants are different baselines", "bl\nBL\nbl\n", {"bl", "BL"}},
                 {"nothing", "", {}},
             });
}

// Counts around the look-ahead and far beyond the first table: every name
// arrives once, in order, whatever the table grew to. The history parser's
// and the type-name walk's tests show the first spelling and empty texts.
TEST(UniqueNamesTest, ManyNamesInOrder) {
  for (std::size_t count : {1u, 15u, 16u, 17u, 33u, 5000u}) {
    std::string text, repeated;
    for (std::size_t i = 0; i < count; ++i) {
      text += "Name_" + std::to_string(i) + "\n";
      repeated += "NAME_" + std::to_string(i) + "\n";
    }
    TUniqueNames names(count % 2 == 0 ? count : 0);
    ASSERT_TRUE(names.AddLines(text));
    ASSERT_TRUE(names.AddLines(repeated));
    ASSERT_EQ(names.Names().size(), count);
    for (std::size_t i = 0; i < count; ++i) {
      ASSERT_EQ(names.Names()[i], "Name_" + std::to_string(i)) << count;
    }
  }
}

// Names that differ only in case are one name, also beyond ASCII.
TEST(UniqueNamesTest, FoldsCaseOfEveryCharacter) {
  TUniqueNames names(0);
  ASSERT_TRUE(
      names.AddLines("\xc3\x89lan\n\xc3\xa9lan\nZeta\nzeta\n\xe2\x84\xaa\nK\n\xff\n\xfe\n"));
  EXPECT_EQ(names.Names(), (TLineViews{"\xc3\x89lan", "Zeta", "\xe2\x84\xaa", "\xff", "\xfe"}));
}

TEST(CCCompareTextTest, OrdersWithoutRegardToCaseThenByRawBytes) {
  struct Row {
    const char* a;
    const char* b;
    int sign;
    bool same;  // equal without regard to case
  } rows[] = {
      {"abc", "ABD", -1, false},    // case ignored first
      {"ABC", "abc", -1, true},     // then raw bytes decide: 'A' < 'a'
      {"ab", "ABC", -1, false},     // a prefix comes first
      {"a_b", "ab", -1, false},     // '_' sorts before letters, as it does in lower case
      {"\xc3\xa9", "z", 1, false},  // by folded code point: U+E9 after every ASCII letter
      // UTF-8 folds by character: "élan" is "Élan", the upper case first by raw bytes.
      {"\xc3\xa9lan", "\xc3\x89LAN", 1, true},
      {"\xce\xa3\xcf\x82", "\xcf\x83\xcf\x83", -1, true},  // capital, final and small sigma
      {"\xe2\x84\xaa", "k", 1, true},  // the Kelvin sign is a k, three bytes for one
      {"\xc5\xbf", "S", 1, true},      // and the long s an s
      {"\xc4\xb0", "i", 1, false},     // dotted capital I has no simple folding
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

}  // namespace
}  // namespace clearcase
