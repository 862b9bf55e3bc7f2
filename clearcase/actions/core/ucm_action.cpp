#include "clearcase/actions/core/ucm_action.h"

#include "clearcase/actions/core/storage_strings.h"

namespace clearcase {

namespace {

// The activities one selector stands for: an expansion may yield a list.
vy::TStringList ActivitiesOf(const std::string& expanded) {
  if (expanded.find("\r\n") == std::string::npos) return {expanded};
  return SplitStorageString(expanded);
}

}  // namespace

vy::TStringList TClearCaseUCMAction::GetHiddenProperties() const {
  vy::TStringList names = TClearCaseBaseAction::GetHiddenProperties();
  names.push_back("ComponentSelectorStorageString");
  names.push_back("ActivitySelectorStorageString");
  return names;
}

bool TClearCaseUCMAction::AddActivityName(vy::ICommandLineBuilder& builder) {
  if (useCurrentActivity_ || activitySelectors_.empty()) {
    Append(builder, "-cact");
    return true;
  }
  std::string selector = "activity:" + GetActivityName();
  if (!GetVOBSelector().empty()) selector += "@" + GetVOBSelector();
  std::string expanded;
  if (!TryExpandExpression("Activity Name", selector, expanded, true)) return false;
  Append(builder, vy::QuoteArgumentIfNeeded(expanded));
  return true;
}

bool TClearCaseUCMAction::AddActivitySelectors(vy::ICommandLineBuilder& builder) {
  if (useCurrentActivity_ || activitySelectors_.empty()) {
    Append(builder, "-cact");
    return true;
  }
  std::string joined;
  for (const std::string& selector : activitySelectors_) {
    for (const std::string& activity : ActivitiesOf(ExpandExpression(selector, true))) {
      joined += "activity:" + activity + ",";
    }
  }
  joined.pop_back();
  Append(builder, vy::QuoteArgumentIfNeeded(joined));
  return true;
}

bool TClearCaseUCMAction::AddComponentSelector(vy::ICommandLineBuilder& builder) {
  if (componentSelectors_.empty()) {
    SendMessage("Error: No UCM components selected.", vy::tsError);
    return false;
  }
  std::string joined;
  for (const std::string& component : componentSelectors_) joined += component + ",";
  joined.pop_back();
  Append(builder, vy::QuoteArgumentIfNeeded(joined));
  return true;
}

std::string TClearCaseUCMAction::GetActivityName() const {
  return activitySelectors_.empty() ? std::string() : activitySelectors_.front();
}

void TClearCaseUCMAction::SetActivityName(const std::string& value) {
  activitySelectors_.assign(1, value);
}

std::string TClearCaseUCMAction::GetActivitySelectorStorageString() const {
  return JoinStorageString(activitySelectors_);
}

void TClearCaseUCMAction::SetActivitySelectorStorageString(const std::string& value) {
  activitySelectors_ = SplitStorageString(value);
}

std::string TClearCaseUCMAction::GetComponentSelectorStorageString() const {
  return JoinStorageString(componentSelectors_);
}

void TClearCaseUCMAction::SetComponentSelectorStorageString(const std::string& value) {
  componentSelectors_ = SplitStorageString(value);
}

}  // namespace clearcase
