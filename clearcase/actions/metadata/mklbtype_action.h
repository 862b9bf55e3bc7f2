#pragma once
// Making a label type in a VOB. It works on the VOB, not in a view.

#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

class TClearCaseMkLbTypeAction : public TClearCaseBaseAction {
 public:
  bool GetActionDoesNotUseViewContext() override { return true; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetMakeGlobal() const { return makeGlobal_; }
  void SetMakeGlobal(bool value) { makeGlobal_ = value; }
  bool GetAcquire() const { return acquire_; }
  void SetAcquire(bool value) { acquire_ = value; }
  bool GetPBranch() const { return pBranch_; }
  void SetPBranch(bool value) { pBranch_ = value; }
  bool GetShared() const { return shared_; }
  void SetShared(bool value) { shared_ = value; }
  bool GetReplace() const { return replace_; }
  void SetReplace(bool value) { replace_ = value; }

 private:
  bool makeGlobal_ = false;
  bool acquire_ = false;
  bool pBranch_ = false;
  bool shared_ = false;
  bool replace_ = false;
};

}  // namespace clearcase
