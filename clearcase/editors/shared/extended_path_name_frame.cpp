#include "clearcase/editors/shared/extended_path_name_frame.h"

#include <string>

#include "clearcase/editors/shared/edit_extended_path_name_form.h"
#include "clearcase/plugin/clearcase_options.h"

namespace clearcase::editors {

TClearCaseExtendedPathNameFrame::TClearCaseExtendedPathNameFrame(QWidget* parent)
    : TClearCasePathListPage(parent), viewContext_(new TClearCaseViewContextSubFrame(this)) {
  setObjectName(QStringLiteral("TClearCaseExtendedPathNameFrame"));
  auto* layout = new QVBoxLayout(this);
  AddControlsTo(layout);
  layout->addWidget(viewContext_);
  connect(addButton_, &QPushButton::clicked, this, &TClearCaseExtendedPathNameFrame::AddEntry);
  WatchEdits(this);
}

void TClearCaseExtendedPathNameFrame::InitPage(vy::TCustomVyAction& action) {
  (void)action;
  if (ClearCaseOptions()->GetClearCaseType() != ccLT) return;
  for (QWidget* control : findChildren<QWidget*>()) control->setEnabled(false);
}

void TClearCaseExtendedPathNameFrame::ReadActionData(vy::TCustomVyAction& action) {
  if (!PageEnabled()) {
    txtHeading_->setText(tr("Extended Pathnames (not available in ClearCase LT)"));
    return;
  }
  auto& cc = dynamic_cast<TClearCaseBaseAction&>(action);
  viewContext_->ReadActionData(cc);
  pathsListBox_->clear();
  for (const std::string& path : cc.ExtendedPathNames())
    pathsListBox_->addItem(QString::fromStdString(path));
  txtHeading_->setText(tr("Extended Pathnames to ") +
                       QString::fromStdString(cc.GetActionName()).mid(10).toLower());
  UpdateButtons();
}

void TClearCaseExtendedPathNameFrame::WriteActionData(vy::TCustomVyAction& action) {
  if (!PageEnabled()) return;
  auto& cc = dynamic_cast<TClearCaseBaseAction&>(action);
  viewContext_->WriteActionData(cc);
  vy::TStringList paths;
  for (int row = 0; row < pathsListBox_->count(); ++row)
    paths.push_back(pathsListBox_->item(row)->text().toStdString());
  cc.ExtendedPathNames() = std::move(paths);
}

void TClearCaseExtendedPathNameFrame::AddEntry() {
  TClearCaseEditExtendedPathNameForm form(this);
  form.SetViewContext(viewContext_->GetContextPath());
  if (form.exec() != QDialog::Accepted) return;
  // An empty name is kept too: the action's checks point it out.
  pathsListBox_->addItem(form.GetPathName());
}

void TClearCaseExtendedPathNameFrame::EditSelected() {
  QListWidgetItem* entry = pathsListBox_->currentItem();
  if (entry == nullptr || !entry->isSelected()) return;
  TClearCaseEditExtendedPathNameForm form(this);
  form.SetViewContext(viewContext_->GetContextPath());
  form.SetPathName(entry->text());
  if (form.exec() != QDialog::Accepted) return;
  entry->setText(form.GetPathName());
}

void TClearCaseExtendedPathNameFrame::RemoveSelected() {
  pathsListBox_->RemoveChosenEntry();
  UpdateButtons();
}

}  // namespace clearcase::editors
