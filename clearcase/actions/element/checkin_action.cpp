#include "clearcase/actions/element/checkin_action.h"

namespace clearcase {

bool TClearCaseCheckInGenericAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  if (!TClearCaseUCMAction::GetCommandLine(builder)) return false;
  // A comment that cannot be expanded is left out; the checkin still runs.
  AddComment(builder);
  if (noWarnings_) Append(builder, "-nwarn");
  if (preserveTime_) Append(builder, "-ptime");
  if (keep_) {
    Append(builder, "-keep");
  } else if (remove_) {
    Append(builder, "-rm");
  }
  if (identicalCheckin_) Append(builder, "-identical");
  return true;
}

const vy::TPropertyList& TClearCaseCheckInGenericAction::PublishedProperties() const {
  using T = TClearCaseCheckInGenericAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .String("PathNameStorageString", &T::GetPathNameStorageString,
                  &T::SetPathNameStorageString)
          .String("Comment", &T::GetComment, &T::SetComment)
          .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment)
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext)
          .Boolean("NoWarnings", &T::GetNoWarnings, &T::SetNoWarnings)
          .Boolean("Keep", &T::GetKeep, &T::SetKeep)
          .Boolean("Remove", &T::GetRemove, &T::SetRemove)
          .Boolean("PreserveTime", &T::GetPreserveTime, &T::SetPreserveTime)
          .Boolean("IdenticalCheckin", &T::GetIdenticalCheckin, &T::SetIdenticalCheckin);
  return list;
}

bool TClearCaseCheckInPathAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  const bool common = TClearCaseCheckInGenericAction::GetCommandLine(builder);
  const bool paths = AddPathNames(builder);
  return common && paths;
}

bool TClearCaseCheckInActivityAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  const bool common = TClearCaseCheckInGenericAction::GetCommandLine(builder);
  const bool activity = AddActivityName(builder);
  return common && activity;
}

const vy::TPropertyList& TClearCaseCheckInActivityAction::PublishedProperties() const {
  using T = TClearCaseCheckInActivityAction;
  static const vy::TPropertyList list =
      vy::Publish<T>(TClearCaseCheckInGenericAction::PublishedProperties())
          .String("ActivityName", &T::GetActivityName, &T::SetActivityName)
          .String("VOBSelector", &T::GetVOBSelector, &T::SetVOBSelector)
          .Boolean("UseCurrentActivity", &T::GetUseCurrentActivity, &T::SetUseCurrentActivity);
  return list;
}

}  // namespace clearcase
