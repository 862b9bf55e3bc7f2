#pragma once
// "Uncheckout Options" of the activity undo-checkout action: the same choice
// as for path names, plus the view whose current activity is meant.

#include <QCheckBox>

#include "clearcase/editors/shared/view_context_sub_frame.h"
#include "vycore/gui/action_page.h"

namespace clearcase::editors {

class TClearCaseUnCheckOutActivityFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseUnCheckOutActivityFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return tr("Uncheckout Options"); }

 private:
  QCheckBox* boxKeep_;
  TClearCaseViewContextSubFrame* viewContext_;
};

}  // namespace clearcase::editors
