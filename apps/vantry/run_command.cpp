// vantry run: executes a project's enabled actions in order. The programs'
// own output goes to standard output as they print it; headings, the actions'
// log, errors and the summary go to standard error.

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "commands.h"
#include "output.h"
#include "vycore/interrupt.h"
#include "vycore/project.h"
#include "vycore/run.h"
#include "vycore/services.h"

namespace vantry {

namespace {

struct TRunRequest {
  std::string project;
  std::vector<std::string> assignments;  // --var NAME=VALUE
  bool keepGoing = false;
  bool dryRun = false;
  std::int64_t timeoutMs = 0;
};

struct TTally {
  int succeeded = 0;
  int failed = 0;
  int interrupted = 0;
  int notRun = 0;
  int disabled = 0;
  std::vector<std::string> failures;  // "[N] NAME: DESCRIPTION"
};

enum class TOutcome { Succeeded, Failed, Interrupted };

struct TVerbosity {
  bool verbose = false;
  bool quiet = false;
};

// The host as the runner's actions see it: log lines go to standard error
// under the action's heading, the program's standard output (the lines an
// action logs while its program runs) to standard output, variables live for
// the whole run. Quiet, the heading is printed only when an error needs it.
class TConsoleHost final : public vy::IVyActionHost {
 public:
  TConsoleHost(TVerbosity verbosity, std::string optionsStore)
      : verbosity_(verbosity), optionsStore_(std::move(optionsStore)) {}

  void Log(const vy::TCustomVyAction& /*action*/, const std::string& text,
           vy::TStatusTag tag) override {
    if (programRunning_ && tag == vy::tsInformation) {
      if (!verbosity_.quiet) WriteProgramOutput(text);
      return;
    }
    if (tag == vy::tsError) {
      Error(text);
    } else if (!verbosity_.quiet) {
      Print(text, TStyle::Plain);
    }
  }
  vy::TVyVariables& Variables() override { return variables_; }
  // Under the error it belongs to, one step further in.
  void NoteSetting(const vy::TCustomVyAction& /*action*/, const vy::TVySettingNote& note) override {
    Print("  " + vy::DescribeSettingNote(note, optionsStore_), TStyle::Error);
  }

  void BeginAction(std::string heading) {
    heading_ = std::move(heading);
    headingShown_ = false;
    if (!verbosity_.quiet) ShowHeading();
  }
  void BeginProgram(const vy::TProcessSpec& spec) {
    if (verbosity_.verbose) Print("Program: " + spec.program, TStyle::Dim);
    programRunning_ = true;
  }
  void EndProgram() { programRunning_ = false; }
  void Info(const std::string& text, TStyle style) {
    if (!verbosity_.quiet) Print(text, style);
  }
  void Error(const std::string& text) { Print(text, TStyle::Error); }

 private:
  void ShowHeading() {
    if (headingShown_ || heading_.empty()) return;
    headingShown_ = true;
    PrintLog(heading_, TStyle::Heading);
  }
  // Each line of the text, indented under the heading.
  void Print(std::string_view text, TStyle style) {
    ShowHeading();
    std::string_view rest = WithoutFinalBreak(text);
    for (;;) {
      const std::size_t end = rest.find('\n');
      std::string_view line = rest.substr(0, end);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      PrintLog("  " + std::string(line), style);
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 1);
    }
  }
  static std::string_view WithoutFinalBreak(std::string_view text) {
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    return text;
  }

  TVerbosity verbosity_;
  std::string optionsStore_;
  vy::TVyVariables variables_;
  std::string heading_;
  bool headingShown_ = false;
  bool programRunning_ = false;
};

// Tells the console host when a program starts, so that the program line
// comes before its output and what the action logs from then on (an action
// may hand over collected output after the program ended) is known as the
// program's output.
class TWatchedRunner final : public vy::IProcessRunner {
 public:
  TWatchedRunner(vy::IProcessRunner& inner, TConsoleHost& host) : inner_(inner), host_(host) {
    vy::SetProcessRunner(this);
  }
  ~TWatchedRunner() override {
    vy::SetProcessRunner(&inner_ == &vy::RealProcessRunner() ? nullptr : &inner_);
  }
  TWatchedRunner(const TWatchedRunner&) = delete;
  TWatchedRunner& operator=(const TWatchedRunner&) = delete;

  vy::TProcessOutcome Run(const vy::TProcessSpec& spec, vy::IProcessSink& sink) override {
    host_.BeginProgram(spec);
    return inner_.Run(spec, sink);
  }

 private:
  vy::IProcessRunner& inner_;
  TConsoleHost& host_;
};

using Clock = std::chrono::steady_clock;

// "~/.config/vantry/options.xml" for a path under the user's home.
std::string HomeShortened(const std::string& path) {
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') return path;
  std::string prefix = home;
  if (prefix.back() != '/') prefix += '/';
  return path.starts_with(prefix) ? "~/" + path.substr(prefix.size()) : path;
}

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// NAME=VALUE pairs of the command line; false (reported) on a malformed one.
bool ApplyAssignments(const std::vector<std::string>& assignments, vy::TVyVariables& variables) {
  for (const std::string& assignment : assignments) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0) {
      PrintError("vantry: --var expects NAME=VALUE, got \"" + assignment + "\"");
      return false;
    }
    variables.Set(assignment.substr(0, equals), assignment.substr(equals + 1));
  }
  return true;
}

bool LoadProjectFile(const std::string& path, vy::TVyProject& project, bool quiet) {
  std::vector<vy::TVyDiagnostic> diagnostics;
  const bool loaded = vy::LoadProject(path, project, diagnostics);
  for (const vy::TVyDiagnostic& diagnostic : diagnostics) {
    if (diagnostic.severity == vy::TVyDiagnostic::Error || !quiet) {
      PrintError(diagnostic.ToString());
    }
  }
  return loaded;
}

// "NAME" or "NAME: DESCRIPTION".
std::string Title(const vy::TVyProjectAction& entry) {
  const vy::TVyRegisteredAction* registered = vy::VyActionServices().FindAction(entry.typeId);
  std::string text = registered ? registered->displayName : entry.action->GetActionName();
  if (!entry.description.empty()) text += ": " + entry.description;
  return text;
}

void PrintOutcome(TConsoleHost& host, const vy::TVyRunResult& result, bool dryRun,
                  double seconds) {
  if (result.interrupted) {
    host.Error("INTERRUPTED: " + result.reason + " (" + FormatSeconds(seconds) + ")");
  } else if (!result.succeeded) {
    host.Error("FAILED: " + result.reason + " (" + FormatSeconds(seconds) + ")");
  } else if (dryRun) {
    host.Info("prepared in " + FormatSeconds(seconds) + " (dry run: nothing started)",
              TStyle::Success);
  } else {
    host.Info("succeeded in " + FormatSeconds(seconds), TStyle::Success);
  }
}

TOutcome RunOne(vy::TVyProjectAction& entry, TConsoleHost& host, const TRunRequest& request,
                bool verbose) {
  auto* action = dynamic_cast<vy::TVyExecuteAbstractAction*>(entry.action.get());
  if (action == nullptr) {
    host.Error("FAILED: this host cannot run actions of type " + entry.typeId);
    return TOutcome::Failed;
  }
  action->AttachHost(&host);
  const Clock::time_point start = Clock::now();
  const vy::TVyRunResult result = vy::RunAction(*action, {request.dryRun, request.timeoutMs});
  const double seconds = SecondsSince(start);
  host.EndProgram();
  action->AttachHost(nullptr);
  // A started program had its line printed before its output.
  if (verbose && !result.started && !result.executable.empty()) {
    host.Info("Program: " + result.executable, TStyle::Dim);
  }
  PrintOutcome(host, result, request.dryRun, seconds);
  if (result.interrupted) return TOutcome::Interrupted;
  return result.succeeded ? TOutcome::Succeeded : TOutcome::Failed;
}

std::string Escaped(std::string_view value) {
  std::string text;
  for (char c : value) {
    if (c == '\r') {
      text += "\\r";
    } else if (c == '\n') {
      text += "\\n";
    } else {
      text += c;
    }
  }
  return text;
}

void PrintVariables(const vy::TVyVariables& variables) {
  PrintLog("Variables:", TStyle::Heading);
  for (const auto& [name, value] : variables.All()) PrintLog("  " + name + "=" + Escaped(value));
}

std::string Counted(int count, const std::string& one, const std::string& many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// "2 succeeded, 1 failed: [3] ClearCase Apply Label: Label REL_2; 1 not run,
// 1 disabled action skipped (0.31 s)"
void PrintSummary(const TTally& tally, bool dryRun, double seconds) {
  std::string text = dryRun ? "Dry run: " + std::to_string(tally.succeeded) + " prepared"
                            : std::to_string(tally.succeeded) + " succeeded";
  if (tally.failed > 0) {
    text += ", " + std::to_string(tally.failed) + " failed:";
    for (std::size_t i = 0; i < tally.failures.size(); ++i) {
      text += (i == 0 ? " " : ", ") + tally.failures[i];
    }
  }
  std::vector<std::string> others;
  if (tally.interrupted > 0) others.push_back(std::to_string(tally.interrupted) + " interrupted");
  if (tally.notRun > 0) others.push_back(std::to_string(tally.notRun) + " not run");
  if (tally.disabled > 0) {
    others.push_back(
        Counted(tally.disabled, "disabled action skipped", "disabled actions skipped"));
  }
  for (std::size_t i = 0; i < others.size(); ++i) {
    text += (i > 0 ? ", " : tally.failed > 0 ? "; " : ", ") + others[i];
  }
  text += " (" + FormatSeconds(seconds) + ")";
  PrintLog(text, tally.failed > 0 || tally.interrupted > 0 ? TStyle::Error : TStyle::Heading);
}

int Run(TCommandContext& context, const TRunRequest& request) {
  vy::InstallInterruptHandlers();
  vy::TVyVariables commandLineVariables;
  if (!ApplyAssignments(request.assignments, commandLineVariables)) return ecUsage;
  if (!context.LoadHost()) return ecUsage;
  TConsoleHost host({context.verbose, context.quiet}, HomeShortened(context.store.Path()));
  vy::TVyProject project;
  if (!LoadProjectFile(request.project, project, context.quiet)) return ecUsage;
  for (const auto& [name, value] : project.variables) host.Variables().Set(name, value);
  for (const auto& [name, value] : commandLineVariables.All()) host.Variables().Set(name, value);

  TTally tally;
  std::vector<vy::TVyProjectAction*> enabled;
  for (vy::TVyProjectAction& entry : project.actions) {
    if (entry.enabled) {
      enabled.push_back(&entry);
    } else {
      ++tally.disabled;
    }
  }
  if (enabled.empty()) {
    PrintLog("Nothing to run: the project has no enabled actions.");
    return ecSuccess;
  }
  TWatchedRunner runner(vy::ProcessRunner(), host);
  const Clock::time_point start = Clock::now();
  const int total = static_cast<int>(enabled.size());
  for (int index = 0; index < total; ++index) {
    if ((tally.failed > 0 && !request.keepGoing) || vy::InterruptSignal() != 0) {
      tally.notRun = total - index;
      break;
    }
    const std::string number = "[" + std::to_string(index + 1) + "]";
    const std::string title = Title(*enabled[index]);
    host.BeginAction("[" + std::to_string(index + 1) + "/" + std::to_string(total) + "] " + title);
    switch (RunOne(*enabled[index], host, request, context.verbose)) {
      case TOutcome::Succeeded:
        ++tally.succeeded;
        break;
      case TOutcome::Failed:
        ++tally.failed;
        tally.failures.push_back(number + " " + title);
        break;
      case TOutcome::Interrupted:
        ++tally.interrupted;
        break;
    }
  }
  host.BeginAction("");
  PrintSummary(tally, request.dryRun, SecondsSince(start));
  if (const int signal = vy::InterruptSignal(); signal != 0) {
    PrintError(std::string("Interrupted by ") + vy::SignalName(signal) + ".");
  } else if (tally.notRun > 0 && !context.quiet) {
    PrintLog("Stopped at the first failure; --keep-going runs the remaining actions.");
  }
  if (context.verbose) PrintVariables(host.Variables());
  if (const int signal = vy::InterruptSignal(); signal != 0) return 128 + signal;
  return tally.failed > 0 ? ecActionFailed : ecSuccess;
}

// A time-out is a whole number of milliseconds; anything else gets a short
// refusal rather than the converter's range.
std::string CheckMilliseconds(const std::string& text) {
  const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  return digits ? std::string() : "\"" + text + "\" is not a whole number of milliseconds";
}

}  // namespace

void AddRunCommand(CLI::App& app, TCommandContext& context) {
  auto request = std::make_shared<TRunRequest>();
  CLI::App* command = app.add_subcommand("run", "Run the enabled actions of a project in order");
  command->add_option("PROJECT", request->project, "The project file")->required();
  command->add_option("--var", request->assignments, "Set a host variable (repeatable)")
      ->type_name("NAME=VALUE")
      ->allow_extra_args(false);
  command->add_flag("--keep-going", request->keepGoing,
                    "Run the remaining actions after a failure");
  command->add_flag("--dry-run", request->dryRun,
                    "Prepare each action and print its command line, start nothing");
  command
      ->add_option("--timeout", request->timeoutMs,
                   "Stop an action's program after MS milliseconds (0: no limit)")
      ->type_name("MS")
      ->check(CLI::Validator(CheckMilliseconds, "MS", "milliseconds"));
  SetCommandFooter(*command,
                   "0 every enabled action succeeded (or there was none)\n1 an action failed\n"
                   "2 bad usage or an unreadable project or options store; nothing was run\n"
                   "128+N interrupted by signal N (130 Ctrl-C, 143 SIGTERM, 129 SIGHUP); the "
                   "running program was ended");
  command->callback([&context, request] { context.exitCode = Run(context, *request); });
}

}  // namespace vantry
