// vantry run: executes a project's enabled actions in order and prints each
// action's log as it arrives.

#include <chrono>
#include <cstdint>
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
};

enum class TOutcome { Succeeded, Failed, Interrupted };

// The host as the runner's actions see it: log lines go straight to the
// terminal, variables live for the whole run.
class TConsoleHost final : public vy::IVyActionHost {
 public:
  void Log(const vy::TCustomVyAction& /*action*/, const std::string& text,
           vy::TStatusTag tag) override {
    const TStyle style = tag == vy::tsError ? TStyle::Error : TStyle::Plain;
    std::string_view rest = WithoutFinalBreak(text);
    for (;;) {
      const std::size_t end = rest.find('\n');
      std::string_view line = rest.substr(0, end);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      PrintIndentedLine("  ", line, style);
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 1);
    }
  }
  vy::TVyVariables& Variables() override { return variables_; }

 private:
  static std::string_view WithoutFinalBreak(std::string_view text) {
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    return text;
  }

  vy::TVyVariables variables_;
};

using Clock = std::chrono::steady_clock;

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

bool LoadProjectFile(const std::string& path, vy::TVyProject& project) {
  std::vector<vy::TVyDiagnostic> diagnostics;
  const bool loaded = vy::LoadProject(path, project, diagnostics);
  for (const vy::TVyDiagnostic& diagnostic : diagnostics) PrintError(diagnostic.ToString());
  return loaded;
}

std::string Heading(const vy::TVyProjectAction& entry, int number, int total) {
  const vy::TVyRegisteredAction* registered = vy::VyActionServices().FindAction(entry.typeId);
  std::string text = "[" + std::to_string(number) + "/" + std::to_string(total) + "] " +
                     (registered ? registered->displayName : entry.action->GetActionName());
  if (!entry.description.empty()) text += ": " + entry.description;
  return text;
}

void PrintOutcome(const vy::TVyRunResult& result, bool dryRun, double seconds) {
  if (result.interrupted) {
    PrintLine("  INTERRUPTED: " + result.reason + " (" + FormatSeconds(seconds) + ")",
              TStyle::Error);
  } else if (!result.succeeded) {
    PrintLine("  FAILED: " + result.reason + " (" + FormatSeconds(seconds) + ")", TStyle::Error);
  } else if (dryRun) {
    PrintLine("  prepared in " + FormatSeconds(seconds) + " (dry run: nothing started)",
              TStyle::Success);
  } else {
    PrintLine("  succeeded in " + FormatSeconds(seconds), TStyle::Success);
  }
}

TOutcome RunOne(vy::TVyProjectAction& entry, TConsoleHost& host, const TRunRequest& request,
                bool verbose) {
  auto* action = dynamic_cast<vy::TVyExecuteAbstractAction*>(entry.action.get());
  if (action == nullptr) {
    PrintLine("  FAILED: this host cannot run actions of type " + entry.typeId, TStyle::Error);
    return TOutcome::Failed;
  }
  action->AttachHost(&host);
  const Clock::time_point start = Clock::now();
  const vy::TVyRunResult result = vy::RunAction(*action, {request.dryRun, request.timeoutMs});
  const double seconds = SecondsSince(start);
  action->AttachHost(nullptr);
  if (verbose && !result.executable.empty()) {
    PrintLine("  Program: " + result.executable, TStyle::Dim);
  }
  PrintOutcome(result, request.dryRun, seconds);
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
  PrintLine("Variables:", TStyle::Heading);
  for (const auto& [name, value] : variables.All()) PrintLine("  " + name + "=" + Escaped(value));
}

void PrintSummary(const TTally& tally, bool dryRun, double seconds) {
  std::string text = dryRun ? "Dry run: " + std::to_string(tally.succeeded) + " prepared"
                            : std::to_string(tally.succeeded) + " succeeded";
  if (tally.failed > 0) text += ", " + std::to_string(tally.failed) + " failed";
  if (tally.interrupted > 0) text += ", " + std::to_string(tally.interrupted) + " interrupted";
  if (tally.notRun > 0) text += ", " + std::to_string(tally.notRun) + " not run";
  text += " (" + FormatSeconds(seconds) + ")";
  const bool bad = tally.failed > 0 || tally.interrupted > 0;
  PrintLine(text, bad ? TStyle::Error : TStyle::Heading);
  if (const int signal = vy::InterruptSignal(); signal != 0) {
    PrintLine(std::string("Interrupted by ") + vy::SignalName(signal) + ".", TStyle::Error);
  } else if (tally.notRun > 0) {
    PrintLine("Stopped at the first failure; --keep-going runs the remaining actions.");
  }
}

int Run(TCommandContext& context, const TRunRequest& request) {
  vy::InstallInterruptHandlers();
  TConsoleHost host;
  vy::TVyVariables commandLineVariables;
  if (!ApplyAssignments(request.assignments, commandLineVariables)) return ecUsage;
  if (!context.LoadHost()) return ecUsage;
  vy::TVyProject project;
  if (!LoadProjectFile(request.project, project)) return ecUsage;
  for (const auto& [name, value] : project.variables) host.Variables().Set(name, value);
  for (const auto& [name, value] : commandLineVariables.All()) host.Variables().Set(name, value);

  std::vector<vy::TVyProjectAction*> enabled;
  for (vy::TVyProjectAction& entry : project.actions) {
    if (entry.enabled) enabled.push_back(&entry);
  }
  if (enabled.empty()) PrintLine("Nothing to run: the project has no enabled actions.");
  TTally tally;
  const Clock::time_point start = Clock::now();
  const int total = static_cast<int>(enabled.size());
  for (int index = 0; index < total; ++index) {
    if ((tally.failed > 0 && !request.keepGoing) || vy::InterruptSignal() != 0) {
      tally.notRun = total - index;
      break;
    }
    PrintLine(Heading(*enabled[index], index + 1, total), TStyle::Heading);
    switch (RunOne(*enabled[index], host, request, context.verbose)) {
      case TOutcome::Succeeded:
        ++tally.succeeded;
        break;
      case TOutcome::Failed:
        ++tally.failed;
        break;
      case TOutcome::Interrupted:
        ++tally.interrupted;
        break;
    }
  }
  if (total > 0) PrintSummary(tally, request.dryRun, SecondsSince(start));
  if (context.verbose) PrintVariables(host.Variables());
  if (const int signal = vy::InterruptSignal(); signal != 0) return 128 + signal;
  return tally.failed > 0 ? ecActionFailed : ecSuccess;
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
                   "Stop an action's program after MS milliseconds")
      ->type_name("MS")
      ->check(CLI::NonNegativeNumber);
  command->callback([&context, request] { context.exitCode = Run(context, *request); });
}

}  // namespace vantry
