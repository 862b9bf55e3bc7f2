// Small string helpers shared by the stand-in's commands.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ctsim {

bool StartsWith(std::string_view s, std::string_view prefix);
bool EndsWith(std::string_view s, std::string_view suffix);
bool EqualsNoCase(std::string_view a, std::string_view b);
std::vector<std::string> Split(std::string_view s, char sep);
std::string Join(const std::vector<std::string>& parts, std::string_view sep);
std::string Trim(std::string_view s);
// Splits text into lines at LF, dropping a CR before it; no entry after a final break.
std::vector<std::string> Lines(std::string_view text);
std::string Quoted(std::string_view s);  // "s"
// JSON string literal; bytes that are not valid UTF-8 become \u00XX of the byte.
std::string JsonString(std::string_view s);
bool ParseInteger(std::string_view s, long long* value);
bool ParseReal(std::string_view s);

}  // namespace ctsim
