#include "clearcase/editors/element/make_element_frame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "clearcase/actions/element/make_element_action.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/editors/element/element_page_support.h"

namespace clearcase::editors {

using namespace element;

TClearCaseMakeElementFrame::TClearCaseMakeElementFrame(QWidget* parent)
    : vy::gui::TVyActionPage(parent) {
  setObjectName(QStringLiteral("TClearCaseMakeElementFrame"));
  auto* layout = new QVBoxLayout(this);

  QGroupBox* checkout = NewGroup(tr("New Element Checkout"), this);
  btnCheckedOut_ = Named(new QRadioButton(tr("Checked &out to current view (default)"), checkout),
                         "btnCheckedOut");
  btnCheckedIn_ =
      Named(new QRadioButton(tr("Checked &in as version 1 (-cin)"), checkout), "btnCheckedIn");
  boxPreserveTime_ = Named(
      new QCheckBox(tr("(&Preserve view-private file's modification time) (-ptime)"), checkout),
      "boxPreserveTime");
  btnNoCheckOut_ =
      Named(new QRadioButton(tr("&Not Checked Out (-nco)"), checkout), "btnNoCheckOut");
  auto* checkoutLayout = new QVBoxLayout(checkout);
  checkoutLayout->addWidget(btnCheckedOut_);
  checkoutLayout->addWidget(btnCheckedIn_);
  auto* timeRow = new QHBoxLayout;
  timeRow->addSpacing(20);
  timeRow->addWidget(boxPreserveTime_);
  checkoutLayout->addLayout(timeRow);
  checkoutLayout->addWidget(btnNoCheckOut_);
  layout->addWidget(checkout);

  QGroupBox* creation = NewGroup(tr("Element Creation Options"), this);
  boxUseElementType_ =
      Named(new QCheckBox(tr("Set element &type:"), creation), "boxUseElementType");
  txtElementType_ = Named(new vy::gui::TVyDropDownComboBox(true, creation), "txtElementType");
  boxMakePath_ = Named(
      new QCheckBox(tr("&Make path from view-private parent directories (-mkpath)"), creation),
      "boxMakePath");
  boxNoWarn_ =
      Named(new QCheckBox(tr("&Suppress warning messages (-nwarn)"), creation), "boxNoWarn");
  boxMaster_ = Named(new QCheckBox(tr("Assign m&astership to VOB Replica (-master)"), creation),
                     "boxMaster");
  auto* creationLayout = new QVBoxLayout(creation);
  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(boxUseElementType_);
  typeRow->addWidget(txtElementType_, 1);
  creationLayout->addLayout(typeRow);
  creationLayout->addWidget(boxMakePath_);
  creationLayout->addWidget(boxNoWarn_);
  creationLayout->addWidget(boxMaster_);
  layout->addWidget(creation);
  layout->addStretch(1);

  // The keyboard visits the three choices before the option that depends on
  // one of them.
  setTabOrder(btnNoCheckOut_, boxPreserveTime_);
  btnCheckedOut_->setChecked(true);
  UpdatePreserveTime();
  for (QRadioButton* button : {btnCheckedOut_, btnCheckedIn_, btnNoCheckOut_})
    connect(button, &QRadioButton::toggled, this, &TClearCaseMakeElementFrame::UpdatePreserveTime);
  connect(txtElementType_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseMakeElementFrame::LoadElementTypes);
  WatchEdits(this);
}

void TClearCaseMakeElementFrame::UpdatePreserveTime() {
  // Only a checked-in version has a modification time to preserve.
  boxPreserveTime_->setEnabled(btnCheckedIn_->isChecked());
}

void TClearCaseMakeElementFrame::LoadElementTypes() {
  // An empty answer (no VOB, a time-out) is asked again next time.
  if (txtElementType_->count() > 0 && !txtElementType_->itemText(0).isEmpty()) return;
  txtElementType_->SetItems(ListingItems(CCGetAllTypeNames("eltype")));
}

void TClearCaseMakeElementFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* make = As<TClearCaseMakeElementAction>(action);
  if (make == nullptr) return;
  switch (make->GetCheckout()) {
    case ccCheckedOut:
      btnCheckedOut_->setChecked(true);
      break;
    case ccCheckedIn:
      btnCheckedIn_->setChecked(true);
      break;
    case ccNoCheckOut:
      btnNoCheckOut_->setChecked(true);
      break;
  }
  boxPreserveTime_->setChecked(make->GetPreserveTime());
  UpdatePreserveTime();
  boxUseElementType_->setChecked(make->GetUseElementType());
  txtElementType_->setEditText(Q(make->GetElementType()));
  boxMakePath_->setChecked(make->GetMakePath());
  boxNoWarn_->setChecked(make->GetNoWarnings());
  masterLoaded_ = !ClearCaseIsLT();
  boxMaster_->setEnabled(masterLoaded_);
  if (masterLoaded_) boxMaster_->setChecked(make->GetMaster());
}

void TClearCaseMakeElementFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* make = As<TClearCaseMakeElementAction>(action);
  if (make == nullptr) return;
  make->SetCheckout(btnCheckedIn_->isChecked()    ? ccCheckedIn
                    : btnNoCheckOut_->isChecked() ? ccNoCheckOut
                                                  : ccCheckedOut);
  make->SetPreserveTime(boxPreserveTime_->isChecked());
  make->SetUseElementType(boxUseElementType_->isChecked());
  make->SetElementType(S(txtElementType_->currentText()));
  make->SetMakePath(boxMakePath_->isChecked());
  make->SetNoWarnings(boxNoWarn_->isChecked());
  if (masterLoaded_) make->SetMaster(boxMaster_->isChecked());
}

}  // namespace clearcase::editors
