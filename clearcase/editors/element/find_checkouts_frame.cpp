#include "clearcase/editors/element/find_checkouts_frame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "clearcase/actions/element/find_checkouts_action.h"
#include "clearcase/editors/element/element_page_support.h"

namespace clearcase::editors {

using namespace element;

TClearCaseFindCheckoutsFrame::TClearCaseFindCheckoutsFrame(QWidget* parent)
    : vy::gui::TVyActionPage(parent) {
  setObjectName(QStringLiteral("TClearCaseFindCheckoutsFrame"));
  auto* layout = new QVBoxLayout(this);
  viewContext_ = Named(new TClearCaseViewContextSubFrame(this), "ClearCaseViewContextSubFrame1");
  layout->addWidget(viewContext_);

  QGroupBox* output = NewGroup(tr("Output"), this);
  boxVariable_ =
      Named(new QCheckBox(tr("&Write list of checkouts to variable"), output), "boxVariable");
  cmbVariable_ = Named(new QComboBox(output), "cmbVariable");
  boxShort_ =
      Named(new QCheckBox(tr("Use &short (machine friendly) format (-short)"), output), "boxShort");
  chkRecurse_ = Named(new QCheckBox(tr("&Recurse into subdirectories (-r)"), output), "chkRecurse");
  auto* outputLayout = new QVBoxLayout(output);
  auto* variableRow = new QHBoxLayout;
  variableRow->addWidget(boxVariable_);
  variableRow->addWidget(cmbVariable_, 1);
  outputLayout->addLayout(variableRow);
  outputLayout->addWidget(boxShort_);
  outputLayout->addWidget(chkRecurse_);
  layout->addWidget(output);
  layout->addStretch(1);
  WatchEdits(this);
}

void TClearCaseFindCheckoutsFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* find = As<TClearCaseFindCheckoutsAction>(action);
  if (find == nullptr) return;
  viewContext_->ReadActionData(*find);
  boxVariable_->setChecked(find->GetWriteToVariable());
  cmbVariable_->clear();
  cmbVariable_->addItems(VariableNames(false));
  // A variable that no longer exists shows as no choice.
  cmbVariable_->setCurrentIndex(
      cmbVariable_->findText(Q(find->GetVariableName()), Qt::MatchExactly));
  boxShort_->setChecked(find->GetUseShort());
  chkRecurse_->setChecked(find->GetRecurse());
}

void TClearCaseFindCheckoutsFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* find = As<TClearCaseFindCheckoutsAction>(action);
  if (find == nullptr) return;
  viewContext_->WriteActionData(*find);
  find->SetWriteToVariable(boxVariable_->isChecked());
  find->SetVariableName(S(cmbVariable_->currentText()));
  find->SetUseShort(boxShort_->isChecked());
  find->SetRecurse(chkRecurse_->isChecked());
}

}  // namespace clearcase::editors
