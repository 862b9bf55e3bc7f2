#include "clearcase/editors/shared/extended_path_name_frame.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <string>

#include "clearcase/editors/shared/edit_extended_path_name_form.h"
#include "clearcase/plugin/clearcase_options.h"

namespace clearcase::editors {

TClearCaseExtendedPathNameFrame::TClearCaseExtendedPathNameFrame(QWidget* parent)
    : TVyActionPage(parent),
      txtHeading_(new QLabel(this)),
      pathsListBox_(new vy::gui::TVyHintListBox(this)),
      addButton_(new QPushButton(tr("&Add"), this)),
      editButton_(new QPushButton(tr("&Edit"), this)),
      remButton_(new QPushButton(tr("&Remove"), this)),
      viewContext_(new TClearCaseViewContextSubFrame(this)) {
  setObjectName(QStringLiteral("TClearCaseExtendedPathNameFrame"));
  txtHeading_->setObjectName(QStringLiteral("txtHeading"));
  pathsListBox_->setObjectName(QStringLiteral("pathsListBox"));
  addButton_->setObjectName(QStringLiteral("addButton"));
  editButton_->setObjectName(QStringLiteral("editButton"));
  remButton_->setObjectName(QStringLiteral("remButton"));
  editButton_->setEnabled(false);
  remButton_->setEnabled(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(txtHeading_);
  layout->addLayout(
      vy::gui::ListWithButtons(pathsListBox_, {addButton_, editButton_, remButton_}), 1);
  layout->addWidget(viewContext_);

  connect(addButton_, &QPushButton::clicked, this, &TClearCaseExtendedPathNameFrame::AddEntry);
  connect(editButton_, &QPushButton::clicked, this, &TClearCaseExtendedPathNameFrame::EditSelected);
  connect(remButton_, &QPushButton::clicked, this,
          &TClearCaseExtendedPathNameFrame::RemoveSelected);
  connect(pathsListBox_, &QListWidget::itemDoubleClicked, this,
          &TClearCaseExtendedPathNameFrame::EditSelected);
  connect(pathsListBox_, &QListWidget::itemSelectionChanged, this,
          &TClearCaseExtendedPathNameFrame::UpdateButtons);
  connect(pathsListBox_, &vy::gui::TVyHintListBox::DeletePressed, this,
          &TClearCaseExtendedPathNameFrame::RemoveSelected);
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

void TClearCaseExtendedPathNameFrame::UpdateButtons() {
  const bool chosen = pathsListBox_->isEnabled() && pathsListBox_->HasChosenEntry();
  editButton_->setEnabled(chosen);
  remButton_->setEnabled(chosen);
}

}  // namespace clearcase::editors
