#pragma once
// What the runner prints, and where. Results of a command (a listing, the
// options) and the programs' own output go to standard output; progress,
// diagnostics, errors and the run's summary go to standard error, so that
// redirecting standard output keeps exactly what the programs printed.
// Colour is used only on a terminal, and never with NO_COLOR set or TERM=dumb.

#include <string>
#include <string_view>

namespace vantry {

enum class TStyle { Plain, Heading, Error, Success, Dim };
enum class TStream { Out, Err };

bool ColourEnabled(TStream stream);

// `text` wrapped in the escape codes of `style` when the stream takes colour.
std::string Styled(std::string_view text, TStyle style, TStream stream = TStream::Out);

// One line of a command's result on standard output.
void PrintLine(std::string_view text, TStyle style = TStyle::Plain);

// One line of progress or diagnostics on standard error.
void PrintLog(std::string_view text, TStyle style = TStyle::Plain);

// One line of an error on standard error.
void PrintError(std::string_view text);

// A program's output exactly as it printed it; a line break is added only
// when the text has none at its end.
void WriteProgramOutput(std::string_view text);

// Seconds with two decimals, e.g. "0.04 s".
std::string FormatSeconds(double seconds);

}  // namespace vantry
