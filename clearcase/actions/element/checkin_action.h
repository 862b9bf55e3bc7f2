#pragma once
// Checking elements in: the shared switches, then either the action's path
// names or a UCM activity as operands.

#include <string>

#include "clearcase/actions/core/ucm_action.h"

namespace clearcase {

class TClearCaseCheckInGenericAction : public TClearCaseUCMAction {
 public:
  // Everything but the operands; false only when the base could not start
  // the command line.
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetNoWarnings() const { return noWarnings_; }
  void SetNoWarnings(bool value) { noWarnings_ = value; }
  bool GetKeep() const { return keep_; }
  void SetKeep(bool value) { keep_ = value; }
  bool GetRemove() const { return remove_; }
  void SetRemove(bool value) { remove_ = value; }
  bool GetPreserveTime() const { return preserveTime_; }
  void SetPreserveTime(bool value) { preserveTime_ = value; }
  bool GetIdenticalCheckin() const { return identicalCheckin_; }
  void SetIdenticalCheckin(bool value) { identicalCheckin_ = value; }

 private:
  bool noWarnings_ = false;
  bool keep_ = false;
  bool remove_ = false;
  bool preserveTime_ = false;
  bool identicalCheckin_ = false;
};

// Publishes what its parent publishes.
class TClearCaseCheckInPathAction : public TClearCaseCheckInGenericAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
};

// Adds the activity properties; the stored path names are never read.
class TClearCaseCheckInActivityAction : public TClearCaseCheckInGenericAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;
};

}  // namespace clearcase
