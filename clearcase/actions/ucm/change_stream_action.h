#pragma once
// Changing a UCM stream: deliver target, policies, recommended baselines and
// the regeneration of its views' config specs. It names the stream with its
// project VOB and needs no view.

#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

class TClearCaseChangeStreamAction : public TClearCaseBaseAction {
 public:
  bool GetActionDoesNotUseViewContext() override { return true; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  std::string GetDesignProject() const { return designProject_; }
  void SetDesignProject(const std::string& value) { designProject_ = value; }
  bool GetChangeTarget() const { return changeTarget_; }
  void SetChangeTarget(bool value) { changeTarget_ = value; }
  bool GetClearTarget() const { return clearTarget_; }
  void SetClearTarget(bool value) { clearTarget_ = value; }
  std::string GetNewTargetStream() const { return newTargetStream_; }
  void SetNewTargetStream(const std::string& value) { newTargetStream_ = value; }
  bool GetEnablePolicy() const { return enablePolicy_; }
  void SetEnablePolicy(bool value) { enablePolicy_ = value; }
  bool GetDisablePolicy() const { return disablePolicy_; }
  void SetDisablePolicy(bool value) { disablePolicy_ = value; }
  std::string GetEnablePolicyNames() const { return enablePolicyNames_; }
  void SetEnablePolicyNames(const std::string& value) { enablePolicyNames_ = value; }
  std::string GetDisablePolicyNames() const { return disablePolicyNames_; }
  void SetDisablePolicyNames(const std::string& value) { disablePolicyNames_ = value; }
  bool GetChangeRecommended() const { return changeRecommended_; }
  void SetChangeRecommended(bool value) { changeRecommended_ = value; }
  bool GetClearRecommended() const { return clearRecommended_; }
  void SetClearRecommended(bool value) { clearRecommended_ = value; }
  bool GetRecommendDefaults() const { return recommendDefaults_; }
  void SetRecommendDefaults(bool value) { recommendDefaults_ = value; }
  std::string GetRecommendBaselines() const { return recommendBaselines_; }
  void SetRecommendBaselines(const std::string& value) { recommendBaselines_ = value; }
  bool GetGenerateSpec() const { return generateSpec_; }
  void SetGenerateSpec(bool value) { generateSpec_ = value; }
  std::string GetStreamName() const { return streamName_; }
  void SetStreamName(const std::string& value) { streamName_ = value; }

 private:
  // Appends the option with the expanded text as its value; false when the
  // expansion failed.
  bool AddExpandedOption(vy::ICommandLineBuilder& builder, const std::string& option,
                         const std::string& label, const std::string& text);
  bool AddTarget(vy::ICommandLineBuilder& builder);
  bool AddRecommended(vy::ICommandLineBuilder& builder);
  bool AddStreamSelector(vy::ICommandLineBuilder& builder);

  std::string designProject_;
  bool changeTarget_ = false;
  bool clearTarget_ = false;
  std::string newTargetStream_;
  bool enablePolicy_ = false;
  bool disablePolicy_ = false;
  std::string enablePolicyNames_;
  std::string disablePolicyNames_;
  bool changeRecommended_ = false;
  bool clearRecommended_ = false;
  bool recommendDefaults_ = false;
  std::string recommendBaselines_;
  bool generateSpec_ = false;
  std::string streamName_;
};

}  // namespace clearcase
