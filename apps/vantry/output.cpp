#include "output.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace vantry {

namespace {

const char* EscapeOf(TStyle style) {
  switch (style) {
    case TStyle::Heading:
      return "\033[1m";
    case TStyle::Error:
      return "\033[31m";
    case TStyle::Success:
      return "\033[32m";
    case TStyle::Dim:
      return "\033[2m";
    case TStyle::Plain:
      break;
  }
  return "";
}

}  // namespace

bool ColourEnabled() {
  static const bool enabled = [] {
    const char* noColour = std::getenv("NO_COLOR");
    return isatty(STDOUT_FILENO) == 1 && (noColour == nullptr || *noColour == '\0');
  }();
  return enabled;
}

std::string Styled(std::string_view text, TStyle style) {
  if (style == TStyle::Plain || !ColourEnabled()) return std::string(text);
  return std::string(EscapeOf(style)) + std::string(text) + "\033[0m";
}

// On a terminal each line shows at once; into a file or a pipe the lines go
// through the stream's buffer, so that a flood of output costs few writes.
void PrintLine(std::string_view text, TStyle style) {
  PrintIndentedLine({}, text, style);
}

void PrintIndentedLine(std::string_view indent, std::string_view text, TStyle style) {
  static const bool terminal = isatty(STDOUT_FILENO) == 1;
  // Straight into the buffer: a flood of lines pays for no stream sentries.
  std::streambuf& out = *std::cout.rdbuf();
  out.sputn(indent.data(), static_cast<std::streamsize>(indent.size()));
  if (style == TStyle::Plain || !ColourEnabled()) {
    out.sputn(text.data(), static_cast<std::streamsize>(text.size()));
  } else {
    const std::string styled = Styled(text, style);
    out.sputn(styled.data(), static_cast<std::streamsize>(styled.size()));
  }
  out.sputc('\n');
  if (terminal) std::cout.flush();
}

void PrintError(std::string_view text) {
  std::cout << std::flush;  // what came before stays before
  std::cerr << text << '\n' << std::flush;
}

std::string FormatSeconds(double seconds) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f s", seconds);
  return buffer;
}

}  // namespace vantry
