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
  QString text() const { return edit_->text(); }
  void setText(const QString& text) { edit_->setText(text); }

 signals:
  void ButtonClicked();

 private:
  QLineEdit* edit_;
  QToolButton* button_;
};

}  // namespace vy::gui
