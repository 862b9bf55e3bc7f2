#include "clearcase/actions/element/uncheckout_action.h"

namespace clearcase {

bool TClearCaseUnCheckOutAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  const bool base = TClearCaseBaseAction::GetCommandLine(builder);
  Append(builder, keep_ ? "-keep" : "-rm");
  const bool operands = AddPathNames(builder);
  return base && operands;
}

const vy::TPropertyList& TClearCaseUnCheckOutAction::PublishedProperties() const {
  using T = TClearCaseUnCheckOutAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .Boolean("Keep", &T::GetKeep, &T::SetKeep)
          .String("PathNameStorageString", &T::GetPathNameStorageString,
                  &T::SetPathNameStorageString)
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext);
  return list;
}

bool TClearCaseUnCheckOutActivityAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  const bool inherited = TClearCaseUnCheckOutAction::GetCommandLine(builder);
  // Without a view of its own, "-cact" would name whatever activity the
  // starting folder happens to be in.
  if (inherited && !GetUseDefaultViewContext() && GetViewContextPath().empty()) {
    SendMessage("Error: You have not specified a View to undo checkout for.", vy::tsError);
    return false;
  }
  return inherited;
}

bool TClearCaseUnCheckOutActivityAction::AddPathNames(vy::ICommandLineBuilder& builder) {
  Append(builder, "-cact");
  return true;
}

}  // namespace clearcase
