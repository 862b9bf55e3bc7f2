#include "clearcase/editors/element/get_config_spec_frame.h"

#include <QVBoxLayout>

#include "clearcase/actions/element/config_spec_actions.h"
#include "clearcase/editors/element/element_page_support.h"
#include "vycore/services.h"

namespace clearcase::editors {

using namespace element;

namespace {

// The folder part of a file path: where the dialog starts.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  if (slash == std::string::npos) return {};
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

}  // namespace

TClearCaseGetConfigSpecFrame::TClearCaseGetConfigSpecFrame(QWidget* parent)
    : vy::gui::TVyActionPage(parent) {
  setObjectName(QStringLiteral("TClearCaseGetConfigSpecFrame"));
  auto* layout = new QVBoxLayout(this);
  viewContext_ = Named(new TClearCaseViewContextSubFrame(this), "ClearCaseViewContextSubFrame1");
  layout->addWidget(viewContext_);
  boxUseFile_ = Named(new QCheckBox(tr("&Save config spec to file:"), this), "boxUseFile");
  txtFilePath_ = Named(new vy::gui::TVyPathEdit(this), "txtFilePath");
  layout->addWidget(boxUseFile_);
  layout->addWidget(txtFilePath_);
  layout->addStretch(1);

  txtFilePath_->setEnabled(false);
  connect(boxUseFile_, &QCheckBox::toggled, txtFilePath_, &QWidget::setEnabled);
  connect(txtFilePath_, &vy::gui::TVyPathEdit::ButtonClicked, this,
          &TClearCaseGetConfigSpecFrame::BrowseForFile);
  WatchEdits(this);
}

void TClearCaseGetConfigSpecFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* get = As<TClearCaseGetConfigSpecAction>(action);
  if (get == nullptr) return;
  viewContext_->ReadActionData(*get);
  boxUseFile_->setChecked(get->GetOutputToFile());
  txtFilePath_->setEnabled(boxUseFile_->isChecked());
  txtFilePath_->setText(Q(get->GetOutputFilePath()));
}

void TClearCaseGetConfigSpecFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* get = As<TClearCaseGetConfigSpecAction>(action);
  if (get == nullptr) return;
  viewContext_->WriteActionData(*get);
  get->SetOutputToFile(boxUseFile_->isChecked());
  get->SetOutputFilePath(S(txtFilePath_->text()));
}

void TClearCaseGetConfigSpecFrame::BrowseForFile() {
  const std::string current = S(txtFilePath_->text());
  vy::TVySaveFileRequest request;
  request.title = "Save Config Spec As";
  request.filter = "Text Files (*.txt)|*.TXT|All Files (*.*)|*.*";
  request.filterIndex = 2;
  request.initialDir = FolderOf(current);
  request.fileName = current.empty() ? "config_spec.txt" : current;
  std::string chosen;
  if (vy::VyBrowseForSaveFile(request, chosen)) txtFilePath_->setText(Q(chosen));
}

}  // namespace clearcase::editors
