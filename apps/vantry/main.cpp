// vantry: the command-line runner of the Vantry host.

#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "commands.h"
#include "output.h"

namespace {

constexpr const char* kCommonOptions =
    "Every command also takes:\n"
    "  --options FILE  the options store (default: $VANTRY_OPTIONS, else\n"
    "                  $XDG_CONFIG_HOME/vantry/options.xml)\n"
    "  -v, --verbose   say more\n"
    "  -q, --quiet     print only errors and the summary\n";

void AddCommands(CLI::App& app, vantry::TCommandContext& context) {
  vantry::AddRunCommand(app, context);
  vantry::AddActionsCommand(app, context);
  vantry::AddOptionsCommand(app, context);
  vantry::AddNewCommand(app, context);
  vantry::AddScriptCommand(app, context);
  vantry::AddQueryCommand(app, context);
}

std::string CommandList(const CLI::App& app) {
  std::string text = "Commands:\n";
  for (const CLI::App* command : app.get_subcommands({})) {
    std::string name = command->get_name();
    name.resize(std::max<std::size_t>(name.size(), 9), ' ');
    text += "  " + name + " " + command->get_description() + "\n";
  }
  return text + "Run \"vantry help COMMAND\" for a command's arguments.";
}

// For "vantry" alone and an unknown command: what there is, and exit 2.
int RefuseCommand(const CLI::App& app, const std::string& problem) {
  vantry::PrintError("vantry: " + problem);
  std::cerr << CommandList(app) << '\n';
  return vantry::ecUsage;
}

// vantry help [COMMAND [SUBCOMMAND]]. Answered before the parser sees the
// words, which it would otherwise take for the commands themselves.
int ShowHelp(const CLI::App& app, const std::vector<std::string>& path) {
  const CLI::App* shown = &app;
  std::string prefix;
  for (const std::string& name : path) {
    const CLI::App* next = nullptr;
    for (const CLI::App* command : shown->get_subcommands({})) {
      if (command->check_name(name)) next = command;
    }
    if (next == nullptr) return RefuseCommand(app, "no command \"" + name + "\"");
    prefix = prefix.empty() ? shown->get_name() : prefix + " " + shown->get_name();
    shown = next;
  }
  std::cout << shown->help(prefix);
  return vantry::ecSuccess;
}

void AddHelpCommand(CLI::App& app) {
  CLI::App* help = app.add_subcommand("help", "Show the help of vantry or of a command");
  help->add_option("COMMAND", "The command, e.g. run or options set");
  vantry::SetCommandFooter(*help, "0 help was shown\n2 there is no such command");
}

}  // namespace

namespace vantry {

void SetCommandFooter(CLI::App& command, const std::string& exitCodes) {
  std::string codes;
  std::size_t start = 0;
  while (start < exitCodes.size()) {
    const std::size_t end = exitCodes.find('\n', start);
    codes += "  " + exitCodes.substr(start, end - start) + "\n";
    if (end == std::string::npos) break;
    start = end + 1;
  }
  command.footer(std::string(kCommonOptions) + "Exit codes:\n" + codes);
}

}  // namespace vantry

int main(int argc, char** argv) {
  // Standard output is written through the stream's own buffer alone: a
  // flood of log lines then costs a write per buffer, not per line.
  std::ios::sync_with_stdio(false);
  vantry::TCommandContext context;
  CLI::App app{"Runs Vantry build projects and manages the host's options.", "vantry"};
  // Subcommands inherit these: the common options below may follow the
  // subcommand's own arguments.
  app.fallthrough();
  app.set_version_flag("--version", "vantry " VANTRY_VERSION);
  app.add_option("--options", context.optionsPath, "The options store to use")->type_name("FILE");
  CLI::Option* verbose = app.add_flag("-v,--verbose", context.verbose, "Say more");
  app.add_flag("-q,--quiet", context.quiet, "Print only errors and the summary")->excludes(verbose);
  AddCommands(app, context);
  AddHelpCommand(app);
  vantry::SetCommandFooter(app,
                           "0 success\n1 an action or a listing failed\n2 bad usage or an "
                           "unreadable project or options store\n128+N run or query interrupted by "
                           "signal N (130 Ctrl-C, 143 SIGTERM, 129 SIGHUP)");
  if (argc >= 2 && std::string_view(argv[1]) == "help") {
    return ShowHelp(app, std::vector<std::string>(argv + 2, argv + argc));
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ExtrasError& error) {
    if (app.get_subcommands().empty()) {
      const std::vector<std::string> extras = app.remaining();
      return RefuseCommand(app, extras.empty() ? std::string(error.what())
                                               : "unknown command \"" + extras.front() + "\"");
    }
    app.exit(error);
    return vantry::ecUsage;
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? vantry::ecSuccess : vantry::ecUsage;
  } catch (const std::exception& error) {
    vantry::PrintError(std::string("vantry: ") + error.what());
    return vantry::ecUsage;
  }
  if (app.get_subcommands().empty()) return RefuseCommand(app, "a command is required");
  return context.exitCode;
}
