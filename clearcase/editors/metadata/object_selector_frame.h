#pragma once
// The "Objects" page: the action's list of object selectors, each composed in
// the object selector dialog.

#include "vycore/gui/action_page.h"

class QPushButton;

namespace vy::gui {
class TVyHintListBox;
}

namespace clearcase::editors {

class TClearCaseObjectSelectorFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseObjectSelectorFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("Objects"); }

 private:
  void AddEntry();
  void EditEntry();
  void RemoveEntry();
  void UpdateButtons();

  vy::gui::TVyHintListBox* listObjects_;
  QPushButton* btnAdd_;
  QPushButton* btnEdit_;
  QPushButton* btnRemove_;
};

}  // namespace clearcase::editors
