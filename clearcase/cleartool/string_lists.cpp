#include "clearcase/cleartool/string_lists.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace clearcase {
namespace {

unsigned char Fold(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

int CompareFolded(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char x = Fold(a[i]), y = Fold(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

int CCCompareText(std::string_view a, std::string_view b) {
  const int folded = CompareFolded(a, b);
  return folded != 0 ? folded : a.compare(b);
}

bool CCSameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareFolded(a, b) == 0;
}

std::string CCFoldCase(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = static_cast<char>(Fold(c));
  return folded;
}

void SortTStrings(TStringList& lines) {
  // Folding each name once and comparing the folded keys with memcmp keeps
  // large listings (a million names) fast; the raw text breaks ties.
  struct Entry {
    std::string key;
    std::string* line;
  };
  std::vector<Entry> entries;
  entries.reserve(lines.size());
  for (std::string& line : lines) entries.push_back({CCFoldCase(line), &line});
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    const int folded = a.key.compare(b.key);
    return folded != 0 ? folded < 0 : *a.line < *b.line;
  });
  TStringList sorted;
  sorted.reserve(lines.size());
  for (Entry& entry : entries) sorted.push_back(std::move(*entry.line));
  lines = std::move(sorted);
}

void TrimTStrings(TStringList& lines) {
  std::erase_if(lines, [](const std::string& line) { return line.empty(); });
}

void ReverseTStrings(TStringList& lines) {
  std::reverse(lines.begin(), lines.end());
}

void RemoveDuplicatesIgnoringCase(TStringList& lines) {
  std::unordered_set<std::string> seen;
  seen.reserve(lines.size());
  std::erase_if(lines, [&seen](const std::string& line) {
    return !seen.insert(CCFoldCase(line)).second;
  });
}

TStringList SplitLines(std::string_view text) {
  TStringList lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string LinesText(const TStringList& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace clearcase
