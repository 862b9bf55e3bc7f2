#include "clearcase/editors/metadata/apply_attribute_path_names_frame.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "clearcase/actions/metadata/apply_attribute_actions.h"
#include "clearcase/editors/metadata/metadata_support.h"

namespace clearcase::editors {

using meta::Named;

TClearCaseApplyAttributePathNamesFrame::TClearCaseApplyAttributePathNamesFrame(QWidget* parent)
    : TVyActionPage(parent) {
  auto* versionGroup = meta::NewGroup(QStringLiteral("Version Selector"), this);
  boxUseVersion_ =
      Named(new QCheckBox(QStringLiteral("Apply to a Specific &Version:"), versionGroup),
            "boxUseVersion");
  txtVersion_ = Named(new QLineEdit(versionGroup), "txtVersion");
  auto* version = new QVBoxLayout(versionGroup);
  version->addWidget(boxUseVersion_);
  version->addWidget(txtVersion_);

  auto* optionsGroup = meta::NewGroup(QStringLiteral("Apply Attribute Options"), this);
  boxReplace_ = Named(
      new QCheckBox(QStringLiteral("&Replace pre-existing attributes of the same name (-replace)"),
                    optionsGroup),
      "boxReplace");
  boxRecurse_ =
      Named(new QCheckBox(QStringLiteral("Recurse into &subdirectories (-recurse)"), optionsGroup),
            "boxRecurse");
  auto* options = new QVBoxLayout(optionsGroup);
  options->addWidget(boxReplace_);
  options->addWidget(boxRecurse_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(versionGroup);
  layout->addWidget(optionsGroup);
  layout->addStretch(1);
  meta::ChainTabOrder({boxUseVersion_, txtVersion_, boxReplace_, boxRecurse_});
  WatchEdits(this);
}

void TClearCaseApplyAttributePathNamesFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* attribute = dynamic_cast<TClearCaseApplyAttributePathNamesAction*>(&action);
  if (attribute == nullptr) return;
  boxUseVersion_->setChecked(attribute->GetUseVersionSelector());
  txtVersion_->setText(meta::Q(attribute->GetVersionSelector()));
  boxReplace_->setChecked(attribute->GetReplace());
  boxRecurse_->setChecked(attribute->GetRecurse());
}

void TClearCaseApplyAttributePathNamesFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* attribute = dynamic_cast<TClearCaseApplyAttributePathNamesAction*>(&action);
  if (attribute == nullptr) return;
  attribute->SetUseVersionSelector(boxUseVersion_->isChecked());
  attribute->SetVersionSelector(meta::S(txtVersion_->text()));
  attribute->SetReplace(boxReplace_->isChecked());
  attribute->SetRecurse(boxRecurse_->isChecked());
}

}  // namespace clearcase::editors
