// vantry actions: the action catalogue as the packages registered it.

#include <algorithm>
#include <string>

#include "commands.h"
#include "output.h"
#include "vycore/plugin.h"
#include "vycore/services.h"

namespace vantry {

namespace {

std::string Padded(std::string text, std::size_t width) {
  text.resize(std::max(text.size(), width), ' ');
  return text;
}

int ListActions(TCommandContext& context) {
  if (!context.LoadHost()) return ecUsage;
  const auto& catalogue = vy::VyActionServices().Catalogue();
  if (catalogue.empty()) {
    std::string folders;
    for (const std::string& folder : vy::PackageSearchPath()) folders += "\n  " + folder;
    PrintError("vantry: no actions are registered; packages are looked for in:" + folders);
    return ecSuccess;
  }
  std::size_t typeWidth = 4, nameWidth = 4;
  for (const vy::TVyRegisteredAction& entry : catalogue) {
    typeWidth = std::max(typeWidth, entry.typeId.size());
    nameWidth = std::max(nameWidth, entry.displayName.size());
  }
  PrintLine(Padded("TYPE", typeWidth) + "  " + Padded("NAME", nameWidth) + "  CATEGORY",
            TStyle::Heading);
  for (const vy::TVyRegisteredAction& entry : catalogue) {
    PrintLine(Padded(entry.typeId, typeWidth) + "  " + Padded(entry.displayName, nameWidth) + "  " +
              entry.category);
  }
  return ecSuccess;
}

}  // namespace

void AddActionsCommand(CLI::App& app, TCommandContext& context) {
  CLI::App* command =
      app.add_subcommand("actions", "List the action types the packages registered");
  SetCommandFooter(*command, "0 the catalogue was listed\n2 bad usage or an unreadable options store");
  command->callback([&context] { context.exitCode = ListActions(context); });
}

}  // namespace vantry
