#include "clearcase/editors/ucm/change_stream_options_frame.h"

#include <QLabel>
#include <QVBoxLayout>

#include "clearcase/actions/ucm/change_stream_action.h"
#include "clearcase/editors/ucm/ucm_texts.h"

namespace clearcase::editors {

using ucm::ToQ;
using ucm::ToStd;

TClearCaseChangeStreamOptionsFrame::TClearCaseChangeStreamOptionsFrame(QWidget* parent)
    : TVyActionPage(parent),
      boxPolicyEnable_(new QCheckBox(QStringLiteral("&Enable the following policy:"), this)),
      txtPolicyEnable_(new QLineEdit(this)),
      boxPolicyDisable_(new QCheckBox(QStringLiteral("&Disable the following policy:"), this)),
      txtPolicyDisable_(new QLineEdit(this)),
      boxGenerate_(
          new QCheckBox(QStringLiteral("&Regenerate the stream config spec (-generate)"), this)),
      rbNoDeliverStream_(new QRadioButton(QStringLiteral("Do&n't change deliver stream"), this)),
      rbChangeDeliverStream_(
          new QRadioButton(QStringLiteral("&Set new default deliver stream: (-target)"), this)),
      txtDeliverStream_(new QLineEdit(this)),
      rbClearDeliverStream_(
          new QRadioButton(QStringLiteral("&Clear default deliver stream (-ntarget)"), this)) {
  boxPolicyEnable_->setObjectName(QStringLiteral("boxPolicyEnable"));
  txtPolicyEnable_->setObjectName(QStringLiteral("txtPolicyEnable"));
  boxPolicyDisable_->setObjectName(QStringLiteral("boxPolicyDisable"));
  txtPolicyDisable_->setObjectName(QStringLiteral("txtPolicyDisable"));
  boxGenerate_->setObjectName(QStringLiteral("boxGenerate"));
  rbNoDeliverStream_->setObjectName(QStringLiteral("rbNoDeliverStream"));
  rbChangeDeliverStream_->setObjectName(QStringLiteral("rbChangeDeliverStream"));
  txtDeliverStream_->setObjectName(QStringLiteral("txtDeliverStream"));
  rbClearDeliverStream_->setObjectName(QStringLiteral("rbClearDeliverStream"));
  rbNoDeliverStream_->setChecked(true);

  auto* policyHint = new QLabel(
      QStringLiteral("(Separate multiple policies with commas: ie StreamPolicy1,StreamPolicy2)"),
      this);
  auto* streamHint = new QLabel(
      QStringLiteral(
          "(Use format stream-name@project-vob. Stream must belong to a different project.)"),
      this);
  policyHint->setWordWrap(true);
  streamHint->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(boxPolicyEnable_);
  layout->addWidget(txtPolicyEnable_);
  layout->addWidget(boxPolicyDisable_);
  layout->addWidget(txtPolicyDisable_);
  layout->addWidget(policyHint);
  layout->addWidget(boxGenerate_);
  layout->addWidget(rbNoDeliverStream_);
  layout->addWidget(rbChangeDeliverStream_);
  layout->addWidget(txtDeliverStream_);
  layout->addWidget(streamHint);
  layout->addWidget(rbClearDeliverStream_);
  layout->addStretch();
  WatchEdits(this);
}

void TClearCaseChangeStreamOptionsFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* change = dynamic_cast<TClearCaseChangeStreamAction*>(&action);
  if (!change) return;
  boxPolicyEnable_->setChecked(change->GetEnablePolicy());
  txtPolicyEnable_->setText(ToQ(change->GetEnablePolicyNames()));
  boxPolicyDisable_->setChecked(change->GetDisablePolicy());
  txtPolicyDisable_->setText(ToQ(change->GetDisablePolicyNames()));
  boxGenerate_->setChecked(change->GetGenerateSpec());
  // Clearing is read last and so wins over a change stored beside it.
  if (change->GetClearTarget()) {
    rbClearDeliverStream_->setChecked(true);
  } else if (change->GetChangeTarget()) {
    rbChangeDeliverStream_->setChecked(true);
  } else {
    rbNoDeliverStream_->setChecked(true);
  }
  txtDeliverStream_->setText(ToQ(change->GetNewTargetStream()));
}

void TClearCaseChangeStreamOptionsFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* change = dynamic_cast<TClearCaseChangeStreamAction*>(&action);
  if (!change) return;
  change->SetEnablePolicy(boxPolicyEnable_->isChecked());
  change->SetEnablePolicyNames(ToStd(txtPolicyEnable_->text()));
  change->SetDisablePolicy(boxPolicyDisable_->isChecked());
  change->SetDisablePolicyNames(ToStd(txtPolicyDisable_->text()));
  change->SetGenerateSpec(boxGenerate_->isChecked());
  change->SetChangeTarget(rbChangeDeliverStream_->isChecked());
  change->SetNewTargetStream(ToStd(txtDeliverStream_->text()));
  change->SetClearTarget(rbClearDeliverStream_->isChecked());
}

}  // namespace clearcase::editors
