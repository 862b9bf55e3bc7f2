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

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

bool TerminalWantsColour(int fd) {
  if (isatty(fd) != 1 || Set("NO_COLOR")) return false;
  const char* term = std::getenv("TERM");
  return term == nullptr || std::string_view(term) != "dumb";
}

}  // namespace

bool ColourEnabled(TStream stream) {
  static const bool out = TerminalWantsColour(STDOUT_FILENO);
  static const bool err = TerminalWantsColour(STDERR_FILENO);
  return stream == TStream::Out ? out : err;
}

std::string Styled(std::string_view text, TStyle style, TStream stream) {
  if (style == TStyle::Plain || !ColourEnabled(stream)) return std::string(text);
  return std::string(EscapeOf(style)) + std::string(text) + "\033[0m";
}

void PrintLine(std::string_view text, TStyle style) {
  std::cout << Styled(text, style, TStream::Out) << '\n' << std::flush;
}

void PrintLog(std::string_view text, TStyle style) {
  std::cerr << Styled(text, style, TStream::Err) << '\n' << std::flush;
}

void PrintError(std::string_view text) {
  std::cerr << Styled(text, TStyle::Error, TStream::Err) << '\n' << std::flush;
}

void WriteProgramOutput(std::string_view text) {
  std::cout << text;
  if (text.empty() || text.back() != '\n') std::cout << '\n';
  std::cout << std::flush;
}

std::string FormatSeconds(double seconds) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f s", seconds);
  return buffer;
}

}  // namespace vantry
