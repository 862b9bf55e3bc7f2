#include "clearcase/actions/ucm/change_baseline_action.h"

#include "clearcase/actions/ucm/project_vob.h"

namespace clearcase {

bool TClearCaseChangeBaselineAction::Validate(vy::IVyActionValidationError& errors) {
  const bool base = TClearCaseBaseAction::Validate(errors);
  if (NothingToChange()) {
    errors.AddError("Baseline Change",
                    "You must select to either change the Built Level or the Labelling Status of "
                    "the Baseline.",
                    nullptr);
    return false;
  }
  return base;
}

bool TClearCaseChangeBaselineAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseBaseAction::GetCommandLine(builder);
  result = AddComment(builder) && result;
  if (NothingToChange()) {
    SendMessage(
        "You must select to either change the Built Level or the Labelling Status of the "
        "Baseline. No change is being made.",
        vy::tsError);
    result = false;
  }
  if (typeChange_ != blNone) {
    Append(builder, typeChange_ == blFull ? "-full" : "-incremental");
    if (!recurse_) Append(builder, "-nrecurse");
  }
  if (assignLevel_) result = AddLevel(builder) && result;
  result = AddBaselineSelector(builder) && result;
  return result;
}

bool TClearCaseChangeBaselineAction::AddLevel(vy::ICommandLineBuilder& builder) {
  std::string level;
  const bool expanded = TryExpandExpression("Promotion Level", promotionLevel_, level, true);
  builder.AddArgument("-level", level, vy::akOptionValue);
  return expanded;
}

bool TClearCaseChangeBaselineAction::AddBaselineSelector(vy::ICommandLineBuilder& builder) {
  std::string baseline;
  std::string vob;
  bool result = TryExpandExpression("Baseline Name", baseline_, baseline, true);
  result = TryExpandExpression("Project VOB Name", projectVOB_, vob, true) && result;
  builder.AddArgument("baseline:" + baseline + "@" + RootedVobTag(vob), {}, vy::akRaw);
  return result;
}

const vy::TPropertyList& TClearCaseChangeBaselineAction::PublishedProperties() const {
  using T = TClearCaseChangeBaselineAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment)
          .String("Comment", &T::GetComment, &T::SetComment)
          .Enumeration("TypeChange", {"blNone", "blIncremental", "blFull"}, &T::GetTypeChange,
                       &T::SetTypeChange)
          .Boolean("Recurse", &T::GetRecurse, &T::SetRecurse)
          .Boolean("AssignLevel", &T::GetAssignLevel, &T::SetAssignLevel)
          .String("PromotionLevel", &T::GetPromotionLevel, &T::SetPromotionLevel)
          .String("Baseline", &T::GetBaseline, &T::SetBaseline)
          .String("ProjectVOB", &T::GetProjectVOB, &T::SetProjectVOB);
  return list;
}

}  // namespace clearcase
