#pragma once
// The "Options" page of the make label type action.

#include "vycore/gui/action_page.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace vy::gui {
class TVyDropDownComboBox;
}

namespace clearcase::editors {

class TClearCaseMkLbTypeFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseMkLbTypeFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("Options"); }

 private:
  void UpdateAcquire();
  void CapitalizeTyped(const QString& text);

  QLineEdit* txtLabelSelector_;
  vy::gui::TVyDropDownComboBox* txtVOBSelector_;
  QCheckBox* boxUpperCase_;
  QRadioButton* btnOrdinary_;
  QRadioButton* btnGlobal_;
  QCheckBox* boxAcquire_;
  QCheckBox* boxReplace_;
  QCheckBox* boxShared_;
  QRadioButton* btnNoPbranch_;
  QRadioButton* btnPBranch_;
};

}  // namespace clearcase::editors
