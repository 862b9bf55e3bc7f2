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

void PrintLine(std::string_view text, TStyle style) {
  std::cout << Styled(text, style) << '\n' << std::flush;
}

void PrintError(std::string_view text) {
  std::cerr << text << '\n' << std::flush;
}

std::string FormatSeconds(double seconds) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f s", seconds);
  return buffer;
}

}  // namespace vantry
