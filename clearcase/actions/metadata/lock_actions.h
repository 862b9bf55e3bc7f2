#pragma once
// Locking and unlocking ClearCase objects, named either by path names in a
// view or by object selectors.

#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

// The lock options both lock actions share; never registered itself.
class TClearCaseLockGenericAction : public TClearCaseBaseAction {
 public:
  // The subcommand, the lock options and the comment; the operands are the
  // subclass's.
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetReplace() const { return replace_; }
  void SetReplace(bool value) { replace_ = value; }
  bool GetObsolete() const { return obsolete_; }
  void SetObsolete(bool value) { obsolete_ = value; }
  bool GetUseNUsers() const { return useNUsers_; }
  void SetUseNUsers(bool value) { useNUsers_ = value; }
  std::string GetNUsersList() const { return nUsersList_; }
  void SetNUsersList(const std::string& value) { nUsersList_ = value; }

 private:
  bool replace_ = false;
  bool obsolete_ = false;
  bool useNUsers_ = false;
  std::string nUsersList_;
};

class TClearCaseLockPathNamesAction : public TClearCaseLockGenericAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;
};

class TClearCaseLockObjectsAction : public TClearCaseLockGenericAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;
};

class TClearCaseUnlockPathNamesAction : public TClearCaseBaseAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;
};

class TClearCaseUnlockObjectsAction : public TClearCaseBaseAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;
};

}  // namespace clearcase
