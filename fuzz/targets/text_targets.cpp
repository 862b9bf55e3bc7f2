// The command-line tokenizer, the storage strings and the expression
// expander: text in, text or lists out.

#include <cstdlib>

#include "clearcase/actions/core/storage_strings.h"
#include "clearcase/actions/core/ucm_action.h"
#include "clearcase/actions/element/checkout_action.h"
#include "fuzz/targets.h"
#include "vycore/command_line.h"
#include "vycore/expressions.h"

namespace vyfuzz {
namespace {

using vy::TStringList;

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// The tokens again as a command line, each quoted the way the actions quote.
std::string Requoted(const TStringList& argv) {
  std::string text;
  for (const std::string& argument : argv) {
    text += (text.empty() ? "" : " ") + vy::QuoteArgument(argument);
  }
  return text;
}

// The parent of the UCM actions is abstract; its lists are all we need.
class TUCMAction final : public clearcase::TClearCaseUCMAction {
 public:
  std::string GetActionName() const override { return "UCM"; }
  std::string GetCommand() const override { return "mkactivity"; }
};

// Setting what a getter returned gives the same text again.
template <class Action>
std::string CheckSetter(Action& action, std::string_view data, const char* what,
                        std::string (Action::*get)() const,
                        void (Action::*set)(const std::string&)) {
  (action.*set)(std::string(data));
  const std::string first = (action.*get)();
  (action.*set)(first);
  if ((action.*get)() != first) return std::string(what) + ": the stored text changed on reload";
  if (!first.empty() && !first.ends_with("\r\n")) {
    return std::string(what) + ": the stored text does not end with CR LF";
  }
  return {};
}

std::string CheckStorageSetters(std::string_view data) {
  clearcase::TClearCaseCheckoutAction checkout;
  using TBase = clearcase::TClearCaseBaseAction;
  std::string problem =
      CheckSetter<TBase>(checkout, data, "path names", &TBase::GetPathNameStorageString,
                         &TBase::SetPathNameStorageString);
  if (problem.empty()) {
    problem = CheckSetter<TBase>(checkout, data, "objects", &TBase::GetObjectsStorageString,
                                 &TBase::SetObjectsStorageString);
  }
  TUCMAction ucm;
  using TUCM = clearcase::TClearCaseUCMAction;
  if (problem.empty()) {
    problem = CheckSetter<TUCM>(ucm, data, "activities", &TUCM::GetActivitySelectorStorageString,
                                &TUCM::SetActivitySelectorStorageString);
  }
  if (problem.empty()) {
    problem = CheckSetter<TUCM>(ucm, data, "components", &TUCM::GetComponentSelectorStorageString,
                                &TUCM::SetComponentSelectorStorageString);
  }
  return problem;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

vy::TVyVariables FuzzVariables() {
  vy::TVyVariables variables;
  variables.Set("LABEL", "REL_1");
  variables.Set("Empty", "");
  variables.Set("spaced", " \t a b \t ");
  variables.Set("PERCENT", "100%");
  variables.Set("LIST", "src/a.c\r\nsrc/b.c\r\n");
  return variables;
}

}  // namespace

std::string FuzzTokenizer(std::string_view data) {
  const TStringList argv = vy::TokenizeCommandLine(data);
  if (vy::TokenizeCommandLine(Requoted(argv)) != argv) {
    return "quoting every argument does not give the same arguments back";
  }
  if (!Contains(data, "\"")) {
    for (const std::string& argument : argv) {
      if (argument.empty() || Contains(argument, " ") || Contains(argument, "\t")) {
        return "an unquoted argument is empty or holds a blank";
      }
    }
  }
  return {};
}

std::string FuzzStorageStrings(std::string_view data) {
  const TStringList entries = clearcase::SplitStorageString(data);
  for (const std::string& entry : entries) {
    if (Contains(entry, "\r") || Contains(entry, "\n")) return "an entry holds a line break";
  }
  if (clearcase::SplitStorageString(clearcase::JoinStorageString(entries)) != entries) {
    return "joining and splitting changes the entries";
  }
  TStringList view, extended;
  clearcase::SplitPathNames(data, view, extended);
  if (view.size() + extended.size() != entries.size()) return "path names were lost";
  for (const std::string& name : view) {
    if (Contains(name, "@@")) return "an extended path name is filed as a view path name";
  }
  for (const std::string& name : extended) {
    if (!Contains(name, "@@")) return "a view path name is filed as an extended path name";
  }
  return CheckStorageSetters(data);
}

std::string FuzzExpressions(std::string_view data) {
  static const bool environment = setenv("VANTRY_FUZZ_ENV", " env value ", 1) == 0;
  (void)environment;
  static const vy::TVyVariables variables = FuzzVariables();
  const vy::TExpansionResult raw = vy::ExpandText(data, variables, false);
  const vy::TExpansionResult item = vy::ExpandText(data, variables, true);
  if (raw.ok != raw.error.empty()) return "the error does not match the outcome";
  if (raw.ok != item.ok || raw.error != item.error) return "trimming changes the outcome";
  if (item.text != Trimmed(raw.text)) return "an item is not the trimmed expansion";
  if (!Contains(data, "%") && (!raw.ok || raw.text != data)) {
    return "a text without references is not kept as written";
  }
  return {};
}

}  // namespace vyfuzz
