#include "vycore/run.h"

#include "vycore/command_line.h"
#include "vycore/filesystem.h"
#include "vycore/interrupt.h"
#include "vycore/platform.h"
#include "vycore/text.h"

namespace vy {
namespace {

// Logs each error as it is added, so that what the action sends after it
// (a note on the setting it names) follows it in the log.
class TValidationErrors final : public IVyActionValidationError {
 public:
  explicit TValidationErrors(TCustomVyAction& action) : action_(action) {}
  void AddError(const std::string& propertyName, const std::string& message,
                const TVyPersistent*) override {
    messages.push_back(propertyName.empty() ? message : propertyName + ": " + message);
    action_.SendMessage(messages.back(), tsError);
  }
  TStringList messages;

 private:
  TCustomVyAction& action_;
};

// Hands the program's output to the action as its run settings ask. What
// neither setting asks for is logged here, so that no output is lost.
class TActionSink final : public IProcessSink {
 public:
  TActionSink(TVyExecuteAbstractAction& action, IVyProcess* process)
      : action_(action),
        process_(process),
        stream_(action.GetStreamOutput()),
        collect_(action.GetCollectOutput()) {}

  void OnStdOut(std::string_view line) override {
    if (stream_) {
      action_.OnStdOutData(process_, std::string(line));
    } else if (!collect_) {
      action_.SendMessage(std::string(WithoutTerminator(line)), tsInformation);
    }
    if (collect_) lines_.emplace_back(WithoutTerminator(line));
  }
  void OnStdErr(std::string_view line) override {
    if (stream_) {
      action_.OnStdErrData(process_, std::string(line));
    } else {
      action_.SendMessage(std::string(WithoutTerminator(line)), tsError);
    }
  }
  bool Collecting() const { return collect_; }
  const TStringList& Lines() const { return lines_; }

 private:
  TVyExecuteAbstractAction& action_;
  IVyProcess* process_;
  bool stream_;
  bool collect_;
  TStringList lines_;
};

// Everything up to the start of the program. False with the reason set when
// the run ends here.
bool Prepare(TVyExecuteAbstractAction& action, ICommandLineBuilder& builder, TVyRunResult& result) {
  TValidationErrors errors(action);
  const bool valid = action.Validate(errors);
  if (!valid || !errors.messages.empty()) {
    // The errors are in the log already.
    result.reason = "the action is not valid";
    return false;
  }
  if (!action.GetCommandLine(builder)) {
    result.reason = "the command line could not be built";
    return false;
  }
  result.commandLine = builder.GetCommandLine();
  if (!action.AfterGetCommandLine()) {
    result.reason = "the action stopped after building its command line";
    return false;
  }
  result.executable = action.GetExecutable();
  result.startingDir = action.GetStartingDir(result.executable);
  if (result.startingDir.empty() || !FileSystem().DirectoryExists(result.startingDir)) {
    result.reason = "no starting directory exists for " + Quoted(result.executable);
    return false;
  }
  action.BeforeExecute(builder);
  result.commandLine = builder.GetCommandLine();
  return true;
}

void Execute(TVyExecuteAbstractAction& action, const TVyRunSettings& settings,
             TVyRunResult& result) {
  const TProcessSpec spec{result.executable, TokenizeCommandLine(result.commandLine),
                          result.startingDir, settings.timeoutMs};
  if (InterruptSignal() != 0) {
    result.interrupted = true;
    result.reason =
        std::string("not started: the run was interrupted by ") + SignalName(InterruptSignal());
    action.OnFailure(prInterrupted);
    return;
  }
  std::unique_ptr<IVyProcess> process = CreateVyProcess();
  process->SetFileName(spec.program);
  process->SetParameters(result.commandLine);
  process->SetWorkingDirectory(spec.workingDirectory);
  TActionSink sink(action, process.get());
  result.started = true;
  result.outcome = ProcessRunner().Run(spec, sink);
  const TProcessOutcome& outcome = result.outcome;
  result.started = outcome.kind != TProcessOutcome::CouldNotStart;
  if (result.started && sink.Collecting()) action.OnProcessOutput(sink.Lines());

  result.interrupted = outcome.kind == TProcessOutcome::Interrupted;
  const std::string program = ExtractFileName(spec.program);
  if (outcome.kind == TProcessOutcome::Exited && action.InterpretResult(outcome.exitCode)) {
    result.succeeded = true;
    action.OnSuccess(outcome.exitCode);
    return;
  }
  result.reason = outcome.Describe(program);
  if (outcome.Succeeded()) result.reason += ", which the action judged a failure";
  action.OnFailure(outcome.ResultCode());
}

// The action knows it is dry only for the length of the run.
class TDryRunScope {
 public:
  TDryRunScope(TVyExecuteAbstractAction& action, bool dryRun) : action_(action) {
    action_.SetDryRun(dryRun);
  }
  ~TDryRunScope() { action_.SetDryRun(false); }
  TDryRunScope(const TDryRunScope&) = delete;
  TDryRunScope& operator=(const TDryRunScope&) = delete;

 private:
  TVyExecuteAbstractAction& action_;
};

}  // namespace

TVyRunResult RunAction(TVyExecuteAbstractAction& action, const TVyRunSettings& settings) {
  TVyRunResult result;
  const TDryRunScope dry(action, settings.dryRun);
  try {
    std::unique_ptr<ICommandLineBuilder> builder = CreateCommandLineBuilder();
    if (!Prepare(action, *builder, result)) return result;
    if (settings.dryRun) {
      result.succeeded = true;
      result.reason = "dry run: nothing was started";
      return result;
    }
    Execute(action, settings, result);
  } catch (const std::exception& e) {
    result.succeeded = false;
    result.reason = std::string("the action raised an error: ") + e.what();
  } catch (...) {
    result.succeeded = false;
    result.reason = "the action raised an unknown error";
  }
  return result;
}

}  // namespace vy
