#include "vycore/gui/hint_list_box.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>

namespace vy::gui {

TVyHintListBox::TVyHintListBox(QWidget* parent) : QListWidget(parent) {
  setMouseTracking(true);
}

QString TVyHintListBox::HintAt(const QPoint& viewportPoint) const {
  const QListWidgetItem* entry = itemAt(viewportPoint);
  if (!entry) return {};
  const QVariant full = entry->data(kFullTextRole);
  return full.isValid() ? full.toString() : entry->text();
}

QHBoxLayout* ListWithButtons(QListWidget* list, std::initializer_list<QWidget*> buttons) {
  auto* column = new QVBoxLayout;
  for (QWidget* button : buttons) column->addWidget(button);
  column->addStretch(1);
  auto* row = new QHBoxLayout;
  row->addWidget(list, 1);
  row->addLayout(column);
  return row;
}

bool TVyHintListBox::HasChosenEntry() const {
  const QListWidgetItem* entry = currentItem();
  return entry != nullptr && entry->isSelected();
}

int TVyHintListBox::RemoveChosenEntry() {
  if (!HasChosenEntry()) return -1;
  const int row = currentRow();
  delete takeItem(row);
  setCurrentItem(nullptr);
  clearSelection();
  return row;
}

bool TVyHintListBox::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString hint = HintAt(help->pos());
    setToolTip(hint);
    if (hint.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(help->globalPos(), hint, viewport());
    }
    return true;
  }
  if (event->type() == QEvent::MouseMove) {
    setToolTip(HintAt(static_cast<QMouseEvent*>(event)->pos()));
  }
  return QListWidget::viewportEvent(event);
}

void TVyHintListBox::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) &&
      currentItem() != nullptr) {
    emit DeletePressed();
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}

}  // namespace vy::gui
