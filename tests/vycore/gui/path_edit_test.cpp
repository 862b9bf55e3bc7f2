#include "vycore/gui/path_edit.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace {

using vy::gui::TVyPathEdit;

TEST(PathEditTest, OnlyTheButtonAsksTheOwnerToBrowse) {
  TVyPathEdit path;
  path.show();
  QSignalSpy browse(&path, &TVyPathEdit::ButtonClicked);
  QTest::keyClicks(path.Edit(), "/views");
  EXPECT_EQ(browse.count(), 0);
  QTest::mouseClick(path.Button(), Qt::LeftButton);
  EXPECT_EQ(browse.count(), 1);
  EXPECT_EQ(path.text(), "/views");
  EXPECT_EQ(path.focusProxy(), path.Edit());  // labels and pages focus the text
}

}  // namespace
