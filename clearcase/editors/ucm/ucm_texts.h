#pragma once
// The UCM pages move text between the actions (UTF-8 strings, lists of
// lines, listings ended by CR LF) and Qt widgets; these are the few
// conversions they share.

#include <QString>
#include <QStringList>
#include <string>

#include "vycore/types.h"

namespace clearcase::editors::ucm {

inline QString ToQ(const std::string& text) {
  return QString::fromStdString(text);
}
inline std::string ToStd(const QString& text) {
  return text.toStdString();
}

// A list as a multi-line box shows it: one entry per line.
QString LinesToText(const vy::TStringList& lines);
// The lines of a multi-line box as they stand; blank and empty lines are
// entries too, and a final line break starts no further entry.
vy::TStringList TextToLines(const QString& text);
// A listing's names (CR LF ended lines) as a drop-down list's items.
QStringList ListingItems(const std::string& listing);

}  // namespace clearcase::editors::ucm
