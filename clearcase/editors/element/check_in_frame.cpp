#include "clearcase/editors/element/check_in_frame.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "clearcase/actions/element/checkin_action.h"
#include "clearcase/editors/element/element_page_support.h"

namespace clearcase::editors {

using namespace element;

TClearCaseCheckInFrame::TClearCaseCheckInFrame(QWidget* parent) : vy::gui::TVyActionPage(parent) {
  setObjectName(QStringLiteral("TClearCaseCheckInFrame"));
  auto* layout = new QVBoxLayout(this);
  QGroupBox* original = NewGroup(tr("Original File"), this);
  boxKeep_ = Named(new QCheckBox(tr("&Back up a copy as .keep (-keep)"), original), "boxKeep");
  boxRemove_ = Named(new QCheckBox(tr("&Remove the original (-rm)"), original), "boxRemove");
  auto* originalLayout = new QVBoxLayout(original);
  originalLayout->addWidget(boxKeep_);
  originalLayout->addWidget(boxRemove_);
  layout->addWidget(original);

  QGroupBox* options = NewGroup(tr("Options"), this);
  boxPTime_ = Named(new QCheckBox(tr("&Preserve the original modification time (-ptime)"), options),
                    "boxPTime");
  boxNoWarn_ = Named(new QCheckBox(tr("&Suppress warnings (-nwarn)"), options), "boxNoWarn");
  boxIdentical_ = Named(
      new QCheckBox(tr("&Check in even if the two versions are identical (-identical)"), options),
      "boxIdentical");
  auto* optionsLayout = new QVBoxLayout(options);
  optionsLayout->addWidget(boxPTime_);
  optionsLayout->addWidget(boxNoWarn_);
  optionsLayout->addWidget(boxIdentical_);
  layout->addWidget(options);
  layout->addStretch(1);

  // cleartool refuses -keep together with -rm: ticking one clears the other.
  connect(boxKeep_, &QCheckBox::toggled, this, [this](bool ticked) {
    if (ticked) boxRemove_->setChecked(false);
  });
  connect(boxRemove_, &QCheckBox::toggled, this, [this](bool ticked) {
    if (ticked) boxKeep_->setChecked(false);
  });
  WatchEdits(this);
}

void TClearCaseCheckInFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* checkin = As<TClearCaseCheckInGenericAction>(action);
  if (checkin == nullptr) return;
  boxKeep_->setChecked(checkin->GetKeep());
  boxRemove_->setChecked(checkin->GetRemove());
  boxPTime_->setChecked(checkin->GetPreserveTime());
  boxNoWarn_->setChecked(checkin->GetNoWarnings());
  boxIdentical_->setChecked(checkin->GetIdenticalCheckin());
}

void TClearCaseCheckInFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* checkin = As<TClearCaseCheckInGenericAction>(action);
  if (checkin == nullptr) return;
  checkin->SetKeep(boxKeep_->isChecked());
  checkin->SetRemove(boxRemove_->isChecked());
  checkin->SetPreserveTime(boxPTime_->isChecked());
  checkin->SetNoWarnings(boxNoWarn_->isChecked());
  checkin->SetIdenticalCheckin(boxIdentical_->isChecked());
}

}  // namespace clearcase::editors
