#pragma once
// The "Options" page of the apply attribute (paths) action.

#include "vycore/gui/action_page.h"

class QCheckBox;
class QLineEdit;

namespace clearcase::editors {

class TClearCaseApplyAttributePathNamesFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseApplyAttributePathNamesFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("Options"); }

 private:
  QCheckBox* boxUseVersion_;
  QLineEdit* txtVersion_;
  QCheckBox* boxReplace_;
  QCheckBox* boxRecurse_;
};

}  // namespace clearcase::editors
