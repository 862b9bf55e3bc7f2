#include "clearcase/editors/metadata/mk_lb_type_frame.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "clearcase/actions/metadata/mklbtype_action.h"
#include "clearcase/editors/metadata/metadata_support.h"

namespace clearcase::editors {

using meta::Named;
using meta::Q;
using meta::S;

TClearCaseMkLbTypeFrame::TClearCaseMkLbTypeFrame(QWidget* parent) : TVyActionPage(parent) {
  auto* nameGroup = meta::NewGroup(QStringLiteral("New Label Type Name"), this);
  txtLabelSelector_ = Named(new QLineEdit(nameGroup), "txtLabelSelector");
  txtVOBSelector_ = meta::NewVobBox(nameGroup, "txtVOBSelector");
  boxUpperCase_ =
      Named(new QCheckBox(QStringLiteral("&Uppercase letters only (recommended)"), nameGroup),
            "boxUpperCase");
  boxUpperCase_->setChecked(true);
  auto* nameForm = new QFormLayout(nameGroup);
  nameForm->addRow(txtLabelSelector_);
  nameForm->addRow(meta::NewLabel(QStringLiteral("in &VOB:"), txtVOBSelector_, nameGroup),
                   txtVOBSelector_);
  nameForm->addRow(boxUpperCase_);

  auto* creationGroup = meta::NewGroup(QStringLiteral("Creation Options"), this);
  const meta::TTypeScope scope = meta::NewTypeScope(QStringLiteral("label"), creationGroup);
  btnOrdinary_ = scope.ordinary;
  btnGlobal_ = scope.global;
  boxAcquire_ = scope.acquire;
  boxReplace_ =
      Named(new QCheckBox(QStringLiteral("&Replace pre-existing label type definition (-replace)"),
                          creationGroup),
            "boxReplace");
  boxShared_ =
      Named(new QCheckBox(QStringLiteral("Create &shared label type (-shared)"), creationGroup),
            "boxShared");
  auto* creation = new QVBoxLayout(creationGroup);
  creation->addWidget(btnOrdinary_);
  creation->addWidget(btnGlobal_);
  auto* acquireIndent = new QHBoxLayout;
  acquireIndent->addSpacing(20);
  acquireIndent->addWidget(boxAcquire_);
  creation->addLayout(acquireIndent);
  creation->addWidget(boxReplace_);
  creation->addWidget(boxShared_);

  auto* usageGroup = meta::NewGroup(QStringLiteral("Usage Constraints"), this);
  btnNoPbranch_ = Named(
      new QRadioButton(
          QStringLiteral("Label type can be attached to at &most one version of a given element"),
          usageGroup),
      "btnNoPbranch");
  btnPBranch_ = Named(new QRadioButton(QStringLiteral("Label type can be attached to one version "
                                                      "&per branch in element's version tree "
                                                      "(-pbranch)"),
                                       usageGroup),
                      "btnPBranch");
  btnNoPbranch_->setChecked(true);
  auto* usage = new QVBoxLayout(usageGroup);
  usage->addWidget(btnNoPbranch_);
  usage->addWidget(btnPBranch_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(nameGroup);
  layout->addWidget(creationGroup);
  layout->addWidget(usageGroup);
  layout->addStretch(1);

  connect(btnGlobal_, &QRadioButton::toggled, this, &TClearCaseMkLbTypeFrame::UpdateAcquire);
  connect(txtLabelSelector_, &QLineEdit::textEdited, this,
          &TClearCaseMkLbTypeFrame::CapitalizeTyped);
  meta::ChainTabOrder({txtLabelSelector_, txtVOBSelector_, boxUpperCase_, btnOrdinary_, btnGlobal_,
                       boxAcquire_, boxReplace_, boxShared_, btnNoPbranch_, btnPBranch_});
  UpdateAcquire();
  WatchEdits(this);
}

void TClearCaseMkLbTypeFrame::UpdateAcquire() {
  boxAcquire_->setEnabled(btnGlobal_->isChecked());
}

void TClearCaseMkLbTypeFrame::CapitalizeTyped(const QString& text) {
  if (!boxUpperCase_->isChecked()) return;
  const QString upper = text.toUpper();
  if (upper == text) return;
  const int caret = txtLabelSelector_->cursorPosition();
  txtLabelSelector_->setText(upper);
  txtLabelSelector_->setCursorPosition(caret);
}

void TClearCaseMkLbTypeFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* mkLbType = dynamic_cast<TClearCaseMkLbTypeAction*>(&action);
  if (mkLbType == nullptr) return;
  const QString name = Q(mkLbType->GetLabelTypeName());
  // A stored name in mixed case was chosen deliberately: show and keep it.
  if (name.toUpper() != name) boxUpperCase_->setChecked(false);
  txtLabelSelector_->setText(name);
  txtVOBSelector_->setEditText(Q(mkLbType->GetVOBSelector()));
  (mkLbType->GetMakeGlobal() ? btnGlobal_ : btnOrdinary_)->setChecked(true);
  boxAcquire_->setChecked(mkLbType->GetAcquire());
  boxReplace_->setChecked(mkLbType->GetReplace());
  boxShared_->setChecked(mkLbType->GetShared());
  (mkLbType->GetPBranch() ? btnPBranch_ : btnNoPbranch_)->setChecked(true);
  UpdateAcquire();
}

void TClearCaseMkLbTypeFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* mkLbType = dynamic_cast<TClearCaseMkLbTypeAction*>(&action);
  if (mkLbType == nullptr) return;
  mkLbType->SetLabelTypeName(S(txtLabelSelector_->text()));
  mkLbType->SetVOBSelector(S(txtVOBSelector_->currentText()));
  mkLbType->SetMakeGlobal(btnGlobal_->isChecked());
  mkLbType->SetAcquire(boxAcquire_->isChecked());
  mkLbType->SetReplace(boxReplace_->isChecked());
  mkLbType->SetShared(boxShared_->isChecked());
  mkLbType->SetPBranch(btnPBranch_->isChecked());
}

}  // namespace clearcase::editors
