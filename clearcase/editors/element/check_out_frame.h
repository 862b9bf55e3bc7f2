#pragma once
// "Checkout Options": reservation, where the checked-out data goes, and
// which version or branch is checked out.

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "vycore/gui/action_page.h"
#include "vycore/gui/path_edit.h"

namespace clearcase::editors {

class TClearCaseCheckOutFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseCheckOutFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return tr("Checkout Options"); }

 private:
  void BrowseForOutFolder();

  QRadioButton* btnReserved_;
  QRadioButton* btnUnreserved_;
  QCheckBox* boxLazyReserved_;
  QRadioButton* btnViewDefault_;
  QRadioButton* btnOut_;
  vy::gui::TVyPathEdit* txtExternalPath_;
  QRadioButton* btnNData_;
  QCheckBox* boxPTime_;
  QRadioButton* btnSelModeDefault_;
  QRadioButton* btnSelModeBranch_;
  QLineEdit* txtBranchName_;
  QRadioButton* btnSelModeVersion_;
  QLineEdit* txtVersionName_;
  // Under ClearCase LT the selectors are neither shown nor stored back.
  bool selectorsLoaded_ = false;
};

}  // namespace clearcase::editors
