#include "clearcase/editors/metadata/make_attribute_type_options_frame.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "clearcase/actions/metadata/make_attribute_type_action.h"
#include "clearcase/editors/metadata/metadata_support.h"

namespace clearcase::editors {

using meta::Named;

TClearCaseMakeAttributeTypeOptionsFrame::TClearCaseMakeAttributeTypeOptionsFrame(QWidget* parent)
    : TVyActionPage(parent) {
  auto* creationGroup = meta::NewGroup(QStringLiteral("Creation Options"), this);
  boxReplace_ = Named(
      new QCheckBox(QStringLiteral("&Replace pre-existing attribute type definition (-replace)"),
                    creationGroup),
      "boxReplace");
  boxShared_ = Named(new QCheckBox(QStringLiteral("Make &shared type (-shared)"), creationGroup),
                     "boxShared");
  const meta::TTypeScope scope = meta::NewTypeScope(QStringLiteral("attribute"), creationGroup);
  btnOrdinary_ = scope.ordinary;
  btnGlobal_ = scope.global;
  boxAcquire_ = scope.acquire;
  auto* creation = new QVBoxLayout(creationGroup);
  for (QWidget* control : {static_cast<QWidget*>(boxReplace_), static_cast<QWidget*>(boxShared_),
                           static_cast<QWidget*>(btnOrdinary_), static_cast<QWidget*>(btnGlobal_),
                           static_cast<QWidget*>(boxAcquire_)})
    creation->addWidget(control);

  auto* usageGroup = meta::NewGroup(QStringLiteral("Usage Constraints"), this);
  constexpr const char* kNames[] = {"btnDefaultUse", "btnVPelement", "btnVPBranch", "btnVPVersion"};
  const QString captions[] = {
      QStringLiteral("Do &not constrain attribute application (default)"),
      QStringLiteral("Apply to elements only, can be applied to one version of an element only "
                     "(-vp&element) "),
      QStringLiteral("Apply to elements only, can be applied to one version of an element per "
                     "branch (-vp&branch) "),
      QStringLiteral("Apply to elements only (-vp&version) "),
  };
  auto* usage = new QVBoxLayout(usageGroup);
  for (int i = 0; i < 4; ++i) {
    constraints_[i] = Named(new QRadioButton(captions[i], usageGroup), kNames[i]);
    usage->addWidget(constraints_[i]);
  }
  constraints_[0]->setChecked(true);
  meta::ChainTabOrder({boxReplace_, boxShared_, btnOrdinary_, btnGlobal_, boxAcquire_,
                       constraints_[0], constraints_[1], constraints_[2], constraints_[3]});

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(creationGroup);
  layout->addWidget(usageGroup);
  layout->addStretch(1);
  WatchEdits(this);
}

void TClearCaseMakeAttributeTypeOptionsFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* type = dynamic_cast<TClearCaseMakeAttributeTypeAction*>(&action);
  if (type == nullptr) return;
  boxReplace_->setChecked(type->GetReplace());
  boxShared_->setChecked(type->GetShared());
  (type->GetGlobal() ? btnGlobal_ : btnOrdinary_)->setChecked(true);
  boxAcquire_->setChecked(type->GetAcquire());
  const int constraint = static_cast<int>(type->GetConstraints());
  constraints_[constraint >= 0 && constraint < 4 ? constraint : 0]->setChecked(true);
}

void TClearCaseMakeAttributeTypeOptionsFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* type = dynamic_cast<TClearCaseMakeAttributeTypeAction*>(&action);
  if (type == nullptr) return;
  type->SetReplace(boxReplace_->isChecked());
  type->SetShared(boxShared_->isChecked());
  type->SetGlobal(btnGlobal_->isChecked());
  type->SetAcquire(boxAcquire_->isChecked());
  for (int i = 0; i < 4; ++i)
    if (constraints_[i]->isChecked())
      type->SetConstraints(static_cast<TClearCaseLabelConstraints>(i));
}

}  // namespace clearcase::editors
