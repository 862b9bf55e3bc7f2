#include "clearcase/editors/metadata/object_selector_frame.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "clearcase/actions/core/base_action.h"
#include "clearcase/editors/metadata/metadata_support.h"
#include "clearcase/editors/metadata/object_selector_edit_form.h"
#include "vycore/gui/hint_list_box.h"

namespace clearcase::editors {

TClearCaseObjectSelectorFrame::TClearCaseObjectSelectorFrame(QWidget* parent)
    : TVyActionPage(parent) {
  listObjects_ = new vy::gui::TVyHintListBox(this);
  listObjects_->setObjectName(QStringLiteral("listObjects"));
  listObjects_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  btnAdd_ = new QPushButton(QStringLiteral("&Add"), this);
  btnAdd_->setObjectName(QStringLiteral("btnAdd"));
  btnEdit_ = new QPushButton(QStringLiteral("&Edit"), this);
  btnEdit_->setObjectName(QStringLiteral("btnEdit"));
  btnEdit_->setEnabled(false);
  btnRemove_ = new QPushButton(QStringLiteral("&Remove"), this);
  btnRemove_->setObjectName(QStringLiteral("btnRemove"));
  btnRemove_->setEnabled(false);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(vy::gui::ListWithButtons(listObjects_, {btnAdd_, btnEdit_, btnRemove_}));

  connect(btnAdd_, &QPushButton::clicked, this, &TClearCaseObjectSelectorFrame::AddEntry);
  connect(btnEdit_, &QPushButton::clicked, this, &TClearCaseObjectSelectorFrame::EditEntry);
  connect(btnRemove_, &QPushButton::clicked, this, &TClearCaseObjectSelectorFrame::RemoveEntry);
  connect(listObjects_, &QListWidget::itemDoubleClicked, this,
          &TClearCaseObjectSelectorFrame::EditEntry);
  connect(listObjects_, &vy::gui::TVyHintListBox::DeletePressed, this,
          &TClearCaseObjectSelectorFrame::RemoveEntry);
  connect(listObjects_, &QListWidget::itemSelectionChanged, this,
          &TClearCaseObjectSelectorFrame::UpdateButtons);
  connect(listObjects_, &QListWidget::clicked, this, &TClearCaseObjectSelectorFrame::UpdateButtons);
  meta::ChainTabOrder({listObjects_, btnAdd_, btnEdit_, btnRemove_});
  WatchEdits(this);
}

void TClearCaseObjectSelectorFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* clearCase = dynamic_cast<TClearCaseBaseAction*>(&action);
  if (clearCase == nullptr) return;
  listObjects_->clear();
  for (const std::string& selector : clearCase->ObjectSelectors())
    listObjects_->addItem(meta::Q(selector));
  UpdateButtons();
}

void TClearCaseObjectSelectorFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* clearCase = dynamic_cast<TClearCaseBaseAction*>(&action);
  if (clearCase == nullptr) return;
  std::string storage;
  for (int i = 0; i < listObjects_->count(); ++i)
    storage += meta::S(listObjects_->item(i)->text()) + "\r\n";
  clearCase->SetObjectsStorageString(storage);
}

void TClearCaseObjectSelectorFrame::UpdateButtons() {
  const bool selected = listObjects_->HasChosenEntry() && listObjects_->isEnabled();
  btnEdit_->setEnabled(selected);
  btnRemove_->setEnabled(selected);
}

void TClearCaseObjectSelectorFrame::AddEntry() {
  TClearCaseObjectSelectorEditForm form(this);
  if (form.exec() == QDialog::Accepted) listObjects_->addItem(form.GetObjectSelector());
}

void TClearCaseObjectSelectorFrame::EditEntry() {
  if (!listObjects_->HasChosenEntry()) return;
  QListWidgetItem* entry = listObjects_->currentItem();
  TClearCaseObjectSelectorEditForm form(this);
  form.SetObjectSelector(entry->text());
  if (form.exec() == QDialog::Accepted) entry->setText(form.GetObjectSelector());
}

void TClearCaseObjectSelectorFrame::RemoveEntry() {
  listObjects_->RemoveChosenEntry();
  UpdateButtons();
}

}  // namespace clearcase::editors
