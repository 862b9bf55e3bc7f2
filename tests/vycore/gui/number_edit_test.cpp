#include "vycore/gui/number_edit.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

using vy::gui::TVyNumberEdit;

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

}  // namespace
