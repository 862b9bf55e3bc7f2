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

namespace {

// The offset of the innermost element still open at `end`, npos when none:
// a scan of start and end tags that skips comments, CDATA sections,
// declarations and quoted attribute values.
std::size_t InnermostOpenElement(std::string_view text, std::size_t end) {
  std::vector<std::size_t> open;
  std::size_t at = 0;
  const auto skipTo = [&](std::string_view closing) {
    const std::size_t found = text.find(closing, at);
    at = found == std::string_view::npos ? end : found + closing.size();
  };
  while (at < end) {
    at = text.find('<', at);
    if (at == std::string_view::npos || at >= end) break;
    const std::string_view rest = text.substr(at);
    if (rest.starts_with("<!--")) {
      skipTo("-->");
    } else if (rest.starts_with("<![CDATA[")) {
      skipTo("]]>");
    } else if (rest.starts_with("<?")) {
      skipTo("?>");
    } else if (rest.starts_with("<!")) {
      skipTo(">");
    } else if (rest.starts_with("</")) {
      if (!open.empty()) open.pop_back();
      skipTo(">");
    } else {
      const std::size_t start = at;
      char quote = 0;
      for (++at; at < text.size(); ++at) {
        const char c = text[at];
        if (quote != 0) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '>') {
          break;
        }
      }
      if (at >= text.size() || text[at - 1] != '/') open.push_back(start);
      ++at;
    }
  }
  return open.empty() ? std::string_view::npos : open.back();
}

}  // namespace

int ParseErrorLine(std::string_view text, std::ptrdiff_t offset, bool endTagMismatch) {
  if (endTagMismatch && offset >= 0) {
    std::size_t end = std::min<std::size_t>(static_cast<std::size_t>(offset), text.size());
    // The parser points into the end tag that did not match (or at the end of
    // the document); that tag closes nothing.
    if (const std::size_t tag = text.rfind("</", end);
        tag != std::string_view::npos && text.find('>', tag) >= end) {
      end = tag;
    }
    const std::size_t open = InnermostOpenElement(text, end);
    if (open != std::string_view::npos) return LineOfOffset(text, static_cast<std::ptrdiff_t>(open));
  }
  return LineOfOffset(text, offset);
}

namespace {

char Folded(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Edits (insert, delete, replace, swap of neighbours) from a to b.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t cost = Folded(a[i - 1]) == Folded(b[j - 1]) ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && Folded(a[i - 1]) == Folded(b[j - 2]) &&
          Folded(a[i - 2]) == Folded(b[j - 1])) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

std::string ClosestName(std::string_view word, const std::vector<std::string>& names) {
  // About a third of the word may be wrong, at least one letter and at most three.
  const std::size_t allowed = std::clamp<std::size_t>((word.size() + 2) / 3, 1, 3);
  std::string best;
  std::size_t bestDistance = allowed + 1;
  for (const std::string& name : names) {
    const std::size_t distance = EditDistance(word, name);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = name;
    }
  }
  return best;
}

}  // namespace vy
