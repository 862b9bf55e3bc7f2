#pragma once
// "Uncheckout Options" of the path-name undo-checkout action.

#include <QCheckBox>

#include "vycore/gui/action_page.h"

namespace clearcase::editors {

class TClearCaseUnCheckOutFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseUnCheckOutFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return tr("Uncheckout Options"); }

 private:
  QCheckBox* boxKeep_;
};

}  // namespace clearcase::editors
