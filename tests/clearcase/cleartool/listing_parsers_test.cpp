#include "clearcase/cleartool/listing_parsers.h"

#include <gtest/gtest.h>

namespace clearcase {
namespace {

struct ListRow {
  const char* name;
  std::string text;
  TStringList expected;
};

void PrintTo(const ListRow& row, std::ostream* out) {
  *out << row.name;
}

TStringList Strings(const TLineViews& views) {
  return TStringList(views.begin(), views.end());
}

// ---------------------------------------------------------------- lsvob

class ProjectVobTagsTest : public testing::TestWithParam<ListRow> {};

TEST_P(ProjectVobTagsTest, Parses) {
  EXPECT_EQ(ParseProjectVobTags(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Listings, ProjectVobTagsTest,
    testing::Values(
        ListRow{"unix",
                "* /vobs/src                /net/buildhost/vobstore/src.vbs public\n"
                "* /vobs/pvob               /net/buildhost/vobstore/pvob.vbs public (ucmvob)\n"
                "  /vobs/Apps_pvob          /net/buildhost/vobstore/apps.vbs private (ucmvob)\n",
                {"/vobs/Apps_pvob", "/vobs/pvob"}},
        ListRow{"windows, CR LF",
                "* \\pvob                    \\\\BUILDHOST\\vobstore\\pvob.vbs public (ucmvob)\r\n"
                "* \\src                     \\\\BUILDHOST\\vobstore\\src.vbs public\r\n"
                "  \\Apps                    \\\\BUILDHOST\\vobstore\\apps.vbs public (ucmvob)\r\n",
                {"\\Apps", "\\pvob"}},
        ListRow{"further attributes in the parentheses drop the line",
                "* \\pvob   \\\\H\\vobstore\\pvob.vbs public (ucmvob, replicated)\r\n"
                "* \\other  \\\\H\\vobstore\\other.vbs public (ucmvob)\r\n",
                {"\\other"}},
        ListRow{"no blank after the tag", "* /vobs/pvob(ucmvob)\n", {}},
        ListRow{"tag without any root gets one", "* pvob storage (ucmvob)\n", {"/pvob"}},
        ListRow{"nothing listed", "", {}},
        ListRow{
            "blank-only and empty lines", "   \n\n* /vobs/p /s public (ucmvob)\n", {"/vobs/p"}}));

// ---------------------------------------------------------------- lstype

class LockedMarkersTest : public testing::TestWithParam<ListRow> {};

TEST_P(LockedMarkersTest, Removes) {
  EXPECT_EQ(RemoveLockedMarkers(GetParam().text), LinesText(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Listings, LockedMarkersTest,
    testing::Values(ListRow{"lstype, LF",
                            "NIGHTLY\nREL_0.9 (locked)\nREL_1.0\n",
                            {"NIGHTLY", "REL_0.9", "REL_1.0"}},
                    ListRow{"lstype, CR LF", "REL_1\r\nREL_OLD (locked)\r\n", {"REL_1", "REL_OLD"}},
                    ListRow{"only the marker at the end goes",
                            "a (locked) (locked)\nb (locked)x\n(locked)\n",
                            {"a (locked)", "b (locked)x", "(locked)"}},
                    ListRow{"a name that is only the marker", " (locked)\n", {""}},
                    ListRow{"nothing listed", "", {}}));

// ---------------------------------------------------------------- lshistory

class HistoryTest : public testing::TestWithParam<ListRow> {};

TEST_P(HistoryTest, Parses) {
  EXPECT_EQ(Strings(ParseHistory(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Listings, HistoryTest,
    testing::Values(
        ListRow{"newest first, kept in order",
                "src/a.c@@/main/2\nsrc/a.c@@/main/dev/1\nsrc/a.c@@/main/1\nsrc/a.c@@\n",
                {"src/a.c@@/main/2", "src/a.c@@/main/dev/1", "src/a.c@@/main/1", "src/a.c@@"}},
        ListRow{"repeats and case variants once, first spelling",
                "A.c@@\\main\\1\r\na.c@@\\main\\1\r\nB.c@@\\main\\0\r\nA.c@@\\main\\1\r\n",
                {"A.c@@\\main\\1", "B.c@@\\main\\0"}},
        ListRow{"empty lines dropped, blank lines kept", "x\n\n  \nx\n  \n", {"x", "  "}},
        ListRow{"a last line without line break", "a\r\nb", {"a", "b"}}));

// ---------------------------------------------------------------- describe attype

TEST(AttributeValueTypeTest, Parses) {
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
      {"label at the very end", "value type:", ""},
  };
  for (const Row& row : rows)
    EXPECT_EQ(ParseAttributeValueType(row.text), row.expected) << row.name;
}

// ---------------------------------------------------------------- merge over VOBs

TEST(TypeNameMergeTest, EachNameOnceSorted) {
  TTypeNameMerge merge;
  EXPECT_TRUE(merge.Add("REL_1\r\nnightly\r\nmain\r\n"));
  EXPECT_TRUE(merge.Add("NIGHTLY\nREL_2\nmain\n"));
  EXPECT_EQ(Strings(merge.Result()), (TStringList{"main", "nightly", "REL_1", "REL_2"}));
}

TEST(TypeNameMergeTest, EmptyListingEndsTheWalk) {
  TTypeNameMerge merge;
  EXPECT_TRUE(merge.Add("b\r\n"));
  EXPECT_FALSE(merge.Add(""));
  EXPECT_FALSE(merge.Add("\r\n\r\n"));
  EXPECT_EQ(Strings(merge.Result()), (TStringList{"b"}));
}

}  // namespace
}  // namespace clearcase
