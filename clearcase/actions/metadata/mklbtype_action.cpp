#include "clearcase/actions/metadata/mklbtype_action.h"

namespace clearcase {

bool TClearCaseMkLbTypeAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseBaseAction::GetCommandLine(builder);
  // Both checks run, so that the user sees every missing setting at once.
  if (GetLabelTypeName().empty()) {
    SendMessage("Error: You have not specified the label type selector for your new label type.",
                vy::tsError);
    result = false;
  }
  if (GetVOBSelector().empty()) {
    SendMessage("Error: You have not specified a selector for your new label type's VOB.",
                vy::tsError);
    result = false;
  }
  if (replace_) Append(builder, "-replace");
  if (makeGlobal_) {
    Append(builder, "-global");
    if (acquire_) Append(builder, "-acquire");
  } else {
    Append(builder, "-ordinary");
  }
  if (pBranch_) Append(builder, "-pbranch");
  if (shared_) Append(builder, "-shared");
  result = AddComment(builder) && result;
  result = AddLabelTypeName(builder) && result;
  return result;
}

const vy::TPropertyList& TClearCaseMkLbTypeAction::PublishedProperties() const {
  using T = TClearCaseMkLbTypeAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .Boolean("MakeGlobal", &T::GetMakeGlobal, &T::SetMakeGlobal)
          .Boolean("Acquire", &T::GetAcquire, &T::SetAcquire)
          .Boolean("PBranch", &T::GetPBranch, &T::SetPBranch)
          .Boolean("Shared", &T::GetShared, &T::SetShared)
          .Boolean("Replace", &T::GetReplace, &T::SetReplace)
          .String("Comment", &T::GetComment, &T::SetComment)
          .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment)
          .String("LabelTypeName", &T::GetLabelTypeName, &T::SetLabelTypeName)
          .String("VOBSelector", &T::GetVOBSelector, &T::SetVOBSelector);
  return list;
}

}  // namespace clearcase
