#include "clearcase/actions/element/checkout_action.h"

namespace clearcase {

bool TClearCaseCheckoutAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseBaseAction::GetCommandLine(builder);
  if (reserved_) Append(builder, "-reserved");
  if (unreserved_) Append(builder, "-unreserved");
  if (!AddDataLocation(builder)) return false;
  if (preserveTime_) Append(builder, "-ptime");
  if (!AddSelection(builder)) return false;
  result = AddComment(builder) && result;
  Append(builder, "-nquery");
  result = AddPathNames(builder) && result;
  return result;
}

bool TClearCaseCheckoutAction::AddDataLocation(vy::ICommandLineBuilder& builder) {
  if (dataLocation_ == coNoData) Append(builder, "-ndata");
  if (dataLocation_ != coOut) return true;
  std::string path;
  if (!TryExpandExpression("External Pathname", outExternalPath_, path, true)) return false;
  Append(builder, "-out " + vy::QuoteArgument(path));
  return true;
}

bool TClearCaseCheckoutAction::AddSelection(vy::ICommandLineBuilder& builder) {
  std::string selector;
  if (selectionMode_ == coVersion) {
    if (!TryExpandExpression("Version Selector", versionSelector_, selector, true)) return false;
    Append(builder, "-version " + vy::QuoteArgument(selector));
  } else if (selectionMode_ == coBranch) {
    if (!TryExpandExpression("Branch Selector", branchSelector_, selector, true)) return false;
    Append(builder, "-branch " + vy::QuoteArgument(selector));
  }
  return true;
}

const vy::TPropertyList& TClearCaseCheckoutAction::PublishedProperties() const {
  using T = TClearCaseCheckoutAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment)
          .String("Comment", &T::GetComment, &T::SetComment)
          .String("PathNameStorageString", &T::GetPathNameStorageString,
                  &T::SetPathNameStorageString)
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext)
          .Boolean("Reserved", &T::GetReserved, &T::SetReserved)
          .Boolean("Unreserved", &T::GetUnreserved, &T::SetUnreserved)
          .Boolean("PreserveTime", &T::GetPreserveTime, &T::SetPreserveTime)
          .Enumeration("DataLocation", {"coView", "coOut", "coNoData"}, &T::GetDataLocation,
                       &T::SetDataLocation)
          .Enumeration("SelectionMode", {"coDefault", "coVersion", "coBranch"},
                       &T::GetSelectionMode, &T::SetSelectionMode)
          .String("OutExternalPath", &T::GetOutExternalPath, &T::SetOutExternalPath)
          .String("VersionSelector", &T::GetVersionSelector, &T::SetVersionSelector)
          .String("BranchSelector", &T::GetBranchSelector, &T::SetBranchSelector);
  return list;
}

}  // namespace clearcase
