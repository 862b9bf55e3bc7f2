#pragma once
// Lines of text as the listing queries hand them around, and the one ordering
// every sorted listing uses.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "vycore/types.h"

namespace clearcase {

using vy::TStringList;
// Lines that point into a text the caller keeps alive.
using TLineViews = std::vector<std::string_view>;

// The case-insensitive ordering of names, the same whatever the locale: names
// compare by their folded bytes (case_folding.h: each valid UTF-8 character
// by its simple case folding, so "Élan" and "élan" are one name; any other
// byte by its value), which orders characters by their folded code points;
// names that differ only in case are ordered by their raw bytes, so that the
// order never depends on the input order or the sort algorithm. Returns <0,
// 0 or >0.
int CCCompareText(std::string_view a, std::string_view b);
// True when the names are equal without regard to case.
bool CCSameText(std::string_view a, std::string_view b);

// Equal for names equal without regard to case.
struct TTextHashIgnoringCase {
  std::uint64_t operator()(std::string_view text) const noexcept;
};

// Ascending by CCCompareText.
void SortTStrings(TStringList& lines);
void SortLineViews(TLineViews& lines);
// Deletes every line of length zero; lines of blanks stay.
void TrimTStrings(TStringList& lines);
void ReverseTStrings(TStringList& lines);

// A line ends at LF; a CR right before it belongs to the line break. Text
// after the last line break is a line of its own. Every other byte, CR
// included, is text of the line.
TStringList SplitLines(std::string_view text);
TLineViews SplitLineViews(std::string_view text);
// Calls `visit` with each line of `text`, in order.
template <class Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    visit(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}
// Every line followed by CR LF: the form in which listings are returned.
std::string LinesText(const TStringList& lines);
std::string LinesText(const TLineViews& lines);

}  // namespace clearcase
