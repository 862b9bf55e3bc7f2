// "vantry query": runs one of the listing functions the packages publish, the
// ones the designer's drop-down lists show, and prints its text unchanged.

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
  WriteRaw(function->callback(request.arguments));
  // An interrupted listing answers what it had: nothing. Say so, and exit as
  // the signal asks.
  if (const int signal = vy::InterruptSignal(); signal != 0) {
    PrintError(std::string("vantry: interrupted by ") + vy::SignalName(signal));
    return 128 + signal;
  }
  return ecSuccess;
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
  query->callback([request, &context] { context.exitCode = Query(*request, context); });
}

}  // namespace vantry
