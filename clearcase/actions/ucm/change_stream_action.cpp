#include "clearcase/actions/ucm/change_stream_action.h"

#include "clearcase/actions/ucm/project_vob.h"

namespace clearcase {

namespace {

void AppendRaw(vy::ICommandLineBuilder& builder, const std::string& text,
               const std::string& value = {}) {
  builder.AddArgument(text, value, vy::akRaw);
}

// One baseline selector per line becomes one comma-separated list; blank
// lines stay as empty entries, only the final break is dropped.
std::string CommaSeparated(std::string lines) {
  for (auto at = lines.find("\r\n"); at != std::string::npos; at = lines.find("\r\n", at)) {
    lines.replace(at, 2, ",");
  }
  if (!lines.empty() && lines.back() == ',') lines.pop_back();
  return lines;
}

}  // namespace

bool TClearCaseChangeStreamAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseBaseAction::GetCommandLine(builder);
  result = AddComment(builder) && result;
  result = AddTarget(builder) && result;
  if (generateSpec_) AppendRaw(builder, "-generate");
  if (enablePolicy_) {
    result =
        AddExpandedOption(builder, "-policy", "Policies to Enable", enablePolicyNames_) && result;
  }
  if (disablePolicy_) {
    result = AddExpandedOption(builder, "-npolicy", "Policies to Disable", disablePolicyNames_) &&
             result;
  }
  result = AddRecommended(builder) && result;
  result = AddStreamSelector(builder) && result;
  return result;
}

bool TClearCaseChangeStreamAction::AddExpandedOption(vy::ICommandLineBuilder& builder,
                                                     const std::string& option,
                                                     const std::string& label,
                                                     const std::string& text) {
  std::string expanded;
  const bool result = TryExpandExpression(label, text, expanded, true);
  AppendRaw(builder, option, expanded);
  return result;
}

bool TClearCaseChangeStreamAction::AddTarget(vy::ICommandLineBuilder& builder) {
  if (changeTarget_) {
    return AddExpandedOption(builder, "-target", "New Target Stream", newTargetStream_);
  }
  if (clearTarget_) AppendRaw(builder, "-ntarget");
  return true;
}

bool TClearCaseChangeStreamAction::AddRecommended(vy::ICommandLineBuilder& builder) {
  if (!changeRecommended_) {
    if (clearRecommended_) AppendRaw(builder, "-nrecommended");
    return true;
  }
  if (recommendDefaults_) {
    AppendRaw(builder, "-recommended", "-default");
    return true;
  }
  std::string baselines;
  const bool result =
      TryExpandExpression("New Recommended Baselines", recommendBaselines_, baselines, true);
  AppendRaw(builder, "-recommended", CommaSeparated(baselines));
  return result;
}

bool TClearCaseChangeStreamAction::AddStreamSelector(vy::ICommandLineBuilder& builder) {
  std::string stream;
  std::string vob;
  bool result = TryExpandExpression("Stream Name", streamName_, stream, true);
  result = TryExpandExpression("VOB Selector", GetVOBSelector(), vob, true) && result;
  AppendRaw(builder, stream + "@" + RootedVobTag(vob));
  return result;
}

const vy::TPropertyList& TClearCaseChangeStreamAction::PublishedProperties() const {
  using T = TClearCaseChangeStreamAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment)
          .String("Comment", &T::GetComment, &T::SetComment)
          .String("VOBSelector", &T::GetVOBSelector, &T::SetVOBSelector)
          .String("DesignProject", &T::GetDesignProject, &T::SetDesignProject)
          .Boolean("ChangeTarget", &T::GetChangeTarget, &T::SetChangeTarget)
          .Boolean("ClearTarget", &T::GetClearTarget, &T::SetClearTarget)
          .String("NewTargetStream", &T::GetNewTargetStream, &T::SetNewTargetStream)
          .Boolean("EnablePolicy", &T::GetEnablePolicy, &T::SetEnablePolicy)
          .Boolean("DisablePolicy", &T::GetDisablePolicy, &T::SetDisablePolicy)
          .String("EnablePolicyNames", &T::GetEnablePolicyNames, &T::SetEnablePolicyNames)
          .String("DisablePolicyNames", &T::GetDisablePolicyNames, &T::SetDisablePolicyNames)
          .Boolean("ChangeRecommended", &T::GetChangeRecommended, &T::SetChangeRecommended)
          .Boolean("ClearRecommended", &T::GetClearRecommended, &T::SetClearRecommended)
          .Boolean("RecommendDefaults", &T::GetRecommendDefaults, &T::SetRecommendDefaults)
          .String("RecommendBaselines", &T::GetRecommendBaselines, &T::SetRecommendBaselines)
          .Boolean("GenerateSpec", &T::GetGenerateSpec, &T::SetGenerateSpec)
          .String("StreamName", &T::GetStreamName, &T::SetStreamName);
  return list;
}

}  // namespace clearcase
