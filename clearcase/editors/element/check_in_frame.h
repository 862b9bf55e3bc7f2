#pragma once
// "Checkin Options" of both check-in actions: what happens to the original
// file, and the switches of the check-in.

#include <QCheckBox>

#include "vycore/gui/action_page.h"

namespace clearcase::editors {

class TClearCaseCheckInFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseCheckInFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return tr("Checkin Options"); }

 private:
  QCheckBox* boxKeep_;
  QCheckBox* boxRemove_;
  QCheckBox* boxPTime_;
  QCheckBox* boxNoWarn_;
  QCheckBox* boxIdentical_;
};

}  // namespace clearcase::editors
