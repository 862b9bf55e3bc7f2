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

// The value behind a message that names a setting without showing it ("the
// path specified cannot be found"), and where that value came from, so that
// the host can show the user what was looked at.
struct TVySettingNote {
  enum TOrigin {
    soOptions,   // an options object's setting; `source` is the object's name
    soProperty,  // the action's own property; `source` is the property name
    soOther,     // `source` says in words, e.g. "found on PATH"
  };
  std::string label;  // e.g. "cleartool path"
  std::string value;  // the value looked at, after expansion
  TOrigin origin = soOther;
  std::string source;
  std::string written;  // the text as stored, when expansion changed it; else empty
};

// "cleartool path: /opt/x/cleartool (options store ~/.config/vantry/options.xml)":
// the note in words; `optionsStore` names where options live.
std::string DescribeSettingNote(const TVySettingNote& note, const std::string& optionsStore);

// What an action sees of the host while it runs: its log and the variables.
class IVyActionHost {
 public:
  virtual ~IVyActionHost() = default;
  virtual void Log(const TCustomVyAction& action, const std::string& text, TStatusTag tag) = 0;
  virtual TVyVariables& Variables() = 0;
  // Follows the error message it belongs to. A host that shows nothing more
  // than the log may ignore it.
  virtual void NoteSetting(const TCustomVyAction& /*action*/, const TVySettingNote& /*note*/) {}
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
  // Right after an error message that names a setting: tells the host the
  // value looked at. Without a host nothing is kept.
  void SendSettingNote(const TVySettingNote& note);
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
