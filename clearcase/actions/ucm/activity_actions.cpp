#include "clearcase/actions/ucm/activity_actions.h"

namespace clearcase {

bool TClearCaseSetActivityAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseUCMAction::GetCommandLine(builder);
  result = AddComment(builder) && result;
  if (setActivityToNone_) {
    Append(builder, "-none");
    return result;
  }
  result = AddActivityName(builder) && result;
  return result;
}

const vy::TPropertyList& TClearCaseSetActivityAction::PublishedProperties() const {
  using T = TClearCaseSetActivityAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .String("ActivityName", &T::GetActivityName, &T::SetActivityName)
          .String("VOBSelector", &T::GetVOBSelector, &T::SetVOBSelector)
          .Boolean("UseCurrentActivity", &T::GetUseCurrentActivity, &T::SetUseCurrentActivity)
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext)
          .Boolean("SetActivityToNone", &T::GetSetActivityToNone, &T::SetSetActivityToNone);
  return list;
}

bool TClearCaseMakeActivityAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseUCMAction::GetCommandLine(builder);
  result = AddComment(builder) && result;
  if (!headline_.empty()) {
    std::string headline;
    if (!TryExpandExpression("Headline", headline_, headline, true)) return false;
    Append(builder, "-headline " + vy::QuoteArgument(headline));
  }
  if (dontSetAsCurrent_) Append(builder, "-nset");
  Append(builder, "-force");
  if (!autoGenerateName_) result = AddActivityName(builder) && result;
  return result;
}

const vy::TPropertyList& TClearCaseMakeActivityAction::PublishedProperties() const {
  using T = TClearCaseMakeActivityAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .String("ActivityName", &T::GetActivityName, &T::SetActivityName)
          .String("VOBSelector", &T::GetVOBSelector, &T::SetVOBSelector)
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext)
          .String("Comment", &T::GetComment, &T::SetComment)
          .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment)
          .Boolean("AutoGenerateName", &T::GetAutoGenerateName, &T::SetAutoGenerateName)
          .Boolean("DontSetAsCurrent", &T::GetDontSetAsCurrent, &T::SetDontSetAsCurrent)
          .String("Headline", &T::GetHeadline, &T::SetHeadline);
  return list;
}

}  // namespace clearcase
