#pragma once
// Bringing a whole snapshot view up to date; the view is the action's view
// context, where cleartool starts.

#include <cstdint>
#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

// Which modification time updated files get.
enum TCCTimeStampBehaviour : std::uint8_t { tbDefault, tbCurrent, tbCheckin };
// What happens to hijacked files.
enum TCCHijackMode : std::uint8_t { hmOverwrite, hmNooverwrite, hmRename };

class TClearCaseUpdateAction : public TClearCaseBaseAction {
 public:
  bool Validate(vy::IVyActionValidationError& errors) override;
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetPretendOnly() const { return pretendOnly_; }
  void SetPretendOnly(bool value) { pretendOnly_ = value; }
  TCCTimeStampBehaviour GetUpdateTimestamp() const { return updateTimestamp_; }
  void SetUpdateTimestamp(TCCTimeStampBehaviour value) { updateTimestamp_ = value; }
  TCCHijackMode GetHijackMode() const { return hijackMode_; }
  void SetHijackMode(TCCHijackMode value) { hijackMode_ = value; }

 private:
  bool NoViewGiven() const { return GetViewContextPath().empty() && !GetUseDefaultViewContext(); }

  bool pretendOnly_ = false;
  TCCTimeStampBehaviour updateTimestamp_ = tbDefault;
  TCCHijackMode hijackMode_ = hmOverwrite;
};

}  // namespace clearcase
