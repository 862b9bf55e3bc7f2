#include "clearcase/editors/metadata/apply_attribute_objects_frame.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "clearcase/actions/metadata/apply_attribute_actions.h"
#include "clearcase/editors/metadata/metadata_support.h"

namespace clearcase::editors {

TClearCaseApplyAttributeObjectsFrame::TClearCaseApplyAttributeObjectsFrame(QWidget* parent)
    : TVyActionPage(parent) {
  auto* group = meta::NewGroup(QStringLiteral("Apply Attribute Options"), this);
  boxReplace_ = meta::Named(
      new QCheckBox(QStringLiteral("&Replace pre-existing attributes of the same name (-replace)"),
                    group),
      "boxReplace");
  auto* options = new QVBoxLayout(group);
  options->addWidget(boxReplace_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addStretch(1);
  WatchEdits(this);
}

void TClearCaseApplyAttributeObjectsFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* attribute = dynamic_cast<TClearCaseApplyAttributeObjectsAction*>(&action);
  if (attribute == nullptr) return;
  boxReplace_->setChecked(attribute->GetReplace());
}

void TClearCaseApplyAttributeObjectsFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* attribute = dynamic_cast<TClearCaseApplyAttributeObjectsAction*>(&action);
  if (attribute == nullptr) return;
  attribute->SetReplace(boxReplace_->isChecked());
}

}  // namespace clearcase::editors
