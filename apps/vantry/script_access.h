#pragma once
// Reaching objects the way scripts do: through the script functions the
// packages register, reading and writing published properties by name.

#include <memory>
#include <string>

#include "commands.h"
#include "vycore/services.h"

namespace vantry {

// The value a script function returns, or nullptr (reported) when the
// function is unknown or returns no object.
std::shared_ptr<vy::IVyScriptValue> CallScriptFunction(const std::string& name);

// The object scripts see for a registered options object: what the script
// function returning it hands out, else the object itself wrapped.
std::shared_ptr<vy::IVyScriptValue> ScriptValueOf(vy::TVyOptionsObject& options);

// Prints "  NAME = VALUE" for every published property.
void PrintProperties(const vy::TVyPersistent& object);

// Reads one property; false (reported, listing the known names) when unknown.
bool PrintProperty(const vy::TVyPersistent& object, const std::string& property,
                   const std::string& label);

// Writes one property from text; false (reported) when the name is unknown or
// the text does not fit.
bool WriteProperty(vy::TVyPersistent& object, const std::string& property,
                   const std::string& value);

// Writes the modified options objects into the store and saves it; false
// (reported) when the store cannot be written.
bool SaveOptionsStore(TCommandContext& context);

}  // namespace vantry
