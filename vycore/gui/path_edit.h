#pragma once
// A one-line edit with a folder button at its right end.

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace vy::gui {

class TVyPathEdit : public QWidget {
  Q_OBJECT

 public:
  explicit TVyPathEdit(QWidget* parent = nullptr);

  QLineEdit* Edit() const { return edit_; }
  QToolButton* Button() const { return button_; }
  // Spelt as QLineEdit spells them, so a page treats both boxes alike.
  QString text() const { return edit_->text(); }             // NOLINT(readability-identifier-naming)
  void setText(const QString& text) { edit_->setText(text); }  // NOLINT(readability-identifier-naming)

 signals:
  void ButtonClicked();

 private:
  QLineEdit* edit_;
  QToolButton* button_;
};

}  // namespace vy::gui
