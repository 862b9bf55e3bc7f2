#include "clearcase/editors/metadata/apply_attribute_frame.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "clearcase/actions/core/attribute_action.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/editors/metadata/metadata_support.h"

namespace clearcase::editors {

using meta::Named;
using meta::Q;
using meta::S;

TClearCaseApplyAttributeFrame::TClearCaseApplyAttributeFrame(QWidget* parent)
    : TVyActionPage(parent) {
  auto* nameGroup = meta::NewGroup(QStringLiteral("Attribute Name"), this);
  txtVOBSelector_ = meta::NewVobBox(nameGroup, "txtVOBSelector");
  txtAttrName_ = Named(new vy::gui::TVyDropDownComboBox(true, nameGroup), "txtAttrName");
  lblType_ = Named(new QLabel(nameGroup), "lblType");
  auto* nameForm = new QFormLayout(nameGroup);
  nameForm->addRow(meta::NewLabel(QStringLiteral("&VOB:"), txtVOBSelector_, nameGroup),
                   txtVOBSelector_);
  nameForm->addRow(meta::NewLabel(QStringLiteral("&Name:"), txtAttrName_, nameGroup), txtAttrName_);
  nameForm->addRow(QString(), lblType_);

  auto* valueGroup = meta::NewGroup(QStringLiteral("Attribute Value"), this);
  txtValue_ = Named(new QLineEdit(valueGroup), "txtValue");
  boxUseDefault_ =
      Named(new QCheckBox(QStringLiteral("Use &default value"), valueGroup), "boxUseDefault");
  auto* value = new QVBoxLayout(valueGroup);
  value->addWidget(txtValue_);
  value->addWidget(boxUseDefault_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(nameGroup);
  layout->addWidget(valueGroup);
  layout->addStretch(1);

  typeTimer_ = new QTimer(this);
  typeTimer_->setObjectName(QStringLiteral("typeTimer"));
  typeTimer_->setSingleShot(true);
  typeTimer_->setInterval(kTypeDelayMs);
  connect(typeTimer_, &QTimer::timeout, this, &TClearCaseApplyAttributeFrame::LookUpType);
  // Each lookup runs cleartool; typing waits for a pause instead of asking
  // at every keystroke.
  const auto restart = [this] { typeTimer_->start(); };
  connect(txtVOBSelector_, &QComboBox::editTextChanged, this, restart);
  connect(txtAttrName_, &QComboBox::editTextChanged, this, restart);

  connect(txtAttrName_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this, [this] {
    const QString vob = txtVOBSelector_->currentText();
    if (!vob.isEmpty())
      txtAttrName_->SetItems(meta::ListingNames(CCGetTypeNames("attype", S(vob))));
  });
  connect(boxUseDefault_, &QCheckBox::toggled, this,
          [this](bool ticked) { txtValue_->setEnabled(!ticked); });
  meta::ChainTabOrder({txtVOBSelector_, txtAttrName_, txtValue_, boxUseDefault_});
  WatchEdits(this);
}

void TClearCaseApplyAttributeFrame::LookUpType() {
  typeTimer_->stop();
  const QString name = txtAttrName_->currentText();
  const QString vob = txtVOBSelector_->currentText();
  QString type;
  if (!name.isEmpty() && !vob.isEmpty()) type = Q(CCGetAttributeType(S(name + u'@' + vob)));
  if (type.isEmpty()) {
    lblType_->clear();
  } else {
    lblType_->setText(QStringLiteral("(Type: ") + type.left(1).toUpper() + type.mid(1) + u')');
  }
  boxUseDefault_->setEnabled(lblType_->text().isEmpty() ||
                             lblType_->text().contains(QLatin1String("default value:")));
}

void TClearCaseApplyAttributeFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* attribute = dynamic_cast<TClearCaseBaseAttributeAction*>(&action);
  if (attribute == nullptr) return;
  txtVOBSelector_->setEditText(Q(attribute->GetVOBSelector()));
  txtAttrName_->setEditText(Q(attribute->GetAttributeName()));
  txtValue_->setText(Q(attribute->GetAttributeValue()));
  boxUseDefault_->setChecked(attribute->GetUseDefaultAttributeValue());
  LookUpType();
  txtValue_->setEnabled(!(boxUseDefault_->isEnabled() && boxUseDefault_->isChecked()));
}

void TClearCaseApplyAttributeFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* attribute = dynamic_cast<TClearCaseBaseAttributeAction*>(&action);
  if (attribute == nullptr) return;
  attribute->SetVOBSelector(S(txtVOBSelector_->currentText()));
  attribute->SetAttributeName(S(txtAttrName_->currentText()));
  attribute->SetAttributeValue(S(txtValue_->text()));
  attribute->SetUseDefaultAttributeValue(boxUseDefault_->isChecked());
}

}  // namespace clearcase::editors
