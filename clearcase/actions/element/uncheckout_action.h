#pragma once
// Cancelling checkouts: of the action's path names, or of every checkout of
// the current UCM activity of a view.

#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

class TClearCaseUnCheckOutAction : public TClearCaseBaseAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetKeep() const { return keep_; }
  void SetKeep(bool value) { keep_ = value; }

 private:
  bool keep_ = false;
};

// Publishes what its parent publishes; Keep still chooses "-keep" or "-rm".
class TClearCaseUnCheckOutActivityAction : public TClearCaseUnCheckOutAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  // The operand is always the current activity; stored path names are ignored.
  bool AddPathNames(vy::ICommandLineBuilder& builder) override;
};

}  // namespace clearcase
