#include "vycore/expressions.h"

#include "vycore/platform.h"
#include "vycore/text.h"

namespace vy {

bool TCaseInsensitiveLess::operator()(std::string_view a, std::string_view b) const {
  return CompareText(a, b) < 0;
}

void TVyVariables::Set(std::string_view name, std::string value) {
  auto it = values_.find(name);
  if (it == values_.end()) {
    values_.emplace(std::string(name), std::move(value));
  } else {
    it->second = std::move(value);
  }
}

bool TVyVariables::IsDefined(std::string_view name) const {
  return values_.find(name) != values_.end();
}

std::string TVyVariables::Get(std::string_view name) const {
  auto it = values_.find(name);
  return it == values_.end() ? std::string() : it->second;
}

TStringList TVyVariables::Names() const {
  TStringList names;
  names.reserve(values_.size());
  for (const auto& [name, value] : values_) names.push_back(name);
  return names;
}

namespace {

constexpr std::string_view kEnvPrefix = "ENV:";

// The value of one reference (the text between the percent signs), or the
// reason why there is none.
bool LookUp(std::string_view name, const TVyVariables& variables, std::string& value,
            std::string& error) {
  if (name.size() >= kEnvPrefix.size() && SameText(name.substr(0, kEnvPrefix.size()), kEnvPrefix)) {
    const std::string envName(name.substr(kEnvPrefix.size()));
    std::optional<std::string> env =
        envName.empty() ? std::nullopt : GetEnvironmentVariable(envName);
    if (!env) {
      error = "undefined environment variable " + Quoted(envName);
      return false;
    }
    value = std::move(*env);
    return true;
  }
  if (!variables.IsDefined(name)) {
    error = "undefined variable " + Quoted(name);
    return false;
  }
  value = variables.Get(name);
  return true;
}

}  // namespace

TExpansionResult ExpandText(std::string_view expression, const TVyVariables& variables,
                            bool trimItem) {
  TExpansionResult result;
  result.ok = true;
  std::string& out = result.text;
  std::size_t pos = 0;
  while (pos < expression.size()) {
    const std::size_t open = expression.find('%', pos);
    if (open == std::string_view::npos) {
      out.append(expression.substr(pos));
      break;
    }
    out.append(expression.substr(pos, open - pos));
    const std::size_t close = expression.find('%', open + 1);
    if (close == std::string_view::npos) {
      // Nothing after this point can be a reference: keep it as written.
      out.append(expression.substr(open));
      if (result.ok) {
        result.error = "unterminated variable reference " + Quoted(expression.substr(open));
      }
      result.ok = false;
      break;
    }
    const std::string_view name = expression.substr(open + 1, close - open - 1);
    std::string value;
    std::string error;
    if (name.empty()) {
      out.push_back('%');
    } else if (LookUp(name, variables, value, error)) {
      out.append(value);
    } else {
      out.append(expression.substr(open, close - open + 1));
      if (result.ok) result.error = error;
      result.ok = false;
    }
    pos = close + 1;
  }
  if (trimItem) out = std::string(TrimBlanks(out));
  return result;
}

}  // namespace vy
