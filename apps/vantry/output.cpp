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

bool OutIsTerminal() {
  static const bool terminal = isatty(STDOUT_FILENO) == 1;
  return terminal;
}

// Straight into standard output's buffer: a flood of lines pays for no
// stream sentries. On a terminal each line shows at once; into a file or a
// pipe the lines go out a buffer at a time.
void WriteOut(std::string_view text, bool lineBreak) {
  std::streambuf& out = *std::cout.rdbuf();
  out.sputn(text.data(), static_cast<std::streamsize>(text.size()));
  if (lineBreak) out.sputc('\n');
  if (OutIsTerminal()) std::cout.flush();
}

// One write per line; what standard output holds goes first, so that the two
// streams keep their order when they share a file.
void WriteErr(std::string_view text, TStyle style) {
  std::cout.flush();
  std::string line = Styled(text, style, TStream::Err);
  line += '\n';
  std::cerr.write(line.data(), static_cast<std::streamsize>(line.size()));
  std::cerr.flush();
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
  if (style == TStyle::Plain || !ColourEnabled(TStream::Out)) {
    WriteOut(text, true);
  } else {
    WriteOut(Styled(text, style, TStream::Out), true);
  }
}

void PrintLog(std::string_view text, TStyle style) {
  WriteErr(text, style);
}

void PrintError(std::string_view text) {
  WriteErr(text, TStyle::Error);
}

void WriteProgramOutput(std::string_view text) {
  WriteOut(text, text.empty() || text.back() != '\n');
}

std::string FormatSeconds(double seconds) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f s", seconds);
  return buffer;
}

}  // namespace vantry
