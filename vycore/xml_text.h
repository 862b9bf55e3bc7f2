#pragma once
// What the host's XML files (projects, options store) share: escaping that
// keeps every character of a value through a load, and line numbers for
// diagnostics.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

// The 1-based line of a parse error. A parser finds an unclosed element only
// at the end tag that does not match it (or at the end of the document);
// `endTagMismatch` says the error is of that kind, and the line is then that
// of the unclosed element's start tag, where the fault is.
int ParseErrorLine(std::string_view text, std::ptrdiff_t offset, bool endTagMismatch);

// The closest of `names` to `word` without regard to case, when it is close
// enough to be a slip of the keyboard; empty otherwise.
std::string ClosestName(std::string_view word, const std::vector<std::string>& names);

}  // namespace vy
