#pragma once
// The parent of the actions that work with UCM activities and components: a
// list of activity selectors with a "current activity" switch, a list of
// component selectors, and the operations that put them on the command line.
// It publishes nothing itself; the concrete actions publish the properties
// below under these names.

#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

class TClearCaseUCMAction : public TClearCaseBaseAction {
 public:
  vy::TStringList GetHiddenProperties() const override;

  // One activity: "-cact", or the expanded "activity:" selector with the VOB.
  virtual bool AddActivityName(vy::ICommandLineBuilder& builder);
  // Several activities in one argument: "-cact", or "activity:" selectors
  // joined by commas, without a VOB.
  virtual bool AddActivitySelectors(vy::ICommandLineBuilder& builder);
  // The component selectors joined by commas, as stored.
  virtual bool AddComponentSelector(vy::ICommandLineBuilder& builder);

  // Properties (published by the concrete actions under these names).
  // ActivityName is the first activity selector; writing it replaces the list.
  std::string GetActivityName() const;
  void SetActivityName(const std::string& value);
  bool GetUseCurrentActivity() const { return useCurrentActivity_; }
  void SetUseCurrentActivity(bool value) { useCurrentActivity_ = value; }
  std::string GetActivitySelectorStorageString() const;
  void SetActivitySelectorStorageString(const std::string& value);
  std::string GetComponentSelectorStorageString() const;
  void SetComponentSelectorStorageString(const std::string& value);

  // The lists the pages edit directly.
  vy::TStringList& ActivitySelectors() { return activitySelectors_; }
  vy::TStringList& ComponentSelectors() { return componentSelectors_; }

 private:
  vy::TStringList activitySelectors_;
  bool useCurrentActivity_ = false;
  vy::TStringList componentSelectors_;
};

}  // namespace clearcase
