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

// Windows rules: blanks and tabs separate arguments; double quotes group and
// are removed; "" is an empty argument; backslashes are ordinary characters;
// an unbalanced quote runs to the end of the text. Nothing is escaped: every
// quote toggles grouping, so quotes inside a word join its parts
// (a"b c"d gives `ab cd`, "a""b" gives `ab`), and no argument can contain a
// double quote. Every other character, line breaks included, is ordinary.
TStringList TokenizeCommandLine(std::string_view text);

}  // namespace vy
