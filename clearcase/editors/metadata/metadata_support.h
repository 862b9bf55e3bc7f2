#pragma once
// Small pieces the type, label, lock and attribute pages and the object
// selector dialog share.

#include <QLabel>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <string>

#include "vycore/gui/drop_down_combo_box.h"
#include "vycore/gui/number_edit.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;
class QWidget;

namespace clearcase::editors::meta {

inline QString Q(const std::string& text) {
  return QString::fromStdString(text);
}
inline std::string S(const QString& text) {
  return text.toStdString();
}

// The names of a listing (one per line, each ended by CR LF); an empty
// listing gives no names.
QStringList ListingNames(const std::string& listing);

// A VOB box that starts with one empty entry and asks for the VOB tags the
// first time it drops down, and again only while the answer was empty, so
// that a page costs one listing however often the user opens the list.
vy::gui::TVyDropDownComboBox* NewVobBox(QWidget* parent, const char* name);

// A numeric box of the kind, refusing keys that cannot belong to such a
// number in either its plain or its grouped form.
void SetNumberKind(vy::gui::TVyNumberEdit* box, vy::gui::TVyNumberEdit::Kind kind);

// The plain form of a stored text for a numeric box of the kind: the
// number itself, whole for a whole-number box, and "0" for what is no
// number, so that what is stored back always reads as a number.
QString NumberForBox(const QString& stored, vy::gui::TVyNumberEdit::Kind kind);

template <class Control>
Control* Named(Control* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

QLabel* NewLabel(const QString& caption, QWidget* buddy, QWidget* parent);

// Where a new type may be used: one VOB (ordinary, the default) or client
// VOBs too (global), which may acquire the types they eclipse. The captions
// name the kind of type ("label", "attribute").
struct TTypeScope {
  QRadioButton* ordinary;
  QRadioButton* global;
  QCheckBox* acquire;
};
TTypeScope NewTypeScope(const QString& kind, QWidget* parent);
QGroupBox* NewGroup(const QString& heading, QWidget* parent);

// Tab visits the controls in the given order, their reading order, which a
// change of layout must not disturb. A compound box (edit and button) is
// passed as its edit and its button.
void ChainTabOrder(std::initializer_list<QWidget*> controls);

}  // namespace clearcase::editors::meta
