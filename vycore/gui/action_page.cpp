#include "vycore/gui/action_page.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextEdit>

namespace vy::gui {

TVyActionPage::TVyActionPage(QWidget* parent) : QWidget(parent) {}

void TVyActionPage::WatchEdits(QWidget* root) {
  const auto edited = [this] { emit Edited(); };
  for (auto* edit : root->findChildren<QLineEdit*>()) connect(edit, &QLineEdit::textChanged, this, edited);
  for (auto* edit : root->findChildren<QPlainTextEdit*>())
    connect(edit, &QPlainTextEdit::textChanged, this, edited);
  for (auto* edit : root->findChildren<QTextEdit*>()) connect(edit, &QTextEdit::textChanged, this, edited);
  for (auto* button : root->findChildren<QAbstractButton*>())
    connect(button, &QAbstractButton::toggled, this, edited);
  for (auto* box : root->findChildren<QComboBox*>())
    connect(box, &QComboBox::currentTextChanged, this, edited);
  for (auto* box : root->findChildren<QAbstractSpinBox*>())
    connect(box, &QAbstractSpinBox::editingFinished, this, edited);
  for (auto* list : root->findChildren<QListWidget*>()) {
    connect(list->model(), &QAbstractItemModel::rowsInserted, this, edited);
    connect(list->model(), &QAbstractItemModel::rowsRemoved, this, edited);
    connect(list->model(), &QAbstractItemModel::dataChanged, this, edited);
  }
}

}  // namespace vy::gui
