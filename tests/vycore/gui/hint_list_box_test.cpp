#include "vycore/gui/hint_list_box.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace {

using vy::gui::TVyHintListBox;

TEST(HintListBoxTest, TheHintFollowsTheEntryUnderTheMouse) {
  TVyHintListBox list;
  auto* shortened = new QListWidgetItem("/.../src/a.c", &list);
  shortened->setData(TVyHintListBox::kFullTextRole, "/views/dev/vobs/src/a.c");
  new QListWidgetItem("plain entry", &list);
  list.resize(300, 200);
  list.show();
  for (const auto& [row, hint] : {std::pair{0, "/views/dev/vobs/src/a.c"}, {1, "plain entry"}}) {
    QTest::mouseMove(list.viewport(), list.visualItemRect(list.item(row)).center());
    EXPECT_EQ(list.toolTip(), hint);
  }
  QTest::mouseMove(list.viewport(), QPoint(5, 190));  // below the last entry
  EXPECT_EQ(list.toolTip(), "");

  QSignalSpy deletes(&list, &TVyHintListBox::DeletePressed);
  list.setCurrentRow(1);
  QTest::keyClick(&list, Qt::Key_Delete);
  QTest::keyClick(&list, Qt::Key_Backspace);
  EXPECT_EQ(deletes.count(), 2);
  EXPECT_EQ(list.count(), 2);  // removing is the owner's business
}

}  // namespace
