#pragma once
// What the runner prints. Colour is used only when standard output is a
// terminal and NO_COLOR is not set, so that logs stay clean when piped.

#include <string>
#include <string_view>

namespace vantry {

enum class TStyle { Plain, Heading, Error, Success, Dim };

bool ColourEnabled();

// `text` wrapped in the escape codes of `style` when colour is enabled.
std::string Styled(std::string_view text, TStyle style);

// Writes one line to standard output; on a terminal it is flushed at once, so
// that progress shows while a long program runs.
void PrintLine(std::string_view text, TStyle style = TStyle::Plain);
// The same with `indent` in front, unstyled.
void PrintIndentedLine(std::string_view indent, std::string_view text,
                       TStyle style = TStyle::Plain);

// Writes one line to standard error.
void PrintError(std::string_view text);

// Seconds with two decimals, e.g. "0.04 s".
std::string FormatSeconds(double seconds);

}  // namespace vantry
