#pragma once
// The "Options" page of the apply attribute (objects) action.

#include "vycore/gui/action_page.h"

class QCheckBox;

namespace clearcase::editors {

class TClearCaseApplyAttributeObjectsFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseApplyAttributeObjectsFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("Options"); }

 private:
  QCheckBox* boxReplace_;
};

}  // namespace clearcase::editors
