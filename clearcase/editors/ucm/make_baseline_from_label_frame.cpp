#include "clearcase/editors/ucm/make_baseline_from_label_frame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "clearcase/actions/ucm/make_baseline_actions.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/editors/ucm/ucm_texts.h"

namespace clearcase::editors {

using ucm::LinesToText;
using ucm::ListingItems;
using ucm::TextToLines;
using ucm::ToQ;
using ucm::ToStd;

TClearCaseMakeBaselineFromLabelFrame::TClearCaseMakeBaselineFromLabelFrame(QWidget* parent)
    : TVyActionPage(parent),
      viewContext_(new TClearCaseViewContextSubFrame(this)),
      btnSpecifyComponents_(
          new QCheckBox(QStringLiteral("&Make baseline from specific components:"), this)),
      txtComponent_(new QPlainTextEdit(this)),
      txtLabel_(new vy::gui::TVyDropDownComboBox(true, this)),
      txtVOB_(new vy::gui::TVyDropDownComboBox(true, this)) {
  viewContext_->setObjectName(QStringLiteral("ClearCaseViewContextSubFrame1"));
  btnSpecifyComponents_->setObjectName(QStringLiteral("btnSpecifyComponents"));
  txtComponent_->setObjectName(QStringLiteral("txtComponent"));
  txtLabel_->setObjectName(QStringLiteral("txtLabel"));
  txtVOB_->setObjectName(QStringLiteral("txtVOB"));
  txtComponent_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtComponent_->setTabChangesFocus(true);

  auto* lblLabel = new QLabel(QStringLiteral("&Label Name:"), this);
  lblLabel->setBuddy(txtLabel_);
  auto* lblVOB = new QLabel(QStringLiteral("from &VOB:"), this);
  lblVOB->setBuddy(txtVOB_);

  auto* label = new QHBoxLayout;
  label->addWidget(lblLabel);
  label->addWidget(txtLabel_, 1);
  label->addWidget(lblVOB);
  label->addWidget(txtVOB_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(viewContext_);
  layout->addWidget(btnSpecifyComponents_);
  layout->addWidget(txtComponent_, 1);
  layout->addLayout(label);

  connect(txtVOB_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseMakeBaselineFromLabelFrame::LoadVobs);
  connect(txtLabel_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseMakeBaselineFromLabelFrame::LoadLabels);
  WatchEdits(this);
}

void TClearCaseMakeBaselineFromLabelFrame::LoadVobs() {
  txtVOB_->SetItems(ListingItems(CCGetVOBNames()));
}

void TClearCaseMakeBaselineFromLabelFrame::LoadLabels() {
  if (txtVOB_->currentText().isEmpty()) return;
  txtLabel_->SetItems(ListingItems(CCGetLabelNames(ToStd(txtVOB_->currentText()))));
}

void TClearCaseMakeBaselineFromLabelFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* make = dynamic_cast<TClearCaseMakeBaselineFromLabelAction*>(&action);
  if (!make) return;
  viewContext_->ReadActionData(*make);
  btnSpecifyComponents_->setChecked(make->GetSpecifyComponents());
  txtComponent_->setPlainText(LinesToText(make->ComponentSelectors()));
  txtLabel_->setEditText(ToQ(make->GetLabelTypeName()));
  txtVOB_->setEditText(ToQ(make->GetVOBSelector()));
}

// The components are kept line for line as typed: unlike the make-baseline
// page, a blank inside a line is part of the name.
void TClearCaseMakeBaselineFromLabelFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* make = dynamic_cast<TClearCaseMakeBaselineFromLabelAction*>(&action);
  if (!make) return;
  viewContext_->WriteActionData(*make);
  make->SetSpecifyComponents(btnSpecifyComponents_->isChecked());
  make->ComponentSelectors() = TextToLines(txtComponent_->toPlainText());
  make->SetLabelTypeName(ToStd(txtLabel_->currentText()));
  make->SetVOBSelector(ToStd(txtVOB_->currentText()));
}

}  // namespace clearcase::editors
