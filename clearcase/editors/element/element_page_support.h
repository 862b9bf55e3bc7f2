#pragma once
// Small pieces the element actions' pages share.

#include <QString>
#include <QStringList>
#include <string>

#include "vycore/action.h"

class QGroupBox;
class QWidget;

namespace clearcase::editors::element {

inline QString Q(const std::string& text) {
  return QString::fromStdString(text);
}
inline std::string S(const QString& text) {
  return text.toStdString();
}

// The names of a listing (one per line, each ended by CR LF).
QStringList ListingItems(const std::string& listing);

// The host's variable names, as the designer lists them.
QStringList VariableNames(bool includeEnvironment);

// A heading over a group of controls.
QGroupBox* NewGroup(const QString& heading, QWidget* parent);

template <class Control>
Control* Named(Control* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

// The action as the class a page edits; null for any other, which the page
// then leaves alone.
template <class Action>
Action* As(vy::TCustomVyAction& action) {
  return dynamic_cast<Action*>(&action);
}

// Whether the options name ClearCase LT as the installed product.
bool ClearCaseIsLT();

}  // namespace clearcase::editors::element
