#pragma once
// The runner's subcommands. Each lives in its own file and adds itself to the
// application; main.cpp lists them.

#include <CLI/CLI.hpp>
#include <string>

#include "vycore/options_store.h"

namespace vantry {

// Exit codes: 0 all went well, 1 an action or a listing failed, 2 bad usage
// or an unreadable project or options store; run and query exit with 128 plus
// the signal number when interrupted (130 for Ctrl-C, 143 for SIGTERM).
enum TExitCode : int { ecSuccess = 0, ecActionFailed = 1, ecUsage = 2 };

struct TCommandContext {
  std::string optionsPath;  // --options FILE; empty: TVyOptionsStore::DefaultPath()
  bool verbose = false;
  bool quiet = false;
  vy::TVyOptionsStore store;
  int exitCode = ecSuccess;

  // Loads the packages and the options store, registers and loads the options
  // objects. Reports problems on standard error; false means exit with ecUsage.
  // A command that saves the store asks forUpdate: the store stays locked
  // from the load to the end of the command.
  bool LoadHost(bool registerPages = false, bool forUpdate = false);
  // A warning on standard error, unless --quiet.
  void Warn(const std::string& text) const;
};

// Ends a command's help with the options every command takes and the exit
// codes of this command, one per line ("0 ...\n1 ...").
void SetCommandFooter(CLI::App& command, const std::string& exitCodes);

void AddRunCommand(CLI::App& app, TCommandContext& context);
void AddActionsCommand(CLI::App& app, TCommandContext& context);
void AddOptionsCommand(CLI::App& app, TCommandContext& context);
void AddNewCommand(CLI::App& app, TCommandContext& context);
void AddScriptCommand(CLI::App& app, TCommandContext& context);
void AddQueryCommand(CLI::App& app, TCommandContext& context);

}  // namespace vantry
