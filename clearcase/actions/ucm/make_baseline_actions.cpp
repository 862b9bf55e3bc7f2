#include "clearcase/actions/ucm/make_baseline_actions.h"

namespace clearcase {

namespace {

const char* LabellingOption(TLabelBehaviour labelling) {
  switch (labelling) {
    case lbAll:
      return "-full";
    case lbNone:
      return "-nlabel";
    case lbIncremental:
      break;
  }
  return "-incremental";
}

}  // namespace

vy::TStringList TClearCaseMakeBaselineAction::GetHiddenProperties() const {
  vy::TStringList names = TClearCaseUCMAction::GetHiddenProperties();
  names.push_back("DesignLastPVOB");
  names.push_back("DesignLastProject");
  names.push_back("DesignLastStream");
  return names;
}

bool TClearCaseMakeBaselineAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseUCMAction::GetCommandLine(builder);
  result = AddComment(builder) && result;
  result = AddSelection(builder) && result;
  if (selectionType_ != slActivities && selectIdenticalComponents_) Append(builder, "-identical");
  Append(builder, LabellingOption(labelling_));
  result = AddBaselineName(builder) && result;
  return result;
}

bool TClearCaseMakeBaselineAction::AddSelection(vy::ICommandLineBuilder& builder) {
  switch (selectionType_) {
    case slComponents:
      Append(builder, "-component");
      return AddComponentSelector(builder);
    case slActivities:
      Append(builder, "-activities");
      return AddActivitySelectors(builder);
    case slAll:
      break;
  }
  Append(builder, "-all");
  return true;
}

// Without a name of its own the project's naming template names the baseline.
bool TClearCaseMakeBaselineAction::AddBaselineName(vy::ICommandLineBuilder& builder) {
  if (useBaselineNameTemplate_) return true;
  std::string name;
  if (!TryExpandExpression("Baseline Root Name", baselineRootName_, name, true)) return false;
  Append(builder, name);
  return true;
}

const vy::TPropertyList& TClearCaseMakeBaselineAction::PublishedProperties() const {
  using T = TClearCaseMakeBaselineAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .Enumeration("SelectionType", {"slAll", "slComponents", "slActivities"},
                       &T::GetSelectionType, &T::SetSelectionType)
          .Boolean("SelectIdenticalComponents", &T::GetSelectIdenticalComponents,
                   &T::SetSelectIdenticalComponents)
          .Enumeration("Labelling", {"lbIncremental", "lbAll", "lbNone"}, &T::GetLabelling,
                       &T::SetLabelling)
          .String("BaselineRootName", &T::GetBaselineRootName, &T::SetBaselineRootName)
          .Boolean("UseBaselineNameTemplate", &T::GetUseBaselineNameTemplate,
                   &T::SetUseBaselineNameTemplate)
          .String("DesignLastPVOB", &T::GetDesignLastPVOB, &T::SetDesignLastPVOB)
          .String("DesignLastProject", &T::GetDesignLastProject, &T::SetDesignLastProject)
          .String("DesignLastStream", &T::GetDesignLastStream, &T::SetDesignLastStream)
          .String("Comment", &T::GetComment, &T::SetComment)
          .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment)
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext)
          .String("ActivitySelectorStorageString", &T::GetActivitySelectorStorageString,
                  &T::SetActivitySelectorStorageString)
          .String("ComponentSelectorStorageString", &T::GetComponentSelectorStorageString,
                  &T::SetComponentSelectorStorageString);
  return list;
}

bool TClearCaseMakeBaselineFromLabelAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseUCMAction::GetCommandLine(builder);
  result = AddComment(builder) && result;
  Append(builder, "-import");
  if (specifyComponents_) {
    Append(builder, "-component");
    result = AddComponentSelector(builder) && result;
  }
  result = AddLabelTypeName(builder) && result;
  return result;
}

const vy::TPropertyList& TClearCaseMakeBaselineFromLabelAction::PublishedProperties() const {
  using T = TClearCaseMakeBaselineFromLabelAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .Boolean("SpecifyComponents", &T::GetSpecifyComponents, &T::SetSpecifyComponents)
          .String("Comment", &T::GetComment, &T::SetComment)
          .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment)
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext)
          .String("ComponentSelectorStorageString", &T::GetComponentSelectorStorageString,
                  &T::SetComponentSelectorStorageString)
          .String("LabelTypeName", &T::GetLabelTypeName, &T::SetLabelTypeName)
          .String("VOBSelector", &T::GetVOBSelector, &T::SetVOBSelector);
  return list;
}

}  // namespace clearcase
