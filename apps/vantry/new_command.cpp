// vantry new: writes a project template with fresh actions of the given types,
// every property at its default, for a user to edit.

#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "output.h"
#include "vycore/filesystem.h"
#include "vycore/project.h"
#include "vycore/services.h"

namespace vantry {

namespace {

struct TNewRequest {
  std::string project;
  std::vector<std::string> types;
  bool force = false;
};

std::string KnownTypes() {
  std::string names;
  for (const vy::TVyRegisteredAction& entry : vy::VyActionServices().Catalogue()) {
    names += (names.empty() ? "" : ", ") + entry.typeId;
  }
  return names.empty() ? "none" : names;
}

bool AddActions(const std::vector<std::string>& types, vy::TVyProject& project) {
  for (const std::string& type : types) {
    const vy::TVyRegisteredAction* registered = vy::VyActionServices().FindAction(type);
    std::unique_ptr<vy::TCustomVyAction> action =
        registered ? vy::VyActionServices().CreateAction(registered->typeId) : nullptr;
    if (action == nullptr) {
      PrintError("vantry: unknown action type \"" + type + "\" (known: " + KnownTypes() + ")");
      return false;
    }
    // Written as the package registered it, whatever case the user typed.
    project.actions.push_back({registered->typeId, "", true, std::move(action)});
  }
  return true;
}

int WriteTemplate(TCommandContext& context, const TNewRequest& request) {
  const vy::IFileSystem& files = vy::FileSystem();
  if (!request.force &&
      (files.FileExists(request.project) || files.DirectoryExists(request.project))) {
    PrintError("vantry: " + request.project + " exists; --force overwrites it");
    return ecUsage;
  }
  if (!context.LoadHost()) return ecUsage;
  vy::TVyProject project;
  if (!AddActions(request.types, project)) return ecUsage;
  std::string error;
  if (!vy::SaveProject(request.project, project, &error)) {
    PrintError("vantry: cannot write " + request.project + ": " + error);
    return ecUsage;
  }
  if (!context.quiet) {
    PrintLog("Wrote " + request.project + " with " + std::to_string(project.actions.size()) +
             " action(s).");
  }
  return ecSuccess;
}

}  // namespace

void AddNewCommand(CLI::App& app, TCommandContext& context) {
  auto request = std::make_shared<TNewRequest>();
  CLI::App* command =
      app.add_subcommand("new", "Write a project with new actions at their defaults");
  command->add_option("PROJECT", request->project, "The project file to write")->required();
  command->add_option("TYPE", request->types, "Action type identifiers (see: vantry actions)")
      ->required();
  command->add_flag("--force", request->force, "Overwrite an existing file");
  SetCommandFooter(*command,
                   "0 the project was written\n2 bad usage, an unknown type, an existing file or "
                   "an unreadable options store");
  command->callback([&context, request] { context.exitCode = WriteTemplate(context, *request); });
}

}  // namespace vantry
