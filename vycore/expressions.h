#pragma once
// Host expressions and variables. Syntax (docs/expressions.md):
//   %NAME%      the value of the host variable NAME
//   %ENV:NAME%  the value of the environment variable NAME
//   %%          a literal percent sign
// Variable names are case-insensitive. The flag of TryExpandExpression says
// the text names one item (a path, a selector, a name): leading and trailing
// blanks and tabs of the result are then removed.

#include <map>
#include <string>
#include <string_view>

#include "vycore/types.h"

namespace vy {

// Case-insensitive ordering for variable names.
struct TCaseInsensitiveLess {
  using is_transparent = void;  // NOLINT(readability-identifier-naming): the standard's name
  bool operator()(std::string_view a, std::string_view b) const;
};

class TVyVariables {
 public:
  void Set(std::string_view name, std::string value);
  bool IsDefined(std::string_view name) const;
  std::string Get(std::string_view name) const;  // empty when undefined
  TStringList Names() const;                     // in name order
  const std::map<std::string, std::string, TCaseInsensitiveLess>& All() const { return values_; }

 private:
  std::map<std::string, std::string, TCaseInsensitiveLess> values_;
};

struct TExpansionResult {
  bool ok = false;
  std::string text;  // the expansion; on failure what could be expanded, the rest as written
  // On failure: what is wrong, naming the variable, e.g. "undefined variable \"LABEL\"".
  std::string error;
};

// Pure: reads the variables and, for %ENV:...%, the process environment.
TExpansionResult ExpandText(std::string_view expression, const TVyVariables& variables,
                            bool trimItem);

}  // namespace vy
