// vantry options show | set: the registered options objects, read and written
// through script access and kept in the options store.

#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "output.h"
#include "script_access.h"
#include "vycore/services.h"
#include "vycore/text.h"

namespace vantry {

namespace {

struct TSetRequest {
  std::string name;  // [OBJECT.]PROPERTY
  std::string value;
};

int ShowOptions(TCommandContext& context) {
  if (!context.LoadHost()) return ecUsage;
  for (const vy::TVyRegisteredOptions& entry : vy::VyOptionsServices().Registered()) {
    PrintLine(entry.instance->GetName() + ":", TStyle::Heading);
    PrintProperties(*ScriptValueOf(*entry.instance)->Object());
  }
  return ecSuccess;
}

// The options objects that NAME may address: the one named by its prefix, or
// every object that publishes the property.
std::vector<vy::TVyOptionsObject*> Candidates(const std::string& objectName,
                                              const std::string& property) {
  std::vector<vy::TVyOptionsObject*> found;
  for (const vy::TVyRegisteredOptions& entry : vy::VyOptionsServices().Registered()) {
    vy::TVyOptionsObject& options = *entry.instance;
    const bool named = objectName.empty() ? options.PublishedProperties().Find(property) != nullptr
                                          : vy::SameText(options.GetName(), objectName);
    if (named) found.push_back(&options);
  }
  return found;
}

int SetOption(TCommandContext& context, const TSetRequest& request) {
  if (!context.LoadHost()) return ecUsage;
  const std::size_t dot = request.name.find('.');
  const std::string objectName = dot == std::string::npos ? "" : request.name.substr(0, dot);
  const std::string property =
      dot == std::string::npos ? request.name : request.name.substr(dot + 1);
  const std::vector<vy::TVyOptionsObject*> candidates = Candidates(objectName, property);
  if (candidates.size() != 1) {
    PrintError(candidates.empty()
                   ? "vantry: no options object has \"" + request.name +
                         "\" (see: vantry options show)"
                   : "vantry: \"" + property + "\" is ambiguous: write OBJECT." + property);
    return ecUsage;
  }
  std::shared_ptr<vy::IVyScriptValue> value = ScriptValueOf(*candidates.front());
  if (!WriteProperty(*value->Object(), property, request.value)) return ecUsage;
  if (!SaveOptionsStore(context)) return ecUsage;
  const std::string label = candidates.front()->GetName() + "." + property;
  PrintLine(label + " = " + vy::GetPropertyText(*value->Object(), property).value_or(""));
  return ecSuccess;
}

}  // namespace

void AddOptionsCommand(CLI::App& app, TCommandContext& context) {
  CLI::App* command = app.add_subcommand("options", "Show or change the host's options");
  command->require_subcommand(1);
  CLI::App* show = command->add_subcommand("show", "Show every options object's properties");
  show->callback([&context] { context.exitCode = ShowOptions(context); });

  auto request = std::make_shared<TSetRequest>();
  CLI::App* set = command->add_subcommand("set", "Change one option and save the store");
  set->add_option("NAME", request->name,
                  "The property, e.g. CleartoolPath or ClearCase.CleartoolPath")
      ->required();
  set->add_option("VALUE", request->value, "The new value (may be empty)")->required();
  set->callback([&context, request] { context.exitCode = SetOption(context, *request); });
}

}  // namespace vantry
