#pragma once
// A whole-number or decimal box. It shows digit grouping and negative values
// in parentheses, accepts what a user types in either form, and gives the
// plain number ("-1234.5") to whoever stores it.

#include <QLineEdit>
#include <optional>

namespace vy::gui {

class TVyNumberEdit : public QLineEdit {
  Q_OBJECT

 public:
  enum class Kind { Integer, Decimal };
  explicit TVyNumberEdit(Kind kind = Kind::Integer, QWidget* parent = nullptr);

  Kind NumberKind() const { return kind_; }
  void SetNumberKind(Kind kind);

  // The plain number of the text: no grouping, a leading minus sign; empty
  // when the box is empty; the text as typed when it is no number.
  QString PlainText() const;
  // Shows `plain` (as PlainText gives it) in the grouped form.
  void SetPlainText(const QString& plain);
  std::optional<double> Value() const;

  // The grouped form of a plain number ("-1234.5" -> "(1,234.5)"); other
  // text unchanged.
  static QString Display(const QString& plain, Kind kind);
  // The inverse: "(1,234.5)" -> "-1234.5"; other text unchanged.
  static QString Plain(const QString& shown);

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  Kind kind_;
};

}  // namespace vy::gui
