// vantry script NAME[.PROPERTY[=VALUE]]: calls a script function and reads or
// writes a published property of the object it returns, as a script would.

#include <memory>
#include <string>

#include "commands.h"
#include "output.h"
#include "script_access.h"

namespace vantry {

namespace {

struct TScriptRequest {
  std::string function;
  std::string property;  // empty: every property
  std::string value;
  bool write = false;
};

bool ParseExpression(const std::string& text, TScriptRequest& request) {
  const std::size_t dot = text.find('.');
  request.function = text.substr(0, dot);
  if (dot != std::string::npos) {
    const std::string rest = text.substr(dot + 1);
    const std::size_t equals = rest.find('=');
    request.property = rest.substr(0, equals);
    request.write = equals != std::string::npos;
    if (request.write) request.value = rest.substr(equals + 1);
  }
  if (request.function.empty() || (dot != std::string::npos && request.property.empty())) {
    PrintError("vantry: expected NAME, NAME.PROPERTY or NAME.PROPERTY=VALUE, got \"" + text + "\"");
    return false;
  }
  return true;
}

int RunScript(TCommandContext& context, const std::string& expression) {
  TScriptRequest request;
  if (!ParseExpression(expression, request)) return ecUsage;
  if (!context.LoadHost(false, request.write)) return ecUsage;
  std::shared_ptr<vy::IVyScriptValue> value = CallScriptFunction(request.function);
  if (value == nullptr) return ecUsage;
  vy::TVyPersistent& object = *value->Object();
  if (request.property.empty()) {
    PrintProperties(object);
    return ecSuccess;
  }
  if (request.write) {
    if (!WriteProperty(object, request.property, request.value)) return ecUsage;
    if (!SaveOptionsStore(context)) return ecUsage;
  }
  return PrintProperty(object, request.property, request.function) ? ecSuccess : ecUsage;
}

}  // namespace

void AddScriptCommand(CLI::App& app, TCommandContext& context) {
  auto expression = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand(
      "script", "Read or write a property of the object a script function returns");
  command
      ->add_option("EXPRESSION", *expression,
                   "NAME (every property), NAME.PROPERTY (read) or NAME.PROPERTY=VALUE (write), "
                   "e.g. ClearCaseOptions.DesignTimeout=8000")
      ->required();
  SetCommandFooter(*command,
                   "0 the property was read or written\n2 bad usage, an unknown function or "
                   "property, a value that does not fit or an unreadable options store");
  command->callback([&context, expression] { context.exitCode = RunScript(context, *expression); });
}

}  // namespace vantry
