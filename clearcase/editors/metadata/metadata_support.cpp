#include "clearcase/editors/metadata/metadata_support.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <cmath>

#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/cleartool/string_lists.h"

namespace clearcase::editors::meta {

QStringList ListingNames(const std::string& listing) {
  QStringList names;
  ForEachLine(listing, [&names](std::string_view line) {
    names.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
  });
  return names;
}

vy::gui::TVyDropDownComboBox* NewVobBox(QWidget* parent, const char* name) {
  auto* box = new vy::gui::TVyDropDownComboBox(true, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->SetItems({QString()});
  QObject::connect(box, &vy::gui::TVyDropDownComboBox::BeforeDropDown, box, [box] {
    if (box->count() == 0 || box->itemText(0).isEmpty())
      box->SetItems(ListingNames(CCGetVOBNames()));
  });
  return box;
}

void SetNumberKind(vy::gui::TVyNumberEdit* box, vy::gui::TVyNumberEdit::Kind kind) {
  static const QRegularExpression whole(QStringLiteral("^\\(?-?[0-9,]*\\)?$"));
  static const QRegularExpression decimal(QStringLiteral("^\\(?-?[0-9,]*\\.?[0-9]*\\)?$"));
  box->SetNumberKind(kind);
  const auto& pattern = kind == vy::gui::TVyNumberEdit::Kind::Integer ? whole : decimal;
  if (auto* old =
          box->findChild<QRegularExpressionValidator*>(QString(), Qt::FindDirectChildrenOnly)) {
    old->setRegularExpression(pattern);
  } else {
    box->setValidator(new QRegularExpressionValidator(pattern, box));
  }
}

QString NumberForBox(const QString& stored, vy::gui::TVyNumberEdit::Kind kind) {
  const QString plain = vy::gui::TVyNumberEdit::Plain(stored.trimmed());
  bool ok = false;
  const double value = plain.toDouble(&ok);
  if (!ok || !std::isfinite(value)) return QStringLiteral("0");
  if (kind == vy::gui::TVyNumberEdit::Kind::Integer) {
    static const QRegularExpression integer(QStringLiteral("^-?\\d+$"));
    // Digits beyond a double's precision survive only as text.
    if (integer.match(plain).hasMatch()) return plain;
    return QString::number(static_cast<qint64>(std::llround(value)));
  }
  static const QRegularExpression decimal(QStringLiteral("^-?(\\d+(\\.\\d*)?|\\.\\d+)$"));
  if (decimal.match(plain).hasMatch()) return plain;
  return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QLabel* NewLabel(const QString& caption, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setBuddy(buddy);
  return label;
}

void ChainTabOrder(std::initializer_list<QWidget*> controls) {
  QWidget* previous = nullptr;
  for (QWidget* control : controls) {
    if (previous != nullptr) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

TTypeScope NewTypeScope(const QString& kind, QWidget* parent) {
  const TTypeScope scope{
      Named(new QRadioButton(
                QStringLiteral("Or&dinary %1 (for use in one VOB only.) (-ordinary)").arg(kind),
                parent),
            "btnOrdinary"),
      Named(new QRadioButton(
                QStringLiteral("&Global %1 (can be used by client VOBs.) (-global)").arg(kind),
                parent),
            "btnGlobal"),
      Named(new QCheckBox(QStringLiteral("&Acquire all eclipsing types in client VOBs (-acquire)"),
                          parent),
            "boxAcquire")};
  scope.ordinary->setChecked(true);
  return scope;
}

QGroupBox* NewGroup(const QString& heading, QWidget* parent) {
  return new QGroupBox(heading, parent);
}

}  // namespace clearcase::editors::meta
