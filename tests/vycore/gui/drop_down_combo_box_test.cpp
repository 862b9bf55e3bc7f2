#include "vycore/gui/drop_down_combo_box.h"

#include <gtest/gtest.h>

#include <QLineEdit>

namespace {

using vy::gui::TVyDropDownComboBox;

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

}  // namespace
