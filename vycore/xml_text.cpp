#include "vycore/xml_text.h"

#include <algorithm>

namespace vy {

std::string XmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          out += "&#" + std::to_string(static_cast<int>(c)) + ";";
        } else {
          out.push_back(c);
        }
    }
  }
  return out;
}

std::size_t FindNulReference(std::string_view text) {
  for (std::size_t at = text.find("&#"); at != std::string_view::npos;
       at = text.find("&#", at + 2)) {
    std::size_t end = at + 2;
    if (end < text.size() && (text[end] == 'x' || text[end] == 'X')) ++end;
    const std::size_t digits = end;
    while (end < text.size() && text[end] == '0') ++end;
    if (end > digits && end < text.size() && text[end] == ';') return at;
  }
  return std::string_view::npos;
}

int LineOfOffset(std::string_view text, std::ptrdiff_t offset) {
  if (offset < 0) return 0;
  const auto end = text.begin() + std::min<std::ptrdiff_t>(offset, std::ssize(text));
  return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

}  // namespace vy
