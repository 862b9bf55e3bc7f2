#include "script_access.h"

#include <optional>

#include "output.h"
#include "vycore/properties.h"

namespace vantry {

namespace {

std::string KnownNames(const vy::TVyPersistent& object) {
  std::string names;
  for (const vy::TPublishedProperty& property : object.PublishedProperties().Items()) {
    names += (names.empty() ? "" : ", ") + property.name;
  }
  return names.empty() ? "none" : names;
}

std::string KnownFunctions() {
  std::string names;
  for (const std::string& name : vy::VyScriptingServices().FunctionNames()) {
    names += (names.empty() ? "" : ", ") + name;
  }
  return names.empty() ? "none" : names;
}

}  // namespace

std::shared_ptr<vy::IVyScriptValue> CallScriptFunction(const std::string& name) {
  std::shared_ptr<vy::IVyScriptValue> value = vy::VyScriptingServices().Call(name);
  if (value == nullptr) {
    PrintError("vantry: unknown script function \"" + name + "\" (known: " + KnownFunctions() +
               ")");
    return nullptr;
  }
  if (value->Object() == nullptr) {
    PrintError("vantry: the script function \"" + name + "\" returns no object");
    return nullptr;
  }
  return value;
}

std::shared_ptr<vy::IVyScriptValue> ScriptValueOf(vy::TVyOptionsObject& options) {
  auto& scripting = vy::VyScriptingServices();
  const vy::TVyPersistent* wanted = &options;
  for (const std::string& name : scripting.FunctionNames()) {
    std::shared_ptr<vy::IVyScriptValue> value = scripting.Call(name);
    if (value != nullptr && value->Object() == wanted) return value;
  }
  return scripting.WrapObject(&options);
}

void PrintProperties(const vy::TVyPersistent& object) {
  for (const vy::TPublishedProperty& property : object.PublishedProperties().Items()) {
    PrintLine("  " + property.name + " = " +
              vy::GetPropertyText(object, property.name).value_or(""));
  }
}

bool PrintProperty(const vy::TVyPersistent& object, const std::string& property,
                   const std::string& label) {
  const std::optional<std::string> text = vy::GetPropertyText(object, property);
  if (!text) {
    PrintError("vantry: " + label + " has no property \"" + property +
               "\" (known: " + KnownNames(object) + ")");
    return false;
  }
  PrintLine(*text);
  return true;
}

bool WriteProperty(vy::TVyPersistent& object, const std::string& property,
                   const std::string& value) {
  if (object.PublishedProperties().Find(property) == nullptr) {
    PrintError("vantry: no property \"" + property + "\" (known: " + KnownNames(object) + ")");
    return false;
  }
  std::string error;
  if (!vy::SetPropertyText(object, property, value, &error)) {
    PrintError("vantry: cannot set " + property + ": " + error);
    return false;
  }
  return true;
}

bool SaveOptionsStore(TCommandContext& context) {
  context.store.StoreModifiedOptions();
  std::string error;
  if (!context.store.Save(&error)) {
    PrintError("vantry: cannot save the options store: " + error);
    return false;
  }
  return true;
}

}  // namespace vantry
