#pragma once
// The command line an action builds, and the one tokenizer that turns a
// command-line text into argv. There is no shell anywhere in the host: the
// text is split with Windows rules and the program is spawned directly.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vycore/types.h"

namespace vy {

// Argument kinds as actions pass them.
enum TArgumentKind : int {
  akRaw = 0,          // the text, then a blank and the value when there is one
  akPlain = 2,        // the text alone
  akOptionValue = 4,  // the text (an option), a blank, then the value
};

class IArgument {
 public:
  virtual ~IArgument() = default;
  virtual const std::string& Text() const = 0;
  virtual const std::string& Value() const = 0;
  virtual int Kind() const = 0;
  virtual std::string Render() const = 0;  // as it appears in the command-line text
};

class ICommandLineBuilder {
 public:
  virtual ~ICommandLineBuilder() = default;
  // Arguments appear in order and unchanged: callers do their own quoting.
  virtual IArgument& AddArgument(const std::string& text, const std::string& value = {},
                                 int kind = akPlain) = 0;
  // The arguments joined by one blank.
  virtual std::string GetCommandLine() const = 0;
  virtual std::size_t ArgumentCount() const = 0;
  virtual const IArgument& Argument(std::size_t index) const = 0;
};

std::unique_ptr<ICommandLineBuilder> CreateCommandLineBuilder();

// The rules of the Microsoft C runtime, which cleartool.exe itself applies to
// its command line:
//  - blanks and tabs separate arguments; every other character, line breaks
//    and bytes that are not UTF-8 included, is ordinary;
//  - double quotes group and are removed; an unbalanced quote runs to the end;
//  - "" standing alone is an empty argument; "" inside a quoted run is one
//    literal double quote and the run goes on (a"b""c"d gives `ab"cd`);
//  - backslashes are ordinary unless they precede a double quote: 2n of them
//    give n backslashes and the quote groups, 2n+1 give n backslashes and a
//    literal quote. So \vobs\src\a.c stays as it is, and \"tested\" gives
//    `"tested"`.
TStringList TokenizeCommandLine(std::string_view text);

// True when the text holds a blank, a tab or a double quote: without quotes
// it would not come back from the tokenizer as one argument, as it is.
bool NeedsQuoting(std::string_view text);

// The text wrapped in double quotes and written with the exact inverse of the
// tokenizer's rules (a quote becomes \", backslashes before a quote or at the
// end are doubled), so that it comes back as exactly one argument, byte for
// byte.
std::string QuoteArgument(std::string_view text);

// QuoteArgument when NeedsQuoting, else the text unchanged.
std::string QuoteArgumentIfNeeded(std::string_view text);

}  // namespace vy
