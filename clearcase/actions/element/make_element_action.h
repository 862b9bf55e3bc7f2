#pragma once
// Putting files or directories under version control, for the action's path
// names. The action has no view context of its own.

#include <cstdint>
#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

// The state of a new element.
enum TClearCaseCheckOutType : std::uint8_t { ccCheckedOut, ccCheckedIn, ccNoCheckOut };

class TClearCaseMakeElementAction : public TClearCaseBaseAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetPreserveTime() const { return preserveTime_; }
  void SetPreserveTime(bool value) { preserveTime_ = value; }
  bool GetNoWarnings() const { return noWarnings_; }
  void SetNoWarnings(bool value) { noWarnings_ = value; }
  bool GetMakePath() const { return makePath_; }
  void SetMakePath(bool value) { makePath_ = value; }
  bool GetUseElementType() const { return useElementType_; }
  void SetUseElementType(bool value) { useElementType_ = value; }
  bool GetMaster() const { return master_; }
  void SetMaster(bool value) { master_ = value; }
  std::string GetElementType() const { return elementType_; }
  void SetElementType(const std::string& value) { elementType_ = value; }
  TClearCaseCheckOutType GetCheckout() const { return checkout_; }
  void SetCheckout(TClearCaseCheckOutType value) { checkout_ = value; }

 private:
  bool preserveTime_ = false;
  bool noWarnings_ = false;
  bool makePath_ = false;
  bool useElementType_ = false;
  bool master_ = false;
  std::string elementType_;
  TClearCaseCheckOutType checkout_ = ccCheckedOut;
};

}  // namespace clearcase
