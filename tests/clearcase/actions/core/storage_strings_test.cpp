#include "clearcase/actions/core/storage_strings.h"

#include <gtest/gtest.h>

#include "clearcase/actions/element/checkout_action.h"

namespace {

using List = vy::TStringList;

TEST(StorageStrings, EveryLineBreakFormEndsAnEntry) {
  const struct {
    const char* text;
    List entries;
  } rows[] = {
      {"", {}},
      {"a\rb\nc\r\n", {"a", "b", "c"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"\n\r", {"", ""}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(clearcase::SplitStorageString(row.text), row.entries) << row.text;
  }
  EXPECT_EQ(clearcase::JoinStorageString({}), "");
  EXPECT_EQ(clearcase::JoinStorageString({"a", "", "b c"}), "a\r\n\r\nb c\r\n");
}

TEST(StorageStrings, PathNamesReadBackViewNamesFirstAndObjectsInOrder) {
  clearcase::TClearCaseCheckoutAction action;
  action.SetPathNameStorageString("src/a.c@@/main/2\nsrc/b c.c\r\n\r\nx@@\rdir/y");
  EXPECT_EQ(action.ViewPathNames(), (List{"src/b c.c", "", "dir/y"}));
  EXPECT_EQ(action.ExtendedPathNames(), (List{"src/a.c@@/main/2", "x@@"}));
  EXPECT_EQ(action.GetPathNameStorageString(),
            "src/b c.c\r\n\r\ndir/y\r\nsrc/a.c@@/main/2\r\nx@@\r\n");
  action.SetPathNameStorageString("");
  EXPECT_TRUE(action.GetPathNames().empty());

  action.SetObjectsStorageString("lbtype:REL@/vobs/src\r\n brtype:dev \r\nvob:/vobs/src");
  EXPECT_EQ(action.ObjectSelectors(),
            (List{"lbtype:REL@/vobs/src", " brtype:dev ", "vob:/vobs/src"}));
  EXPECT_EQ(action.GetObjectsStorageString(),
            "lbtype:REL@/vobs/src\r\n brtype:dev \r\nvob:/vobs/src\r\n");
}

}  // namespace
