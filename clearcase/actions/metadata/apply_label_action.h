#pragma once
// Attaching a label to versions of elements named by path names in a view.

#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

class TClearCaseApplyLabelAction : public TClearCaseBaseAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetReplace() const { return replace_; }
  void SetReplace(bool value) { replace_ = value; }
  bool GetRecurse() const { return recurse_; }
  void SetRecurse(bool value) { recurse_ = value; }
  bool GetFollowLinks() const { return followLinks_; }
  void SetFollowLinks(bool value) { followLinks_ = value; }

 private:
  bool replace_ = false;
  bool recurse_ = false;
  bool followLinks_ = false;
};

}  // namespace clearcase
