#pragma once
// Changing an existing baseline: its labelling status and its promotion
// level. It names the baseline with its project VOB and needs no view.

#include <cstdint>
#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

// The labelling change to make.
enum TCCBaselineTypeChange : std::uint8_t { blNone, blIncremental, blFull };

class TClearCaseChangeBaselineAction : public TClearCaseBaseAction {
 public:
  bool GetActionDoesNotUseViewContext() override { return true; }
  bool Validate(vy::IVyActionValidationError& errors) override;
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  TCCBaselineTypeChange GetTypeChange() const { return typeChange_; }
  void SetTypeChange(TCCBaselineTypeChange value) { typeChange_ = value; }
  bool GetRecurse() const { return recurse_; }
  void SetRecurse(bool value) { recurse_ = value; }
  bool GetAssignLevel() const { return assignLevel_; }
  void SetAssignLevel(bool value) { assignLevel_ = value; }
  std::string GetPromotionLevel() const { return promotionLevel_; }
  void SetPromotionLevel(const std::string& value) { promotionLevel_ = value; }
  std::string GetBaseline() const { return baseline_; }
  void SetBaseline(const std::string& value) { baseline_ = value; }
  std::string GetProjectVOB() const { return projectVOB_; }
  void SetProjectVOB(const std::string& value) { projectVOB_ = value; }

 private:
  bool NothingToChange() const { return typeChange_ == blNone && !assignLevel_; }
  bool AddLevel(vy::ICommandLineBuilder& builder);
  bool AddBaselineSelector(vy::ICommandLineBuilder& builder);

  TCCBaselineTypeChange typeChange_ = blNone;
  bool recurse_ = true;
  bool assignLevel_ = false;
  std::string promotionLevel_;
  std::string baseline_;
  std::string projectVOB_;
};

}  // namespace clearcase
