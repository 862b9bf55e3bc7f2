#pragma once
// Actions: the host's build steps. A package derives its actions from
// TVyExecuteAbstractAction; the host runs them through the protocol in
// run.h and reaches their settings through published properties.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vycore/command_line.h"
#include "vycore/expressions.h"
#include "vycore/process.h"
#include "vycore/properties.h"
#include "vycore/types.h"

namespace vy {

class IVyActionValidationError {
 public:
  virtual ~IVyActionValidationError() = default;
  virtual void AddError(const std::string& propertyName, const std::string& message,
                        const TVyPersistent* relatedObject) = 0;
};

struct TLogEntry {
  std::string text;
  TStatusTag tag;
};

class TCustomVyAction;

// What an action sees of the host while it runs: its log and the variables.
class IVyActionHost {
 public:
  virtual ~IVyActionHost() = default;
  virtual void Log(const TCustomVyAction& action, const std::string& text, TStatusTag tag) = 0;
  virtual TVyVariables& Variables() = 0;
};

class TCustomVyAction : public TVyPersistent {
 public:
  TCustomVyAction();
  ~TCustomVyAction() override;

  // Without a host the action keeps its own variables and its own log in
  // Messages(). With one, messages go to the host only: an action that logs
  // a flood of output must not hold it for the rest of the run.
  void AttachHost(IVyActionHost* host) { host_ = host; }
  const std::vector<TLogEntry>& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }

  void SendMessage(const std::string& text, TStatusTag tag);
  // On failure the problem is logged with the error tag, naming propertyName
  // and the variable, and false is returned; `text` is then unspecified.
  bool TryExpandExpression(const std::string& propertyName, const std::string& expression,
                           std::string& text, bool flag);
  // Never fails: what cannot be expanded is logged and left as written.
  std::string ExpandExpression(const std::string& expression, bool flag);
  void SetVariable(const std::string& name, const std::string& value);
  std::string GetVariableValue(const std::string& name);
  bool IsVariableDefined(const std::string& name);

  virtual std::string GetActionName() const = 0;
  virtual int GetHelpTopicID() const { return 0; }
  virtual std::string GetQuickHelpFilename() const { return {}; }
  // Names stored by the host but not shown in its property list.
  virtual TStringList GetHiddenProperties() const { return {}; }
  virtual bool Validate(IVyActionValidationError& errors);

 private:
  TVyVariables& Variables();

  IVyActionHost* host_ = nullptr;
  std::unique_ptr<TVyVariables> ownVariables_;
  std::vector<TLogEntry> messages_;
};

// An action that runs an external program. Run settings (not published):
//  - CollectOutput: the host collects the whole standard output and hands it
//    to OnProcessOutput when the program has ended (lines without terminators).
//  - StreamOutput: the host hands each output line to OnStdOutData /
//    OnStdErrData as it arrives (lines with their terminators).
// Both start false; a package sets them in its constructor. With
// StreamOutput off the host logs standard error itself, and standard output
// too when CollectOutput is off as well, so that no output is lost.
class TVyExecuteAbstractAction : public TCustomVyAction {
 public:
  bool GetCollectOutput() const { return collectOutput_; }
  void SetCollectOutput(bool value) { collectOutput_ = value; }
  bool GetStreamOutput() const { return streamOutput_; }
  void SetStreamOutput(bool value) { streamOutput_ = value; }
  // Set by the host while it prepares the action for a dry run: the hooks up
  // to BeforeExecute run so that the command line shows, but they must
  // create, write or set nothing.
  bool IsDryRun() const { return dryRun_; }
  void SetDryRun(bool value) { dryRun_ = value; }

  virtual bool GetCommandLine(ICommandLineBuilder& builder);
  virtual bool AfterGetCommandLine() { return true; }
  // The inherited rule: the default itself when it is a directory, else the
  // directory that holds it; empty when neither exists.
  virtual std::string GetStartingDir(const std::string& defaultDir);
  virtual std::string GetExecutable() = 0;
  virtual void BeforeExecute(ICommandLineBuilder& builder);
  // The inherited hooks log the output (information tag for standard
  // output, error tag for standard error). OnProcessOutput logs only when
  // the lines were not streamed already.
  virtual void OnStdOutData(IVyProcess* process, const std::string& line);
  virtual void OnStdErrData(IVyProcess* process, const std::string& line);
  virtual void OnProcessOutput(const TStringList& lines);
  // Exit code 0 is success.
  virtual bool InterpretResult(int exitCode);
  virtual void OnSuccess(int exitCode);
  virtual void OnFailure(int exitCode);

 private:
  bool collectOutput_ = false;
  bool streamOutput_ = false;
  bool dryRun_ = false;
};

}  // namespace vy
