#pragma once
// Lines of text as the listing queries hand them around, and the one ordering
// every sorted listing uses.

#include <string>
#include <string_view>

#include "vycore/types.h"

namespace clearcase {

using vy::TStringList;

// The case-insensitive ordering of names: ASCII letters compare without
// regard to case, every other byte by its value; names that differ only in
// case are ordered by their raw bytes, so that the order never depends on
// the input order or the sort algorithm. Returns <0, 0 or >0.
int CCCompareText(std::string_view a, std::string_view b);
// True when the names are equal without regard to case.
bool CCSameText(std::string_view a, std::string_view b);
// The key under which case-insensitive lookups file a name.
std::string CCFoldCase(std::string_view text);

// Ascending by CCCompareText.
void SortTStrings(TStringList& lines);
// Deletes every line of length zero; lines of blanks stay.
void TrimTStrings(TStringList& lines);
void ReverseTStrings(TStringList& lines);
// Keeps the first of each group of names equal without regard to case, in
// their order.
void RemoveDuplicatesIgnoringCase(TStringList& lines);

// A line ends at LF; a CR right before it belongs to the line break. Text
// after the last line break is a line of its own. Every other byte, CR
// included, is text of the line.
TStringList SplitLines(std::string_view text);
// Every line followed by CR LF: the form in which listings are returned.
std::string LinesText(const TStringList& lines);

}  // namespace clearcase
