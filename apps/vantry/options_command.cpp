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

// NAME VALUE pairs, applied in order and saved together: some settings only
// keep their meaning in company (a ClearCase type is stored only while
// detection is off).
using TSettings = std::vector<std::string>;

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

struct TWritten {
  std::shared_ptr<vy::IVyScriptValue> object;  // nullptr: the write failed
  std::string label;                           // OBJECT.PROPERTY
  std::string property;
};

// Writes NAME (OBJECT.PROPERTY or PROPERTY) through script access; failures
// are reported.
TWritten SetOne(const std::string& name, const std::string& text) {
  const std::size_t dot = name.find('.');
  const std::string objectName = dot == std::string::npos ? "" : name.substr(0, dot);
  const std::string property = dot == std::string::npos ? name : name.substr(dot + 1);
  const std::vector<vy::TVyOptionsObject*> candidates = Candidates(objectName, property);
  if (candidates.size() != 1) {
    PrintError(candidates.empty()
                   ? "vantry: no options object has \"" + name + "\" (see: vantry options show)"
                   : "vantry: \"" + property + "\" is ambiguous: write OBJECT." + property);
    return {};
  }
  std::shared_ptr<vy::IVyScriptValue> value = ScriptValueOf(*candidates.front());
  if (!WriteProperty(*value->Object(), property, text)) return {};
  return {value, candidates.front()->GetName() + "." + property, property};
}

int SetOptions(TCommandContext& context, const TSettings& settings) {
  if (settings.size() % 2 != 0) {
    PrintError("vantry: options set expects NAME VALUE pairs; \"" + settings.back() +
               "\" has no VALUE");
    return ecUsage;
  }
  if (!context.LoadHost(false, true)) return ecUsage;
  std::vector<TWritten> written;
  for (std::size_t i = 0; i < settings.size(); i += 2) {
    written.push_back(SetOne(settings[i], settings[i + 1]));
    if (written.back().object == nullptr) return ecUsage;  // nothing is saved
  }
  // Judged once all are written: a setting may depend on one given after it.
  bool refused = false;
  for (const TWritten& entry : written) {
    const auto* options = dynamic_cast<const vy::TVyOptionsObject*>(entry.object->Object());
    if (options == nullptr) continue;
    const vy::TVyOptionsObject::TSettingCheck check = options->CheckSetting(entry.property);
    if (!check.refusal.empty()) {
      PrintError("vantry: " + entry.label + " is not set: " + check.refusal);
      refused = true;
    } else if (!check.warning.empty()) {
      context.Warn("vantry: warning: " + entry.label + ": " + check.warning);
    }
  }
  if (refused) return ecUsage;
  if (!SaveOptionsStore(context)) return ecUsage;
  // Read back: a reader may compute what it shows (a folder gains the program name).
  for (const TWritten& entry : written) {
    const auto text = vy::GetPropertyText(*entry.object->Object(), entry.property);
    PrintLine(entry.label + " = " + text.value_or(""));
  }
  return ecSuccess;
}

}  // namespace

void AddOptionsCommand(CLI::App& app, TCommandContext& context) {
  CLI::App* command = app.add_subcommand("options", "Show or change the host's options");
  command->require_subcommand(1);
  SetCommandFooter(*command, "0 done\n2 bad usage, a refused value or an unreadable options store");
  CLI::App* show = command->add_subcommand("show", "Show every options object's properties");
  SetCommandFooter(*show, "0 the options were shown\n2 an unreadable options store");
  show->callback([&context] { context.exitCode = ShowOptions(context); });

  auto settings = std::make_shared<TSettings>();
  CLI::App* set =
      command->add_subcommand("set", "Change options (NAME VALUE, repeatable) and save the store");
  set->add_option("SETTINGS", *settings,
                  "NAME VALUE pairs; NAME is a property such as CleartoolPath or "
                  "ClearCase.CleartoolPath; a VALUE may be empty")
      ->type_name("NAME VALUE")
      ->required();
  SetCommandFooter(*set,
                   "0 the values were saved\n2 bad usage or a refused value (nothing was saved), "
                   "or an unreadable or unwritable options store");
  set->callback([&context, settings] { context.exitCode = SetOptions(context, *settings); });
}

}  // namespace vantry
