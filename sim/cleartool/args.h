// Command table and option parsing. Options are matched exactly or by an
// unambiguous prefix (cleartool accepts "-l" for "-long", "-r" for "-recurse").
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ctsim {

class Context;

struct Args {
  std::vector<std::string> flags;
  std::vector<std::pair<std::string, std::string>> values;
  std::vector<std::string> operands;

  bool Has(std::string_view option) const;
  const std::string* Value(std::string_view option) const;
};

struct CommandSpec {
  const char* name;
  std::vector<std::string> aliases;
  std::vector<std::string> flags;   // options without a value, "-" included
  std::vector<std::string> valued;  // options that take the next argument as value
  bool changesWorld;
  void (*run)(Context&, const Args&);
};

// The command named by word (a name or an alias), or null.
const CommandSpec* FindCommand(std::string_view word);
// Throws CtError with cleartool's wording for an unknown option or a missing value.
Args ParseArgs(const CommandSpec& spec, const std::vector<std::string>& rest);

}  // namespace ctsim
