#pragma once
// Small text helpers shared by the host's parsers and stores.

#include <string>
#include <string_view>

namespace vy {

// ASCII case-insensitive comparison, as the host compares names.
bool SameText(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);  // <0, 0, >0

// Removes leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);

// The line without its terminator, LF or CR LF, as the process layer hands
// lines over; a CR of its own is text (the last line may end in one).
std::string_view WithoutTerminator(std::string_view line);

// The text between double quotes, as messages name a value; nothing is
// escaped, so this is for people to read, never for a command line.
std::string Quoted(std::string_view text);

}  // namespace vy
