#pragma once
// A list whose hint (tool tip) follows the entry under the mouse: each
// entry may show a shortened text and carry its full text as the hint.

#include <QListWidget>

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

 signals:
  // Delete or Backspace while an entry is selected.
  void DeletePressed();

 protected:
  bool viewportEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vy::gui
