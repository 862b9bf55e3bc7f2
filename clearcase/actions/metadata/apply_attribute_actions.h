#pragma once
// Attaching an attribute with a value, to path names or to object selectors.

#include <string>

#include "clearcase/actions/core/attribute_action.h"

namespace clearcase {

// Works on path names without a view context of its own.
class TClearCaseApplyAttributePathNamesAction : public TClearCaseBaseAttributeAction {
 public:
  bool GetActionDoesNotUseViewContext() override { return true; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetReplace() const { return replace_; }
  void SetReplace(bool value) { replace_ = value; }
  bool GetRecurse() const { return recurse_; }
  void SetRecurse(bool value) { recurse_ = value; }

 private:
  bool replace_ = false;
  bool recurse_ = false;
};

class TClearCaseApplyAttributeObjectsAction : public TClearCaseBaseAttributeAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetReplace() const { return replace_; }
  void SetReplace(bool value) { replace_ = value; }

 private:
  bool replace_ = false;
};

}  // namespace clearcase
