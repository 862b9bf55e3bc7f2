#include "clearcase/actions/metadata/apply_label_action.h"

namespace clearcase {

bool TClearCaseApplyLabelAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseBaseAction::GetCommandLine(builder);
  if (replace_) Append(builder, "-replace");
  if (recurse_) Append(builder, "-recurse");
  if (followLinks_) Append(builder, "-follow");
  result = AddVersionSelector(builder) && result;
  result = AddComment(builder) && result;
  result = AddLabelTypeName(builder) && result;
  result = AddPathNames(builder) && result;
  return result;
}

const vy::TPropertyList& TClearCaseApplyLabelAction::PublishedProperties() const {
  using T = TClearCaseApplyLabelAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .Boolean("Replace", &T::GetReplace, &T::SetReplace)
          .Boolean("Recurse", &T::GetRecurse, &T::SetRecurse)
          .Boolean("FollowLinks", &T::GetFollowLinks, &T::SetFollowLinks)
          .String("Comment", &T::GetComment, &T::SetComment)
          .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment)
          .String("LabelTypeName", &T::GetLabelTypeName, &T::SetLabelTypeName)
          .String("PathNameStorageString", &T::GetPathNameStorageString,
                  &T::SetPathNameStorageString)
          .String("VOBSelector", &T::GetVOBSelector, &T::SetVOBSelector)
          .String("VersionSelector", &T::GetVersionSelector, &T::SetVersionSelector)
          .Boolean("UseVersionSelector", &T::GetUseVersionSelector, &T::SetUseVersionSelector)
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext);
  return list;
}

}  // namespace clearcase
