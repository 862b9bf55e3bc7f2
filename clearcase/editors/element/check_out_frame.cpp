#include "clearcase/editors/element/check_out_frame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "clearcase/actions/element/checkout_action.h"
#include "clearcase/editors/element/element_page_support.h"
#include "vycore/services.h"

namespace clearcase::editors {

using namespace element;

TClearCaseCheckOutFrame::TClearCaseCheckOutFrame(QWidget* parent) : vy::gui::TVyActionPage(parent) {
  setObjectName(QStringLiteral("TClearCaseCheckOutFrame"));
  auto* layout = new QVBoxLayout(this);

  // Each heading's group keeps its radio buttons apart from the others'.
  QGroupBox* reservation = NewGroup(tr("Checkout Options"), this);
  btnReserved_ =
      Named(new QRadioButton(tr("&Reserved Checkout (-reserved)"), reservation), "btnReserved");
  btnUnreserved_ = Named(new QRadioButton(tr("&Unreserved checkout (-unreserved)"), reservation),
                         "btnUnreserved");
  boxLazyReserved_ = Named(
      new QCheckBox(tr("Unreserved if &already reserved (-reserved -unreserved)"), reservation),
      "boxLazyReserved");
  auto* reservationLayout = new QVBoxLayout(reservation);
  reservationLayout->addWidget(btnReserved_);
  auto* lazyRow = new QHBoxLayout;
  lazyRow->addSpacing(20);
  lazyRow->addWidget(boxLazyReserved_);
  reservationLayout->addLayout(lazyRow);
  reservationLayout->addWidget(btnUnreserved_);
  layout->addWidget(reservation);

  QGroupBox* location = NewGroup(tr("Checked out file location"), this);
  btnViewDefault_ = Named(new QRadioButton(tr("&View (Default)"), location), "btnViewDefault");
  btnOut_ = Named(new QRadioButton(tr("Alternative &location (-out)"), location), "btnOut");
  txtExternalPath_ = Named(new vy::gui::TVyPathEdit(location), "txtExternalPath");
  btnNData_ =
      Named(new QRadioButton(tr("&Just create checkout record, not file data (-ndata)"), location),
            "btnNData");
  boxPTime_ = Named(new QCheckBox(tr("&Preserve modification times (-ptime) [CCONLY]"), location),
                    "boxPTime");
  auto* locationLayout = new QVBoxLayout(location);
  locationLayout->addWidget(btnViewDefault_);
  auto* outRow = new QHBoxLayout;
  outRow->addWidget(btnOut_);
  outRow->addWidget(txtExternalPath_, 1);
  locationLayout->addLayout(outRow);
  locationLayout->addWidget(btnNData_);
  locationLayout->addWidget(boxPTime_);
  layout->addWidget(location);

  QGroupBox* selection = NewGroup(tr("Choose specific version/branch"), this);
  btnSelModeDefault_ = Named(new QRadioButton(tr("&Default"), selection), "btnSelModeDefault");
  btnSelModeBranch_ =
      Named(new QRadioButton(tr("Choose &branch (-branch)"), selection), "btnSelModeBranch");
  txtBranchName_ = Named(new QLineEdit(selection), "txtBranchName");
  btnSelModeVersion_ =
      Named(new QRadioButton(tr("Choose v&ersion (-version)"), selection), "btnSelModeVersion");
  txtVersionName_ = Named(new QLineEdit(selection), "txtVersionName");
  auto* selectionLayout = new QGridLayout(selection);
  selectionLayout->addWidget(btnSelModeDefault_, 0, 0);
  selectionLayout->addWidget(btnSelModeBranch_, 1, 0);
  selectionLayout->addWidget(txtBranchName_, 1, 1);
  selectionLayout->addWidget(btnSelModeVersion_, 2, 0);
  selectionLayout->addWidget(txtVersionName_, 2, 1);
  selectionLayout->setColumnStretch(1, 1);
  layout->addWidget(selection);
  layout->addStretch(1);

  btnReserved_->setChecked(true);
  btnViewDefault_->setChecked(true);
  btnSelModeDefault_->setChecked(true);

  connect(btnReserved_, &QRadioButton::toggled, boxLazyReserved_, &QWidget::setEnabled);
  // Typing a path, branch or version is choosing it.
  connect(txtExternalPath_->Edit(), &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!text.isEmpty()) btnOut_->setChecked(true);
  });
  connect(txtBranchName_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!text.isEmpty()) btnSelModeBranch_->setChecked(true);
  });
  connect(txtVersionName_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!text.isEmpty()) btnSelModeVersion_->setChecked(true);
  });
  connect(txtExternalPath_, &vy::gui::TVyPathEdit::ButtonClicked, this,
          &TClearCaseCheckOutFrame::BrowseForOutFolder);
  WatchEdits(this);
}

void TClearCaseCheckOutFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* checkout = As<TClearCaseCheckoutAction>(action);
  if (checkout == nullptr) return;
  txtExternalPath_->setText(Q(checkout->GetOutExternalPath()));
  if (checkout->GetReserved()) {
    btnReserved_->setChecked(true);
  } else {
    btnUnreserved_->setChecked(true);
  }
  boxLazyReserved_->setChecked(checkout->GetReserved() && checkout->GetUnreserved());
  boxLazyReserved_->setEnabled(btnReserved_->isChecked());
  boxPTime_->setChecked(checkout->GetPreserveTime());
  // Read after the path, so the stored location wins over a filled path.
  switch (checkout->GetDataLocation()) {
    case coView:
      btnViewDefault_->setChecked(true);
      break;
    case coOut:
      btnOut_->setChecked(true);
      break;
    case coNoData:
      btnNData_->setChecked(true);
      break;
  }
  const bool lt = ClearCaseIsLT();
  selectorsLoaded_ = !lt;
  for (QWidget* control :
       std::initializer_list<QWidget*>{btnSelModeDefault_, btnSelModeBranch_, txtBranchName_,
                                       btnSelModeVersion_, txtVersionName_})
    control->setEnabled(!lt);
  if (lt) {
    btnSelModeDefault_->setChecked(true);
    return;
  }
  switch (checkout->GetSelectionMode()) {
    case coDefault:
      btnSelModeDefault_->setChecked(true);
      break;
    case coVersion:
      btnSelModeVersion_->setChecked(true);
      break;
    case coBranch:
      btnSelModeBranch_->setChecked(true);
      break;
  }
  // Read after the mode: a filled version, or else a filled branch, is what
  // the user meant, whatever mode was stored.
  txtBranchName_->setText(Q(checkout->GetBranchSelector()));
  txtVersionName_->setText(Q(checkout->GetVersionSelector()));
}

void TClearCaseCheckOutFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* checkout = As<TClearCaseCheckoutAction>(action);
  if (checkout == nullptr) return;
  checkout->SetReserved(btnReserved_->isChecked());
  checkout->SetUnreserved(btnUnreserved_->isChecked() ||
                          (btnReserved_->isChecked() && boxLazyReserved_->isChecked()));
  checkout->SetPreserveTime(boxPTime_->isChecked());
  checkout->SetDataLocation(btnOut_->isChecked()     ? coOut
                            : btnNData_->isChecked() ? coNoData
                                                     : coView);
  checkout->SetSelectionMode(btnSelModeBranch_->isChecked()    ? coBranch
                             : btnSelModeVersion_->isChecked() ? coVersion
                                                               : coDefault);
  checkout->SetOutExternalPath(S(txtExternalPath_->text()));
  if (!selectorsLoaded_) return;
  checkout->SetBranchSelector(S(txtBranchName_->text()));
  checkout->SetVersionSelector(S(txtVersionName_->text()));
}

void TClearCaseCheckOutFrame::BrowseForOutFolder() {
  std::string chosen;
  if (!vy::VyBrowseForDirectory(S(txtExternalPath_->text()), chosen, "Select Directory")) return;
  txtExternalPath_->setText(Q(chosen));
  btnOut_->setChecked(true);
}

}  // namespace clearcase::editors
