// "vantry query": runs one of the listing functions the packages publish, the
// ones the designer's drop-down lists show, and prints its text unchanged.

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "output.h"
#include "vycore/interrupt.h"
#include "vycore/services.h"

namespace vantry {
namespace {

struct TQueryRequest {
  std::string function;
  std::vector<std::string> arguments;
  bool list = false;
};

std::string Signature(const vy::TVyRegisteredTextFunction& function) {
  std::string text = function.name;
  for (const std::string& parameter : function.parameterNames) text += " " + parameter;
  return text;
}

int ListFunctions() {
  for (const auto& function : vy::VyScriptingServices().TextFunctions()) {
    PrintLine(Signature(function));
  }
  return ecSuccess;
}

// Binary-safe: the text goes out as the function returned it, CR LF and all.
void WriteRaw(const std::string& text) {
  std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
  std::cout.flush();
}

int RunQuery(const TQueryRequest& request) {
  const vy::TVyRegisteredTextFunction* function =
      vy::VyScriptingServices().FindTextFunction(request.function);
  if (!function) {
    PrintError("vantry: unknown query function \"" + request.function +
               "\" (\"vantry query --list\" names them)");
    return ecUsage;
  }
  if (request.arguments.size() != function->parameterNames.size()) {
    PrintError("vantry: " + function->name + " takes " +
               std::to_string(function->parameterNames.size()) +
               " argument(s): " + Signature(*function));
    return ecUsage;
  }
  // The listing stays empty on a failure, as the designer gets it; the user
  // of the command line learns why, and the exit code tells a script.
  std::vector<std::string> failures;
  vy::SetVyListingFailureHandler([&failures](const std::string& what) { failures.push_back(what); });
  const std::string text = function->callback(request.arguments);
  vy::SetVyListingFailureHandler(nullptr);
  WriteRaw(text);
  // An interrupted listing answers what it had: nothing. Say so, and exit as
  // the signal asks.
  if (const int signal = vy::InterruptSignal(); signal != 0) {
    PrintError(std::string("vantry: interrupted by ") + vy::SignalName(signal));
    return 128 + signal;
  }
  // A walk over several objects may fail in one of them and still answer
  // names: then the failure is a warning that the answer may be incomplete.
  const bool answered = !text.empty() && text != "ccUnknown\r\n";
  for (const std::string& failure : failures) {
    // Further lines indented; control characters (a listed name may hold
    // any) shown as escapes rather than sent to the terminal.
    std::string indented;
    for (const char c : failure) {
      if (c == '\n') {
        indented += "\n  ";
      } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(c));
        indented += escape;
      } else {
        indented += c;
      }
    }
    if (answered) {
      PrintError("vantry: warning: " + function->name + " may be incomplete: " + indented);
    } else {
      PrintError("vantry: " + function->name + ": " + indented);
    }
  }
  return failures.empty() || answered ? ecSuccess : ecActionFailed;
}

int Query(const TQueryRequest& request, TCommandContext& context) {
  if (!request.list && request.function.empty()) {
    PrintError("vantry: query needs a FUNCTION or --list");
    return ecUsage;
  }
  vy::InstallInterruptHandlers();
  if (!context.LoadHost()) return ecUsage;
  return request.list ? ListFunctions() : RunQuery(request);
}

}  // namespace

void AddQueryCommand(CLI::App& app, TCommandContext& context) {
  auto request = std::make_shared<TQueryRequest>();
  CLI::App* query = app.add_subcommand(
      "query", "Runs a design-time listing (as the designer's lists show it) and prints its lines");
  query->add_option("FUNCTION", request->function, "The listing function, e.g. CCGetVOBNames");
  query->add_option("ARG", request->arguments, "Its arguments, in the order --list shows");
  query->add_flag("--list", request->list, "Name the listing functions and their parameters");
  SetCommandFooter(*query,
                   "0 the listing ran (an empty listing included), or answered names although one "
                   "of its runs failed (a warning says which)\n1 cleartool could not be run, "
                   "failed or timed out: the listing is empty and standard error says why\n2 bad "
                   "usage, an unknown function or an unreadable options store\n128+N interrupted "
                   "by signal N (130 Ctrl-C, 143 SIGTERM, 129 SIGHUP)");
  query->callback([request, &context] { context.exitCode = Query(*request, context); });
}

}  // namespace vantry
