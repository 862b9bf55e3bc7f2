#include "clearcase/editors/metadata/make_attribute_type_frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "clearcase/actions/metadata/make_attribute_type_action.h"
#include "clearcase/editors/metadata/metadata_support.h"
#include "clearcase/editors/shared/date_button_edit.h"
#include "vycore/gui/number_edit.h"

namespace clearcase::editors {

using meta::Named;
using meta::Q;
using meta::S;
using NumberKind = vy::gui::TVyNumberEdit::Kind;

namespace {

// In the order of TClearCaseAttributeType.
const char* const kTypeNames[] = {"String", "Integer", "Real", "Date", "Opaque"};

QString StoredNumber(const vy::gui::TVyNumberEdit* box) {
  return box->PlainText();
}

}  // namespace

TClearCaseMakeAttributeTypeFrame::TClearCaseMakeAttributeTypeFrame(QWidget* parent)
    : TVyActionPage(parent) {
  auto* typeGroup = meta::NewGroup(QStringLiteral("New Attribute Type"), this);
  txtAttributeName_ = Named(new QLineEdit(typeGroup), "txtAttributeName");
  txtVOBSelector_ = meta::NewVobBox(typeGroup, "txtVOBSelector");
  cmbType_ = Named(new QComboBox(typeGroup), "cmbType");
  for (const char* name : kTypeNames) cmbType_->addItem(QString::fromLatin1(name));
  auto* typeForm = new QFormLayout(typeGroup);
  typeForm->addRow(meta::NewLabel(QStringLiteral("&Name:"), txtAttributeName_, typeGroup),
                   txtAttributeName_);
  typeForm->addRow(meta::NewLabel(QStringLiteral("in &VOB:"), txtVOBSelector_, typeGroup),
                   txtVOBSelector_);
  typeForm->addRow(meta::NewLabel(QStringLiteral("&Type:"), cmbType_, typeGroup), cmbType_);

  auto* rangeGroup = meta::NewGroup(QStringLiteral("Allowable Values"), this);
  boxMin_ = Named(new QCheckBox(QStringLiteral("&Minimum:"), rangeGroup), "boxMin");
  txtMinNum_ = Named(new vy::gui::TVyNumberEdit(NumberKind::Decimal, rangeGroup), "txtMinNum");
  minDateFrame_ = Named(new TClearCaseDateButtonEdit(rangeGroup), "minDateFrame");
  boxMinInclusive_ =
      Named(new QCheckBox(QStringLiteral("Inclusive"), rangeGroup), "boxMinInclusive");
  boxMax_ = Named(new QCheckBox(QStringLiteral("Ma&ximum:"), rangeGroup), "boxMax");
  txtMaxNum_ = Named(new vy::gui::TVyNumberEdit(NumberKind::Decimal, rangeGroup), "txtMaxNum");
  maxDateFrame_ = Named(new TClearCaseDateButtonEdit(rangeGroup), "maxDateFrame");
  boxMaxInclusive_ =
      Named(new QCheckBox(QStringLiteral("Inclusive"), rangeGroup), "boxMaxInclusive");
  auto* range = new QGridLayout(rangeGroup);
  // The numeric box and the date box of a row share its cell: one is hidden.
  const auto valueCell = [rangeGroup](QWidget* number, QWidget* date) {
    auto* cell = new QWidget(rangeGroup);
    auto* both = new QHBoxLayout(cell);
    both->setContentsMargins(0, 0, 0, 0);
    both->addWidget(number);
    both->addWidget(date);
    return cell;
  };
  range->addWidget(boxMin_, 0, 0);
  range->addWidget(valueCell(txtMinNum_, minDateFrame_), 0, 1);
  range->addWidget(boxMinInclusive_, 0, 2);
  range->addWidget(boxMax_, 1, 0);
  range->addWidget(valueCell(txtMaxNum_, maxDateFrame_), 1, 1);
  range->addWidget(boxMaxInclusive_, 1, 2);
  range->setColumnStretch(1, 1);

  auto* defaultGroup = meta::NewGroup(QStringLiteral("Default Value"), this);
  boxDefault_ =
      Named(new QCheckBox(QStringLiteral("Use &default value:"), defaultGroup), "boxDefault");
  txtDefaultValueNumeric_ = Named(new vy::gui::TVyNumberEdit(NumberKind::Decimal, defaultGroup),
                                  "txtDefaultValueNumeric");
  txtDefaultValue_ = Named(new TClearCaseDateButtonEdit(defaultGroup), "txtDefaultValue");
  auto* defaults = new QHBoxLayout(defaultGroup);
  defaults->addWidget(boxDefault_);
  defaults->addWidget(txtDefaultValueNumeric_, 1);
  defaults->addWidget(txtDefaultValue_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(typeGroup);
  layout->addWidget(rangeGroup);
  layout->addWidget(defaultGroup);
  layout->addStretch(1);

  connect(cmbType_, &QComboBox::currentIndexChanged, this,
          &TClearCaseMakeAttributeTypeFrame::ApplyTypeRules);
  connect(boxMin_, &QCheckBox::toggled, this, &TClearCaseMakeAttributeTypeFrame::ApplyMinRule);
  connect(boxMax_, &QCheckBox::toggled, this, &TClearCaseMakeAttributeTypeFrame::ApplyMaxRule);
  connect(boxDefault_, &QCheckBox::toggled, this,
          &TClearCaseMakeAttributeTypeFrame::ApplyDefaultRule);
  // Both boxes of a row take their turn; only the visible one is reached.
  meta::ChainTabOrder({txtAttributeName_, txtVOBSelector_, cmbType_, boxMin_, txtMinNum_,
                       minDateFrame_->Edit(), minDateFrame_->Button(), boxMinInclusive_, boxMax_,
                       txtMaxNum_, maxDateFrame_->Edit(), maxDateFrame_->Button(), boxMaxInclusive_,
                       boxDefault_, txtDefaultValueNumeric_, txtDefaultValue_->Edit(),
                       txtDefaultValue_->Button()});
  ApplyTypeRules();
  ApplyDefaultRule();
  WatchEdits(this);
}

bool TClearCaseMakeAttributeTypeFrame::IsDateType() const {
  return cmbType_->currentIndex() == atDate;
}

bool TClearCaseMakeAttributeTypeFrame::DefaultIsText() const {
  return cmbType_->currentIndex() == atString || IsDateType();
}

void TClearCaseMakeAttributeTypeFrame::ApplyTypeRules() {
  const int type = cmbType_->currentIndex();
  const bool ranged = type == atInteger || type == atReal || type == atDate;
  boxMin_->setEnabled(ranged);
  boxMax_->setEnabled(ranged);
  ApplyMinRule();
  ApplyMaxRule();

  const NumberKind kind = type == atInteger ? NumberKind::Integer : NumberKind::Decimal;
  for (vy::gui::TVyNumberEdit* box : {txtMinNum_, txtMaxNum_, txtDefaultValueNumeric_})
    meta::SetNumberKind(box, kind);
  txtMinNum_->setVisible(!IsDateType());
  txtMaxNum_->setVisible(!IsDateType());
  minDateFrame_->setVisible(IsDateType());
  maxDateFrame_->setVisible(IsDateType());
  txtDefaultValue_->SetShowButton(IsDateType());
  txtDefaultValueNumeric_->setVisible(!DefaultIsText());
  txtDefaultValue_->setVisible(DefaultIsText());
}

void TClearCaseMakeAttributeTypeFrame::ApplyMinRule() {
  const bool on = boxMin_->isEnabled() && boxMin_->isChecked();
  txtMinNum_->setEnabled(on);
  minDateFrame_->SetEnabled(on);
  boxMinInclusive_->setEnabled(on);
}

void TClearCaseMakeAttributeTypeFrame::ApplyMaxRule() {
  const bool on = boxMax_->isEnabled() && boxMax_->isChecked();
  txtMaxNum_->setEnabled(on);
  maxDateFrame_->SetEnabled(on);
  boxMaxInclusive_->setEnabled(on);
}

void TClearCaseMakeAttributeTypeFrame::ApplyDefaultRule() {
  txtDefaultValue_->SetEnabled(boxDefault_->isChecked());
}

void TClearCaseMakeAttributeTypeFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* type = dynamic_cast<TClearCaseMakeAttributeTypeAction*>(&action);
  if (type == nullptr) return;
  txtAttributeName_->setText(Q(type->GetAttributeName()));
  txtVOBSelector_->setEditText(Q(type->GetVOBSelector()));
  const int position = static_cast<int>(type->GetNewAttributeType());
  cmbType_->setCurrentIndex(position >= 0 && position < cmbType_->count() ? position : 0);
  ApplyTypeRules();

  boxMin_->setChecked(type->GetUseMin());
  boxMax_->setChecked(type->GetUseMax());
  boxMinInclusive_->setChecked(type->GetMinInclusive());
  boxMaxInclusive_->setChecked(type->GetMaxInclusive());
  boxDefault_->setChecked(type->GetUseDefaultValue());
  ApplyMinRule();
  ApplyMaxRule();
  ApplyDefaultRule();

  const auto number = [](vy::gui::TVyNumberEdit* box, const std::string& stored) {
    box->SetPlainText(meta::NumberForBox(Q(stored), box->NumberKind()));
  };
  if (IsDateType()) {
    minDateFrame_->SetDateString(Q(type->GetMinValue()));
    maxDateFrame_->SetDateString(Q(type->GetMaxValue()));
  } else {
    number(txtMinNum_, type->GetMinValue());
    number(txtMaxNum_, type->GetMaxValue());
  }
  if (DefaultIsText()) {
    txtDefaultValue_->SetDateString(Q(type->GetDefaultValue()));
  } else {
    number(txtDefaultValueNumeric_, type->GetDefaultValue());
  }
}

void TClearCaseMakeAttributeTypeFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* type = dynamic_cast<TClearCaseMakeAttributeTypeAction*>(&action);
  if (type == nullptr) return;
  type->SetAttributeName(S(txtAttributeName_->text()));
  type->SetVOBSelector(S(txtVOBSelector_->currentText()));
  type->SetNewAttributeType(
      static_cast<TClearCaseAttributeType>(std::max(0, cmbType_->currentIndex())));
  type->SetUseMin(boxMin_->isChecked());
  type->SetUseMax(boxMax_->isChecked());
  type->SetMinInclusive(boxMinInclusive_->isChecked());
  type->SetMaxInclusive(boxMaxInclusive_->isChecked());
  type->SetUseDefaultValue(boxDefault_->isChecked());
  if (IsDateType()) {
    type->SetMinValue(S(minDateFrame_->DateString()));
    type->SetMaxValue(S(maxDateFrame_->DateString()));
  } else {
    type->SetMinValue(S(StoredNumber(txtMinNum_)));
    type->SetMaxValue(S(StoredNumber(txtMaxNum_)));
  }
  type->SetDefaultValue(
      S(DefaultIsText() ? txtDefaultValue_->DateString() : StoredNumber(txtDefaultValueNumeric_)));
}

}  // namespace clearcase::editors
