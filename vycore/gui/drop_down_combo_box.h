#pragma once
// A combo box that tells its owner just before its list drops down, so that
// the page can fill the list from a listing at that moment.

#include <QComboBox>

namespace vy::gui {

class TVyDropDownComboBox : public QComboBox {
  Q_OBJECT

 public:
  // Editable: the user may type a text the list does not hold.
  explicit TVyDropDownComboBox(bool editable = false, QWidget* parent = nullptr);

  // Replaces the entries and keeps the typed text of an editable box.
  void SetItems(const QStringList& items);

  void showPopup() override;

 signals:
  void BeforeDropDown();
};

}  // namespace vy::gui
