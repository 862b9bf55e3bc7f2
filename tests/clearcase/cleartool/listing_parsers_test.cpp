#include "clearcase/cleartool/listing_parsers.h"

#include <gtest/gtest.h>

#include <functional>

namespace clearcase {
namespace {

struct ListRow {
  const char* name;
  std::string text;
  TStringList expected;
};

void ExpectRows(const std::function<TStringList(const std::string&)>& parse,
                const std::vector<ListRow>& rows) {
  for (const ListRow& row : rows) EXPECT_EQ(parse(row.text), row.expected) << row.name;
}

// The end-to-end listing answers show the demo world's (Unix) listings.
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
          {"nothing listed", "", {}},
          {"blank-only and empty lines", "   \n\n* /vobs/p /s public (ucmvob)\n", {"/vobs/p"}},
      });
}

TEST(ListingParsersTest, LockedMarkers) {
  const ListRow rows[] = {
      {"lstype, LF", "NIGHTLY\nREL_0.9 (locked)\n", {"NIGHTLY", "REL_0.9"}},
      {"lstype, CR LF", "REL_1\r\nREL_OLD (locked)\r\n", {"REL_1", "REL_OLD"}},
      {"only the marker at the end goes",
       "a (locked) (locked)\nb (locked)x\n(locked)\n",
       {"a (locked)", "b (locked)x", "(locked)"}},
      {"a name that is only the marker", " (locked)\n", {""}},
      {"nothing listed", "", {}},
  };
  for (const ListRow& row : rows) {
    EXPECT_EQ(RemoveLockedMarkers(row.text), LinesText(row.expected)) << row.name;
  }
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
  struct Row {
    const char* name;
    std::string text;
    std::string expected;
  } rows[] = {
      {"CR LF",
       "attribute type \"Status\"\r\n  scope: this VOB (ordinary type)\r\n"
       "  value type: string\r\n  default value: \"untested\"\r\n",
       "string"},
      {"LF", "attribute type \"N\"\n  value type: integer\n", "integer"},
      {"first label counts", "  value type: real\n  value type: date\n", "real"},
      {"rest of the line as printed", "  value type: opaque \r\n", "opaque "},
      {"no label", "attribute type \"S\"\r\n  scope: this VOB\r\n", ""},
      {"no line break after the value", "  value type: string", ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ParseAttributeValueType(row.text), row.expected) << row.name;
  }
}

}  // namespace
}  // namespace clearcase
