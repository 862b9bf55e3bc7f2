#pragma once
// A list whose hint (tool tip) follows the entry under the mouse: each
// entry may show a shortened text and carry its full text as the hint.

#include <QHBoxLayout>
#include <QListWidget>
#include <initializer_list>

namespace vy::gui {

class TVyHintListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit TVyHintListBox(QWidget* parent = nullptr);

  // The role that holds an entry's full text; an entry without it hints
  // its shown text.
  static constexpr int kFullTextRole = Qt::UserRole + 1;

  // The hint at a point of the viewport: the full text of the entry there,
  // empty over the list's empty part.
  QString HintAt(const QPoint& viewportPoint) const;

  // An entry is chosen when it is current and selected: what Edit and Remove
  // act on.
  bool HasChosenEntry() const;
  // Removes the chosen entry and leaves none chosen, so that a second Delete
  // cannot remove its neighbour unasked. The row removed, or -1.
  int RemoveChosenEntry();

 signals:
  // Delete or Backspace while an entry is selected.
  void DeletePressed();

 protected:
  bool viewportEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// The list beside a column of its buttons (Add, Edit, Remove ...), the list
// taking the spare width and the buttons at the top.
QHBoxLayout* ListWithButtons(QListWidget* list, std::initializer_list<QWidget*> buttons);

}  // namespace vy::gui
