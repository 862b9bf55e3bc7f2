#pragma once
// "Update Options" of the snapshot view update: hijacked files, time stamps,
// a dry run, and the view to update.

#include <QCheckBox>
#include <QRadioButton>

#include "clearcase/editors/shared/view_context_sub_frame.h"
#include "vycore/gui/action_page.h"

namespace clearcase::editors {

class TClearCaseUpdateFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseUpdateFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return tr("Update Options"); }

 private:
  void ApplyPretend();

  QCheckBox* checkPretend_;
  QRadioButton* overwriteButton_;
  QRadioButton* noOverwriteButton_;
  QRadioButton* renameButton_;
  QRadioButton* tsDefaultButton_;
  QRadioButton* tsCTimeButton_;
  QRadioButton* tsPTimeButton_;
  TClearCaseViewContextSubFrame* viewContext_;
};

}  // namespace clearcase::editors
