#include "clearcase/actions/element/find_checkouts_action.h"

namespace clearcase {

bool TClearCaseFindCheckoutsAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  const bool base = TClearCaseBaseAction::GetCommandLine(builder);
  if (useShort_) Append(builder, "-short");
  if (recurse_) Append(builder, "-r");
  return base;
}

void TClearCaseFindCheckoutsAction::BeforeExecute(vy::ICommandLineBuilder& builder) {
  TClearCaseBaseAction::BeforeExecute(builder);
  if (Collecting() && !IsDryRun()) SetVariable(variableName_, {});
}

void TClearCaseFindCheckoutsAction::OnStdOutData(vy::IVyProcess* process, const std::string& data) {
  TClearCaseBaseAction::OnStdOutData(process, data);
  if (Collecting()) SetVariable(variableName_, GetVariableValue(variableName_) + data);
}

const vy::TPropertyList& TClearCaseFindCheckoutsAction::PublishedProperties() const {
  using T = TClearCaseFindCheckoutsAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext)
          .Boolean("WriteToVariable", &T::GetWriteToVariable, &T::SetWriteToVariable)
          .String("VariableName", &T::GetVariableName, &T::SetVariableName)
          .Boolean("UseShort", &T::GetUseShort, &T::SetUseShort)
          .Boolean("Recurse", &T::GetRecurse, &T::SetRecurse);
  return list;
}

}  // namespace clearcase
