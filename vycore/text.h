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

}  // namespace vy
