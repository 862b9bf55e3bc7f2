#include "clearcase/editors/element/set_config_spec_frame.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "clearcase/actions/element/config_spec_actions.h"
#include "clearcase/editors/element/element_page_support.h"
#include "vycore/services.h"

namespace clearcase::editors {

using namespace element;

TClearCaseSetConfigSpecFrame::TClearCaseSetConfigSpecFrame(QWidget* parent)
    : vy::gui::TVyActionPage(parent) {
  setObjectName(QStringLiteral("TClearCaseSetConfigSpecFrame"));
  auto* layout = new QVBoxLayout(this);
  viewContext_ = Named(new TClearCaseViewContextSubFrame(this), "ClearCaseViewContextSubFrame1");
  layout->addWidget(viewContext_);

  QGroupBox* spec = NewGroup(tr("Config Spec to Set"), this);
  btnCurrent_ = Named(new QRadioButton(tr("Re-evaluate &current config spec (-current)"), spec),
                      "btnCurrent");
  btnDefault_ =
      Named(new QRadioButton(tr("Set to de&fault_config_spec (-default)"), spec), "btnDefault");
  btnStream_ = Named(
      new QRadioButton(tr("Set to &stream's config spec (UCM only) (-stream)"), spec), "btnStream");
  btnFile_ = Named(new QRadioButton(tr("Set to config spec from f&ile:"), spec), "btnFile");
  txtSpecFile_ = Named(new vy::gui::TVyPathEdit(spec), "txtSpecFile");
  auto* specLayout = new QVBoxLayout(spec);
  specLayout->addWidget(btnCurrent_);
  specLayout->addWidget(btnDefault_);
  specLayout->addWidget(btnStream_);
  specLayout->addWidget(btnFile_);
  specLayout->addWidget(txtSpecFile_);
  layout->addWidget(spec);
  layout->addStretch(1);

  btnCurrent_->setChecked(true);
  txtSpecFile_->setEnabled(false);
  connect(btnFile_, &QRadioButton::toggled, txtSpecFile_, &QWidget::setEnabled);
  connect(txtSpecFile_, &vy::gui::TVyPathEdit::ButtonClicked, this,
          &TClearCaseSetConfigSpecFrame::BrowseForFile);
  WatchEdits(this);
}

void TClearCaseSetConfigSpecFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* set = As<TClearCaseSetConfigSpecAction>(action);
  if (set == nullptr) return;
  viewContext_->ReadActionData(*set);
  switch (set->GetCSpecChoice()) {
    case csCurrent:
      btnCurrent_->setChecked(true);
      break;
    case csDefault:
      btnDefault_->setChecked(true);
      break;
    case csStream:
      btnStream_->setChecked(true);
      break;
    case csFile:
      btnFile_->setChecked(true);
      break;
  }
  txtSpecFile_->setEnabled(btnFile_->isChecked());
  txtSpecFile_->setText(Q(set->GetCSFilePath()));
}

void TClearCaseSetConfigSpecFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* set = As<TClearCaseSetConfigSpecAction>(action);
  if (set == nullptr) return;
  viewContext_->WriteActionData(*set);
  set->SetCSpecChoice(btnDefault_->isChecked()  ? csDefault
                      : btnStream_->isChecked() ? csStream
                      : btnFile_->isChecked()   ? csFile
                                                : csCurrent);
  set->SetCSFilePath(S(txtSpecFile_->text()));
}

void TClearCaseSetConfigSpecFrame::BrowseForFile() {
  std::string chosen;
  if (vy::VyBrowseForFile(S(txtSpecFile_->text()), chosen, "*.*", "Select Config Spec File"))
    txtSpecFile_->setText(Q(chosen));
}

}  // namespace clearcase::editors
