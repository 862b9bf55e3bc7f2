#include "clearcase/editors/ucm/ucm_texts.h"

#include "clearcase/actions/core/storage_strings.h"
#include "clearcase/cleartool/string_lists.h"

namespace clearcase::editors::ucm {

QString LinesToText(const vy::TStringList& lines) {
  QStringList text;
  text.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) text.append(ToQ(line));
  return text.join(QLatin1Char('\n'));
}

vy::TStringList TextToLines(const QString& text) {
  return SplitStorageString(ToStd(text));
}

QStringList ListingItems(const std::string& listing) {
  QStringList items;
  ForEachLine(listing, [&items](std::string_view line) {
    items.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
  });
  return items;
}

}  // namespace clearcase::editors::ucm
