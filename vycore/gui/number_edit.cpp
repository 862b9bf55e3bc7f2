#include "vycore/gui/number_edit.h"

#include <QRegularExpression>

namespace vy::gui {
namespace {

// Grouping and decimal marks are fixed so that the stored text reads the
// same on every machine, whatever its locale.
constexpr QChar kGroup = u',';
constexpr QChar kPoint = u'.';

bool IsPlainNumber(const QString& text, TVyNumberEdit::Kind kind) {
  static const QRegularExpression integer(QStringLiteral("^-?\\d+$"));
  static const QRegularExpression decimal(QStringLiteral("^-?(\\d+(\\.\\d*)?|\\.\\d+)$"));
  return (kind == TVyNumberEdit::Kind::Integer ? integer : decimal).match(text).hasMatch();
}

QString Grouped(const QString& digits) {
  QString out;
  const int count = digits.size();
  for (int i = 0; i < count; ++i) {
    if (i > 0 && (count - i) % 3 == 0) out += kGroup;
    out += digits[i];
  }
  return out;
}

}  // namespace

TVyNumberEdit::TVyNumberEdit(Kind kind, QWidget* parent) : QLineEdit(parent), kind_(kind) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TVyNumberEdit::SetNumberKind(Kind kind) {
  const QString plain = PlainText();
  kind_ = kind;
  SetPlainText(plain);
}

QString TVyNumberEdit::Display(const QString& plain, Kind kind) {
  if (!IsPlainNumber(plain, kind)) return plain;
  const bool negative = plain.startsWith(u'-');
  QString body = negative ? plain.mid(1) : plain;
  const qsizetype point = body.indexOf(kPoint);
  QString whole = point < 0 ? body : body.left(point);
  const QString fraction = point < 0 ? QString() : body.mid(point);
  if (whole.isEmpty()) whole = QStringLiteral("0");
  body = Grouped(whole) + fraction;
  return negative ? u'(' + body + u')' : body;
}

QString TVyNumberEdit::Plain(const QString& shown) {
  QString text = shown.trimmed();
  bool negative = false;
  if (text.size() >= 2 && text.startsWith(u'(') && text.endsWith(u')')) {
    negative = true;
    text = text.mid(1, text.size() - 2).trimmed();
  } else if (text.startsWith(u'-')) {
    negative = true;
    text = text.mid(1);
  }
  QString stripped = text;
  stripped.remove(kGroup);
  static const QRegularExpression number(QStringLiteral("^(\\d+(\\.\\d*)?|\\.\\d+)$"));
  if (!number.match(stripped).hasMatch()) return shown;
  return negative ? u'-' + stripped : stripped;
}

QString TVyNumberEdit::PlainText() const {
  return Plain(text());
}

void TVyNumberEdit::SetPlainText(const QString& plain) {
  setText(Display(plain, kind_));
}

std::optional<double> TVyNumberEdit::Value() const {
  bool ok = false;
  const double value = PlainText().toDouble(&ok);
  return ok ? std::optional<double>(value) : std::nullopt;
}

void TVyNumberEdit::focusOutEvent(QFocusEvent* event) {
  SetPlainText(PlainText());
  QLineEdit::focusOutEvent(event);
}

}  // namespace vy::gui
