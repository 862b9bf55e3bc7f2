#include "clearcase/actions/core/storage_strings.h"

namespace clearcase {

vy::TStringList SplitStorageString(std::string_view text) {
  vy::TStringList entries;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      entries.emplace_back(text.substr(start));
      break;
    }
    entries.emplace_back(text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return entries;
}

std::string JoinStorageString(const vy::TStringList& entries) {
  std::string text;
  for (const auto& entry : entries) {
    text += entry;
    text += "\r\n";
  }
  return text;
}

void SplitPathNames(std::string_view text, vy::TStringList& viewPathNames,
                    vy::TStringList& extendedPathNames) {
  viewPathNames.clear();
  extendedPathNames.clear();
  for (auto& line : SplitStorageString(text)) {
    auto& list = line.find("@@") != std::string::npos ? extendedPathNames : viewPathNames;
    list.push_back(std::move(line));
  }
}

}  // namespace clearcase
