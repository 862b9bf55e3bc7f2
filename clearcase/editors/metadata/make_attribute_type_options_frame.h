#pragma once
// The "Options" page of the make attribute type action: scope and where
// instances may be attached.

#include "vycore/gui/action_page.h"

class QCheckBox;
class QRadioButton;

namespace clearcase::editors {

class TClearCaseMakeAttributeTypeOptionsFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseMakeAttributeTypeOptionsFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("Options"); }

 private:
  QCheckBox* boxReplace_;
  QCheckBox* boxShared_;
  QRadioButton* btnOrdinary_;
  QRadioButton* btnGlobal_;
  QCheckBox* boxAcquire_;
  // By constraint: default, one version per element, per branch, any version.
  QRadioButton* constraints_[4];
};

}  // namespace clearcase::editors
