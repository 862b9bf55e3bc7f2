#include "clearcase/editors/metadata/apply_label_frame.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "clearcase/actions/metadata/apply_label_action.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/editors/metadata/metadata_support.h"

namespace clearcase::editors {

using meta::Named;
using meta::Q;
using meta::S;

TClearCaseApplyLabelFrame::TClearCaseApplyLabelFrame(QWidget* parent) : TVyActionPage(parent) {
  auto* labelGroup = meta::NewGroup(QStringLiteral("Label Type Selector"), this);
  txtLabelName_ = Named(new vy::gui::TVyDropDownComboBox(true, labelGroup), "txtLabelName");
  txtVOBSelector_ = meta::NewVobBox(labelGroup, "txtVOBSelector");
  auto* labelForm = new QFormLayout(labelGroup);
  labelForm->addRow(meta::NewLabel(QStringLiteral("&Label:"), txtLabelName_, labelGroup),
                    txtLabelName_);
  labelForm->addRow(meta::NewLabel(QStringLiteral("(optional) &VOB:"), txtVOBSelector_, labelGroup),
                    txtVOBSelector_);

  auto* versionGroup = meta::NewGroup(QStringLiteral("Version"), this);
  boxUseVersionSelector_ = Named(
      new QCheckBox(QStringLiteral("Only &apply label to elements matching version selector:"),
                    versionGroup),
      "boxUseVersionSelector");
  txtVersionSelector_ = Named(new QLineEdit(versionGroup), "txtVersionSelector");
  auto* version = new QVBoxLayout(versionGroup);
  version->addWidget(boxUseVersionSelector_);
  version->addWidget(txtVersionSelector_);

  auto* optionsGroup = meta::NewGroup(QStringLiteral("Options"), this);
  boxReplace_ = Named(
      new QCheckBox(QStringLiteral("&Ignore elements which already have the label (-replace)"),
                    optionsGroup),
      "boxReplace");
  boxRecurse_ =
      Named(new QCheckBox(QStringLiteral("&Recurse into subdirectories (-recurse)"), optionsGroup),
            "boxRecurse");
  boxFollow_ =
      Named(new QCheckBox(QStringLiteral("&Follow VOB symbolic links (-follow)"), optionsGroup),
            "boxFollow");
  auto* options = new QVBoxLayout(optionsGroup);
  options->addWidget(boxReplace_);
  options->addWidget(boxRecurse_);
  options->addWidget(boxFollow_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(labelGroup);
  layout->addWidget(versionGroup);
  layout->addWidget(optionsGroup);
  layout->addStretch(1);

  // The label types follow the VOB box, so the list is asked for afresh.
  connect(txtLabelName_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this, [this] {
    txtLabelName_->SetItems(meta::ListingNames(CCGetLabelNames(S(txtVOBSelector_->currentText()))));
  });
  connect(boxUseVersionSelector_, &QCheckBox::toggled, this,
          &TClearCaseApplyLabelFrame::UpdateVersionSelector);
  meta::ChainTabOrder({txtLabelName_, txtVOBSelector_, boxUseVersionSelector_, txtVersionSelector_,
                       boxReplace_, boxRecurse_, boxFollow_});
  UpdateVersionSelector();
  WatchEdits(this);
}

void TClearCaseApplyLabelFrame::UpdateVersionSelector() {
  txtVersionSelector_->setEnabled(boxUseVersionSelector_->isChecked());
}

void TClearCaseApplyLabelFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* label = dynamic_cast<TClearCaseApplyLabelAction*>(&action);
  if (label == nullptr) return;
  txtLabelName_->setEditText(Q(label->GetLabelTypeName()));
  txtVOBSelector_->setEditText(Q(label->GetVOBSelector()));
  boxUseVersionSelector_->setChecked(label->GetUseVersionSelector());
  txtVersionSelector_->setText(Q(label->GetVersionSelector()));
  boxReplace_->setChecked(label->GetReplace());
  boxRecurse_->setChecked(label->GetRecurse());
  boxFollow_->setChecked(label->GetFollowLinks());
  UpdateVersionSelector();
}

void TClearCaseApplyLabelFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* label = dynamic_cast<TClearCaseApplyLabelAction*>(&action);
  if (label == nullptr) return;
  label->SetLabelTypeName(S(txtLabelName_->currentText()));
  label->SetVOBSelector(S(txtVOBSelector_->currentText()));
  label->SetUseVersionSelector(boxUseVersionSelector_->isChecked());
  label->SetVersionSelector(S(txtVersionSelector_->text()));
  label->SetReplace(boxReplace_->isChecked());
  label->SetRecurse(boxRecurse_->isChecked());
  label->SetFollowLinks(boxFollow_->isChecked());
}

}  // namespace clearcase::editors
