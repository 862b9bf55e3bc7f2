// vantry: the command-line runner of the Vantry host.

#include <exception>
#include <iostream>
#include <string>

#include "commands.h"
#include "output.h"

namespace {

constexpr const char* kFooter =
    "Every command also takes:\n"
    "  --options FILE  the options store (default: $VANTRY_OPTIONS, else\n"
    "                  $XDG_CONFIG_HOME/vantry/options.xml)\n"
    "  -v, --verbose   say more\n"
    "Exit codes: 0 success, 1 an action failed, 2 bad usage or an unreadable\n"
    "project or options store; 128 plus the signal number when run or query\n"
    "is interrupted (130 for Ctrl-C, 143 for SIGTERM, 129 for SIGHUP).";

void AddCommands(CLI::App& app, vantry::TCommandContext& context) {
  vantry::AddRunCommand(app, context);
  vantry::AddActionsCommand(app, context);
  vantry::AddOptionsCommand(app, context);
  vantry::AddNewCommand(app, context);
  vantry::AddScriptCommand(app, context);
  vantry::AddQueryCommand(app, context);
}

}  // namespace

int main(int argc, char** argv) {
  // Standard output is written through the stream's own buffer alone: a
  // flood of log lines then costs a write per buffer, not per line.
  std::ios::sync_with_stdio(false);
  vantry::TCommandContext context;
  CLI::App app{"Runs Vantry build projects and manages the host's options.", "vantry"};
  // Subcommands inherit these: the common options below may follow the
  // subcommand's own arguments, and every help text ends with the footer.
  app.fallthrough();
  app.footer(kFooter);
  app.add_option("--options", context.optionsPath, "The options store to use")->type_name("FILE");
  app.add_flag("-v,--verbose", context.verbose, "Say more");
  app.require_subcommand(1);
  AddCommands(app, context);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? vantry::ecSuccess : vantry::ecUsage;
  } catch (const std::exception& error) {
    vantry::PrintError(std::string("vantry: ") + error.what());
    return vantry::ecUsage;
  }
  return context.exitCode;
}
