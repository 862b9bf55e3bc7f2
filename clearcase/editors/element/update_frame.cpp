#include "clearcase/editors/element/update_frame.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "clearcase/actions/element/update_action.h"
#include "clearcase/editors/element/element_page_support.h"

namespace clearcase::editors {

using namespace element;

TClearCaseUpdateFrame::TClearCaseUpdateFrame(QWidget* parent) : vy::gui::TVyActionPage(parent) {
  setObjectName(QStringLiteral("TClearCaseUpdateFrame"));
  auto* layout = new QVBoxLayout(this);

  QGroupBox* hijacked = NewGroup(tr("Handling hijacked files"), this);
  overwriteButton_ =
      Named(new QRadioButton(tr("&Overwrite (-overwrite)"), hijacked), "overwriteButton");
  noOverwriteButton_ =
      Named(new QRadioButton(tr("Do&n't overwrite (-nooverwrite)"), hijacked), "noOverwriteButton");
  renameButton_ =
      Named(new QRadioButton(tr("&Backup, then overwrite the original (-rename)"), hijacked),
            "renameButton");
  auto* hijackedLayout = new QVBoxLayout(hijacked);
  hijackedLayout->addWidget(overwriteButton_);
  hijackedLayout->addWidget(noOverwriteButton_);
  hijackedLayout->addWidget(renameButton_);
  layout->addWidget(hijacked);

  QGroupBox* stamps = NewGroup(tr("Updating file time stamps"), this);
  tsDefaultButton_ =
      Named(new QRadioButton(tr("&According to view config spec"), stamps), "TSdefaultButton");
  tsCTimeButton_ =
      Named(new QRadioButton(tr("To &current system time (-ctime)"), stamps), "TSctimeButton");
  tsPTimeButton_ =
      Named(new QRadioButton(tr("To check-&in time (-ptime)"), stamps), "TSptimeButton");
  auto* stampsLayout = new QVBoxLayout(stamps);
  stampsLayout->addWidget(tsDefaultButton_);
  stampsLayout->addWidget(tsCTimeButton_);
  stampsLayout->addWidget(tsPTimeButton_);
  layout->addWidget(stamps);

  QGroupBox* options = NewGroup(tr("Update options"), this);
  checkPretend_ = Named(
      new QCheckBox(tr("Don't &update any files, just log what would have been done"), options),
      "checkPretend");
  (new QVBoxLayout(options))->addWidget(checkPretend_);
  layout->addWidget(options);

  viewContext_ = Named(new TClearCaseViewContextSubFrame(this), "ClearCaseViewContextSubFrame1");
  layout->addWidget(viewContext_);
  layout->addStretch(1);

  // Whether anything is updated at all comes first from the keyboard; the
  // choices it disables follow.
  QWidget* previous = checkPretend_;
  for (QRadioButton* next : {overwriteButton_, noOverwriteButton_, renameButton_, tsDefaultButton_,
                             tsCTimeButton_, tsPTimeButton_}) {
    setTabOrder(previous, next);
    previous = next;
  }
  overwriteButton_->setChecked(true);
  tsDefaultButton_->setChecked(true);
  connect(checkPretend_, &QCheckBox::toggled, this, &TClearCaseUpdateFrame::ApplyPretend);
  WatchEdits(this);
}

void TClearCaseUpdateFrame::ApplyPretend() {
  // A dry run neither overwrites nor stamps, but the choices stay as they
  // are for when it is switched off again.
  const bool enabled = !checkPretend_->isChecked();
  for (QRadioButton* button : {overwriteButton_, noOverwriteButton_, renameButton_,
                               tsDefaultButton_, tsCTimeButton_, tsPTimeButton_})
    button->setEnabled(enabled);
}

void TClearCaseUpdateFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* update = As<TClearCaseUpdateAction>(action);
  if (update == nullptr) return;
  checkPretend_->setChecked(update->GetPretendOnly());
  switch (update->GetHijackMode()) {
    case hmOverwrite:
      overwriteButton_->setChecked(true);
      break;
    case hmNooverwrite:
      noOverwriteButton_->setChecked(true);
      break;
    case hmRename:
      renameButton_->setChecked(true);
      break;
  }
  switch (update->GetUpdateTimestamp()) {
    case tbDefault:
      tsDefaultButton_->setChecked(true);
      break;
    case tbCurrent:
      tsCTimeButton_->setChecked(true);
      break;
    case tbCheckin:
      tsPTimeButton_->setChecked(true);
      break;
  }
  ApplyPretend();
  viewContext_->SetCaption(tr("Snapshot View to update"));
  viewContext_->ReadActionData(*update);
}

void TClearCaseUpdateFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* update = As<TClearCaseUpdateAction>(action);
  if (update == nullptr) return;
  update->SetPretendOnly(checkPretend_->isChecked());
  update->SetHijackMode(noOverwriteButton_->isChecked() ? hmNooverwrite
                        : renameButton_->isChecked()    ? hmRename
                                                        : hmOverwrite);
  update->SetUpdateTimestamp(tsCTimeButton_->isChecked()   ? tbCurrent
                             : tsPTimeButton_->isChecked() ? tbCheckin
                                                           : tbDefault);
  viewContext_->WriteActionData(*update);
}

}  // namespace clearcase::editors
