#pragma once
// What the host's XML files (projects, options store) share: escaping that
// keeps every character of a value through a load, and line numbers for
// diagnostics.

#include <cstddef>
#include <string>
#include <string_view>

namespace vy {

// Escapes markup characters and writes every control character (carriage
// return, line feed and tab included) as a character reference, so that a
// parser gives the value back exactly instead of normalising line ends and
// blanks. Usable in attribute values and in element text.
std::string XmlEscape(std::string_view text);

// The offset of the first character reference to NUL ("&#0;", "&#x00;", ...)
// in a document, npos when there is none: a parser hands a value back only
// up to such a character, so a loader refuses the document instead.
std::size_t FindNulReference(std::string_view text);

// The 1-based line of a byte offset in a text.
int LineOfOffset(std::string_view text, std::ptrdiff_t offset);

}  // namespace vy
