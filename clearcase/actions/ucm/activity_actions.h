#pragma once
// Setting a view's current activity, and making a new activity.

#include <string>

#include "clearcase/actions/core/ucm_action.h"

namespace clearcase {

class TClearCaseSetActivityAction : public TClearCaseUCMAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  // Comment and NoComment are not published: the comment page sets them on
  // the live action only.
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetSetActivityToNone() const { return setActivityToNone_; }
  void SetSetActivityToNone(bool value) { setActivityToNone_ = value; }

 private:
  bool setActivityToNone_ = false;
};

class TClearCaseMakeActivityAction : public TClearCaseUCMAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetAutoGenerateName() const { return autoGenerateName_; }
  void SetAutoGenerateName(bool value) { autoGenerateName_ = value; }
  bool GetDontSetAsCurrent() const { return dontSetAsCurrent_; }
  void SetDontSetAsCurrent(bool value) { dontSetAsCurrent_ = value; }
  std::string GetHeadline() const { return headline_; }
  void SetHeadline(const std::string& value) { headline_ = value; }

 private:
  bool autoGenerateName_ = false;
  bool dontSetAsCurrent_ = false;
  std::string headline_;
};

}  // namespace clearcase
