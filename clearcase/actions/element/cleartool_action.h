#pragma once
// Any cleartool subcommand with free-form arguments, optionally storing what
// it printed in a host variable.

#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

class TClearCaseCleartoolAction : public TClearCaseBaseAction {
 public:
  // The subcommand as stored, never expanded.
  std::string GetCommand() const override { return command_; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  // With SaveOutput, asks the host for the whole output at the end of the run
  // instead of line by line.
  void BeforeExecute(vy::ICommandLineBuilder& builder) override;
  void OnProcessOutput(const vy::TStringList& lines) override;
  const vy::TPropertyList& PublishedProperties() const override;

  std::string GetArguments() const { return arguments_; }
  void SetArguments(const std::string& value) { arguments_ = value; }
  void SetCommand(const std::string& value) { command_ = value; }
  bool GetSaveOutput() const { return saveOutput_; }
  void SetSaveOutput(bool value) { saveOutput_ = value; }
  std::string GetVyVariable() const { return vyVariable_; }
  void SetVyVariable(const std::string& value) { vyVariable_ = value; }

 private:
  std::string arguments_;
  std::string command_;
  bool saveOutput_ = false;
  std::string vyVariable_;
};

}  // namespace clearcase
