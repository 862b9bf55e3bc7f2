#include "clearcase/actions/element/update_action.h"

namespace clearcase {

namespace {

const char* HijackOption(TCCHijackMode mode) {
  switch (mode) {
    case hmNooverwrite:
      return "-noverwrite";
    case hmRename:
      return "-rename";
    case hmOverwrite:
      break;
  }
  return "-overwrite";
}

}  // namespace

bool TClearCaseUpdateAction::Validate(vy::IVyActionValidationError& errors) {
  const bool base = TClearCaseBaseAction::Validate(errors);
  if (NoViewGiven()) {
    errors.AddError("Update Properties", "No snapshot view to update has been specified.", nullptr);
    return false;
  }
  return base;
}

bool TClearCaseUpdateAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  const bool base = TClearCaseBaseAction::GetCommandLine(builder);
  if (pretendOnly_) Append(builder, "-print");
  if (NoViewGiven()) {
    SendMessage("Update failed: No snapshot view specified to update!", vy::tsError);
    return false;
  }
  Append(builder, "-force");
  Append(builder, HijackOption(hijackMode_));
  if (updateTimestamp_ == tbCurrent) Append(builder, "-ctime");
  if (updateTimestamp_ == tbCheckin) Append(builder, "-ptime");
  return base;
}

const vy::TPropertyList& TClearCaseUpdateAction::PublishedProperties() const {
  using T = TClearCaseUpdateAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .Boolean("PretendOnly", &T::GetPretendOnly, &T::SetPretendOnly)
          .Enumeration("UpdateTimestamp", {"tbDefault", "tbCurrent", "tbCheckin"},
                       &T::GetUpdateTimestamp, &T::SetUpdateTimestamp)
          .Enumeration("HijackMode", {"hmOverwrite", "hmNooverwrite", "hmRename"},
                       &T::GetHijackMode, &T::SetHijackMode)
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext);
  return list;
}

}  // namespace clearcase
