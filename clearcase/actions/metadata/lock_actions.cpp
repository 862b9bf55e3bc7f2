#include "clearcase/actions/metadata/lock_actions.h"

namespace clearcase {

bool TClearCaseLockGenericAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseBaseAction::GetCommandLine(builder);
  if (replace_) Append(builder, "-replace");
  // Exempting users and marking obsolete exclude each other; the exemption wins.
  if (useNUsers_) {
    builder.AddArgument("-nusers", nUsersList_, vy::akOptionValue);
  } else if (obsolete_) {
    Append(builder, "-obsolete");
  }
  result = AddComment(builder) && result;
  return result;
}

const vy::TPropertyList& TClearCaseLockGenericAction::PublishedProperties() const {
  using T = TClearCaseLockGenericAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .Boolean("Replace", &T::GetReplace, &T::SetReplace)
          .Boolean("Obsolete", &T::GetObsolete, &T::SetObsolete)
          .Boolean("UseNUsers", &T::GetUseNUsers, &T::SetUseNUsers)
          .String("NUsersList", &T::GetNUsersList, &T::SetNUsersList)
          .String("Comment", &T::GetComment, &T::SetComment)
          .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment);
  return list;
}

bool TClearCaseLockPathNamesAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseLockGenericAction::GetCommandLine(builder);
  Append(builder, "-pname");
  result = AddPathNames(builder) && result;
  return result;
}

const vy::TPropertyList& TClearCaseLockPathNamesAction::PublishedProperties() const {
  using T = TClearCaseLockPathNamesAction;
  static const vy::TPropertyList list =
      vy::Publish<T>(TClearCaseLockGenericAction::PublishedProperties())
          .String("PathNameStorageString", &T::GetPathNameStorageString,
                  &T::SetPathNameStorageString)
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext);
  return list;
}

bool TClearCaseLockObjectsAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseLockGenericAction::GetCommandLine(builder);
  result = AddObjectSelectors(builder) && result;
  return result;
}

const vy::TPropertyList& TClearCaseLockObjectsAction::PublishedProperties() const {
  using T = TClearCaseLockObjectsAction;
  static const vy::TPropertyList list =
      vy::Publish<T>(TClearCaseLockGenericAction::PublishedProperties())
          .String("ObjectsStorageString", &T::GetObjectsStorageString, &T::SetObjectsStorageString);
  return list;
}

bool TClearCaseUnlockPathNamesAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseBaseAction::GetCommandLine(builder);
  result = AddComment(builder) && result;
  Append(builder, "-pname");
  result = AddPathNames(builder) && result;
  return result;
}

const vy::TPropertyList& TClearCaseUnlockPathNamesAction::PublishedProperties() const {
  using T = TClearCaseUnlockPathNamesAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .String("PathNameStorageString", &T::GetPathNameStorageString,
                  &T::SetPathNameStorageString)
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext)
          .String("Comment", &T::GetComment, &T::SetComment)
          .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment);
  return list;
}

bool TClearCaseUnlockObjectsAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseBaseAction::GetCommandLine(builder);
  result = AddComment(builder) && result;
  result = AddObjectSelectors(builder) && result;
  return result;
}

const vy::TPropertyList& TClearCaseUnlockObjectsAction::PublishedProperties() const {
  using T = TClearCaseUnlockObjectsAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .String("ObjectsStorageString", &T::GetObjectsStorageString, &T::SetObjectsStorageString)
          .String("Comment", &T::GetComment, &T::SetComment)
          .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment);
  return list;
}

}  // namespace clearcase
