// The shared widgets' own rules, where no page test reaches them.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "vycore/gui/drop_down_combo_box.h"
#include "vycore/gui/hint_list_box.h"
#include "vycore/gui/number_edit.h"
#include "vycore/gui/path_edit.h"

namespace {

using namespace vy::gui;

TEST(DropDownComboBoxTest, TheOwnerFillsTheListBeforeItDropsDownAndTypedTextStays) {
  TVyDropDownComboBox box(true);
  box.show();
  box.lineEdit()->setText("typed");
  bool filledWhileHidden = false;
  QObject::connect(&box, &TVyDropDownComboBox::BeforeDropDown, [&] {
    filledWhileHidden = !box.view()->isVisible();
    box.SetItems({"a", "b"});
  });
  box.showPopup();
  EXPECT_TRUE(filledWhileHidden);
  EXPECT_TRUE(box.view()->isVisible());
  EXPECT_EQ(box.count(), 2);
  EXPECT_EQ(box.currentText(), "typed");
  box.hidePopup();
}

TEST(NumberEditTest, GroupsDigitsAndBracketsNegativesButStoresThePlainNumber) {
  struct Row {
    TVyNumberEdit::Kind kind;
    const char* typed;
    const char* plain;
    const char* shownAfterLeaving;
  } rows[] = {
      {TVyNumberEdit::Kind::Integer, "(1,000)", "-1000", "(1,000)"},
      {TVyNumberEdit::Kind::Decimal, "-1234.5", "-1234.5", "(1,234.5)"},
      {TVyNumberEdit::Kind::Integer, "1.5", "1.5", "1.5"},  // no whole number: left to fix
      {TVyNumberEdit::Kind::Integer, "12x", "12x", "12x"},
  };
  for (const Row& row : rows) {
    TVyNumberEdit edit(row.kind);
    edit.show();
    QTest::keyClicks(&edit, row.typed);
    EXPECT_EQ(edit.PlainText(), row.plain) << row.typed;
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(&edit, &leave);
    EXPECT_EQ(edit.text(), row.shownAfterLeaving) << row.typed;
    EXPECT_EQ(edit.PlainText(), row.plain) << row.typed;
  }
}

TEST(HintListBoxTest, AShortenedEntryHintsItsFullText) {
  TVyHintListBox list;
  auto* shortened = new QListWidgetItem("/.../src/a.c", &list);
  shortened->setData(TVyHintListBox::kFullTextRole, "/views/dev/vobs/src/a.c");
  list.show();
  QTest::mouseMove(list.viewport(), list.visualItemRect(shortened).center());
  EXPECT_EQ(list.toolTip(), "/views/dev/vobs/src/a.c");
}

// A label's buddy or a page's first control is the box: the text takes the focus.
TEST(PathEditTest, TheTextTakesTheFocus) {
  TVyPathEdit path;
  path.show();
  QApplication::setActiveWindow(&path);
  path.setFocus();
  EXPECT_EQ(QApplication::focusWidget(), path.Edit());
}

}  // namespace
