#include "vycore/gui/drop_down_combo_box.h"

namespace vy::gui {

TVyDropDownComboBox::TVyDropDownComboBox(bool editable, QWidget* parent) : QComboBox(parent) {
  setEditable(editable);
  if (editable) setInsertPolicy(QComboBox::NoInsert);
}

void TVyDropDownComboBox::SetItems(const QStringList& items) {
  const QString typed = currentText();
  const QSignalBlocker quiet(this);
  clear();
  addItems(items);
  if (isEditable()) {
    setEditText(typed);
  } else {
    setCurrentIndex(findText(typed));
  }
}

void TVyDropDownComboBox::showPopup() {
  emit BeforeDropDown();
  QComboBox::showPopup();
}

}  // namespace vy::gui
