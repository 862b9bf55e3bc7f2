#pragma once
// Making UCM baselines: from the changes in a stream, or by importing an
// existing label.

#include <cstdint>
#include <string>

#include "clearcase/actions/core/ucm_action.h"

namespace clearcase {

// Which components get a baseline.
enum TSelectionType : std::uint8_t { slAll, slComponents, slActivities };
// How the baseline's elements are labelled.
enum TLabelBehaviour : std::uint8_t { lbIncremental, lbAll, lbNone };

class TClearCaseMakeBaselineAction : public TClearCaseUCMAction {
 public:
  vy::TStringList GetHiddenProperties() const override;
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  TSelectionType GetSelectionType() const { return selectionType_; }
  void SetSelectionType(TSelectionType value) { selectionType_ = value; }
  bool GetSelectIdenticalComponents() const { return selectIdenticalComponents_; }
  void SetSelectIdenticalComponents(bool value) { selectIdenticalComponents_ = value; }
  TLabelBehaviour GetLabelling() const { return labelling_; }
  void SetLabelling(TLabelBehaviour value) { labelling_ = value; }
  std::string GetBaselineRootName() const { return baselineRootName_; }
  void SetBaselineRootName(const std::string& value) { baselineRootName_ = value; }
  bool GetUseBaselineNameTemplate() const { return useBaselineNameTemplate_; }
  void SetUseBaselineNameTemplate(bool value) { useBaselineNameTemplate_ = value; }
  // The design-time page's last choices; never on the command line.
  std::string GetDesignLastPVOB() const { return designLastPVOB_; }
  void SetDesignLastPVOB(const std::string& value) { designLastPVOB_ = value; }
  std::string GetDesignLastProject() const { return designLastProject_; }
  void SetDesignLastProject(const std::string& value) { designLastProject_ = value; }
  std::string GetDesignLastStream() const { return designLastStream_; }
  void SetDesignLastStream(const std::string& value) { designLastStream_ = value; }

 private:
  bool AddSelection(vy::ICommandLineBuilder& builder);
  bool AddBaselineName(vy::ICommandLineBuilder& builder);

  TSelectionType selectionType_ = slAll;
  bool selectIdenticalComponents_ = false;
  TLabelBehaviour labelling_ = lbIncremental;
  std::string baselineRootName_;
  bool useBaselineNameTemplate_ = false;
  std::string designLastPVOB_;
  std::string designLastProject_;
  std::string designLastStream_;
};

class TClearCaseMakeBaselineFromLabelAction : public TClearCaseUCMAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetSpecifyComponents() const { return specifyComponents_; }
  void SetSpecifyComponents(bool value) { specifyComponents_ = value; }

 private:
  bool specifyComponents_ = false;
};

}  // namespace clearcase
