#pragma once
// The "Options" page of the apply label action.

#include "vycore/gui/action_page.h"

class QCheckBox;
class QLineEdit;

namespace vy::gui {
class TVyDropDownComboBox;
}

namespace clearcase::editors {

class TClearCaseApplyLabelFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseApplyLabelFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("Options"); }

 private:
  void UpdateVersionSelector();

  vy::gui::TVyDropDownComboBox* txtLabelName_;
  vy::gui::TVyDropDownComboBox* txtVOBSelector_;
  QCheckBox* boxUseVersionSelector_;
  QLineEdit* txtVersionSelector_;
  QCheckBox* boxReplace_;
  QCheckBox* boxRecurse_;
  QCheckBox* boxFollow_;
};

}  // namespace clearcase::editors
