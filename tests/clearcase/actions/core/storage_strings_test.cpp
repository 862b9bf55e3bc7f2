#include "clearcase/actions/core/storage_strings.h"

#include <gtest/gtest.h>

#include "clearcase/actions/element/checkout_action.h"

namespace {

using clearcase::SplitStorageString;
using List = vy::TStringList;

struct SplitCase {
  const char* text;
  List entries;
};

class Split : public testing::TestWithParam<SplitCase> {};

TEST_P(Split, EveryLineBreakFormEndsAnEntry) {
  EXPECT_EQ(SplitStorageString(GetParam().text), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(Forms, Split,
                         testing::Values(SplitCase{"", {}}, SplitCase{"a\r\nb", {"a", "b"}},
                                         SplitCase{"a\rb\nc\r\n", {"a", "b", "c"}},
                                         SplitCase{"a\r\n\r\nb\r\n", {"a", "", "b"}},
                                         SplitCase{"\n", {""}}, SplitCase{"\n\r", {"", ""}},
                                         SplitCase{" a \r\n", {" a "}},
                                         SplitCase{"a\n\r\nb", {"a", "", "b"}}));

TEST(StorageStrings, JoinEndsEveryEntryWithCrLf) {
  EXPECT_EQ(clearcase::JoinStorageString({}), "");
  EXPECT_EQ(clearcase::JoinStorageString({"a", "", "b c"}), "a\r\n\r\nb c\r\n");
}

TEST(StorageStrings, PathNamesReadBackViewNamesFirst) {
  clearcase::TClearCaseCheckoutAction action;
  action.SetPathNameStorageString("src/a.c@@/main/2\nsrc/b c.c\r\n\r\nx@@\rdir/y");
  EXPECT_EQ(action.ViewPathNames(), (List{"src/b c.c", "", "dir/y"}));
  EXPECT_EQ(action.ExtendedPathNames(), (List{"src/a.c@@/main/2", "x@@"}));
  EXPECT_EQ(action.GetPathNameStorageString(),
            "src/b c.c\r\n\r\ndir/y\r\nsrc/a.c@@/main/2\r\nx@@\r\n");
  action.SetPathNameStorageString("");
  EXPECT_TRUE(action.GetPathNames().empty());
}

TEST(StorageStrings, ObjectSelectorsKeepTheirOrderAndBlanks) {
  clearcase::TClearCaseCheckoutAction action;
  action.SetObjectsStorageString("lbtype:REL@/vobs/src\r\n brtype:dev \r\nvob:/vobs/src");
  EXPECT_EQ(action.ObjectSelectors(),
            (List{"lbtype:REL@/vobs/src", " brtype:dev ", "vob:/vobs/src"}));
  EXPECT_EQ(action.GetObjectsStorageString(),
            "lbtype:REL@/vobs/src\r\n brtype:dev \r\nvob:/vobs/src\r\n");
}

}  // namespace
