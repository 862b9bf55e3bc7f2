#pragma once
// Listing the checkouts below the view context's folder, optionally into a
// host variable that later actions read.

#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

class TClearCaseFindCheckoutsAction : public TClearCaseBaseAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  // Empties the variable once per run, before cleartool starts.
  void BeforeExecute(vy::ICommandLineBuilder& builder) override;
  // Appends each piece of output to the variable exactly as delivered.
  void OnStdOutData(vy::IVyProcess* process, const std::string& data) override;
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetWriteToVariable() const { return writeToVariable_; }
  void SetWriteToVariable(bool value) { writeToVariable_ = value; }
  std::string GetVariableName() const { return variableName_; }
  void SetVariableName(const std::string& value) { variableName_ = value; }
  bool GetUseShort() const { return useShort_; }
  void SetUseShort(bool value) { useShort_ = value; }
  bool GetRecurse() const { return recurse_; }
  void SetRecurse(bool value) { recurse_ = value; }

 private:
  // An undefined variable is left alone: the listing is only logged.
  bool Collecting() { return writeToVariable_ && IsVariableDefined(variableName_); }

  bool writeToVariable_ = false;
  std::string variableName_;
  bool useShort_ = true;
  bool recurse_ = false;
};

}  // namespace clearcase
