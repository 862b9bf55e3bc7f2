#pragma once
// Cancelling checkouts: of the action's path names, or of every checkout of
// the current UCM activity of a view.

#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

class TClearCaseUnCheckOutAction : public TClearCaseBaseAction {
 public:
  std::string GetActionName() const override { return "ClearCase Undo Checkout"; }
  int GetHelpTopicID() const override { return 4480; }
  std::string GetCommand() const override { return "uncheckout"; }
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
  std::string GetActionName() const override { return "UCM Undo Checkouts for Activity"; }
  int GetHelpTopicID() const override { return 4640; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  // The operand is always the current activity; stored path names are ignored.
  bool AddPathNames(vy::ICommandLineBuilder& builder) override;
};

}  // namespace clearcase
