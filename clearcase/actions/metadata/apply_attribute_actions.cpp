#include "clearcase/actions/metadata/apply_attribute_actions.h"

namespace clearcase {
namespace {

// Both actions publish the comment and the attribute first, in this order.
template <class T>
vy::Publish<T> CommentAndAttribute() {
  vy::Publish<T> publish;
  publish.Boolean("NoComment", &T::GetNoComment, &T::SetNoComment)
      .String("Comment", &T::GetComment, &T::SetComment)
      .String("AttributeName", &T::GetAttributeName, &T::SetAttributeName)
      .String("AttributeValue", &T::GetAttributeValue, &T::SetAttributeValue)
      .Boolean("UseDefaultAttributeValue", &T::GetUseDefaultAttributeValue,
               &T::SetUseDefaultAttributeValue);
  return publish;
}

}  // namespace

bool TClearCaseApplyAttributePathNamesAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseBaseAction::GetCommandLine(builder);
  if (replace_) Append(builder, "-replace");
  if (recurse_) Append(builder, "-recurse");
  if (GetUseVersionSelector()) result = AddVersionSelector(builder) && result;
  Append(builder, "-pname");
  result = AddComment(builder) && result;
  result = AddAttributeNameAndValue(builder) && result;
  result = AddPathNames(builder) && result;
  return result;
}

const vy::TPropertyList& TClearCaseApplyAttributePathNamesAction::PublishedProperties() const {
  using T = TClearCaseApplyAttributePathNamesAction;
  static const vy::TPropertyList list =
      CommentAndAttribute<T>()
          .String("PathNameStorageString", &T::GetPathNameStorageString,
                  &T::SetPathNameStorageString)
          .String("VersionSelector", &T::GetVersionSelector, &T::SetVersionSelector)
          .Boolean("UseVersionSelector", &T::GetUseVersionSelector, &T::SetUseVersionSelector)
          .String("VOBSelector", &T::GetVOBSelector, &T::SetVOBSelector)
          .Boolean("Replace", &T::GetReplace, &T::SetReplace)
          .Boolean("Recurse", &T::GetRecurse, &T::SetRecurse);
  return list;
}

bool TClearCaseApplyAttributeObjectsAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseBaseAction::GetCommandLine(builder);
  if (replace_) Append(builder, "-replace");
  result = AddComment(builder) && result;
  result = AddAttributeNameAndValue(builder) && result;
  result = AddObjectSelectors(builder) && result;
  return result;
}

const vy::TPropertyList& TClearCaseApplyAttributeObjectsAction::PublishedProperties() const {
  using T = TClearCaseApplyAttributeObjectsAction;
  static const vy::TPropertyList list =
      CommentAndAttribute<T>()
          .String("ObjectsStorageString", &T::GetObjectsStorageString, &T::SetObjectsStorageString)
          .String("VOBSelector", &T::GetVOBSelector, &T::SetVOBSelector)
          .Boolean("Replace", &T::GetReplace, &T::SetReplace);
  return list;
}

}  // namespace clearcase
