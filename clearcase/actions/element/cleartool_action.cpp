#include "clearcase/actions/element/cleartool_action.h"

#include <string_view>

namespace clearcase {

namespace {

// Blanks and control characters, line breaks included.
bool IsFiller(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string TrimFiller(std::string_view text) {
  while (!text.empty() && IsFiller(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsFiller(text.back())) text.remove_suffix(1);
  return std::string(text);
}

}  // namespace

bool TClearCaseCleartoolAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  const bool base = TClearCaseBaseAction::GetCommandLine(builder);
  std::string arguments;
  if (!TryExpandExpression("Arguments", arguments_, arguments, false)) return false;
  // One argument, exactly as typed: the command line's tokenizer splits it.
  Append(builder, arguments);
  return base;
}

void TClearCaseCleartoolAction::BeforeExecute(vy::ICommandLineBuilder& builder) {
  TClearCaseBaseAction::BeforeExecute(builder);
  // The whole output, only when it goes into a variable.
  SetCollectOutput(saveOutput_);
  SetStreamOutput(!saveOutput_);
}

void TClearCaseCleartoolAction::OnProcessOutput(const vy::TStringList& lines) {
  TClearCaseBaseAction::OnProcessOutput(lines);
  if (!saveOutput_) return;
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  SetVariable(vyVariable_, TrimFiller(text));
}

const vy::TPropertyList& TClearCaseCleartoolAction::PublishedProperties() const {
  using T = TClearCaseCleartoolAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext)
          .String("Arguments", &T::GetArguments, &T::SetArguments)
          .String("Command", &T::GetCommand, &T::SetCommand)
          .Boolean("SaveOutput", &T::GetSaveOutput, &T::SetSaveOutput)
          .String("VyVariable", &T::GetVyVariable, &T::SetVyVariable);
  return list;
}

}  // namespace clearcase
