// Bringing the host up: packages, then the options store, then the options
// objects the packages registered.

#include <string>
#include <vector>

#include "commands.h"
#include "output.h"
#include "vycore/plugin.h"

namespace vantry {

bool TCommandContext::LoadHost(bool registerPages, bool forUpdate) {
  std::vector<std::string> errors;
  vy::LoadAllPackages(registerPages, errors);
  for (const std::string& error : errors) PrintError("vantry: " + error);
  if (!errors.empty()) return false;

  const std::string path = optionsPath.empty() ? vy::TVyOptionsStore::DefaultPath() : optionsPath;
  std::string error;
  if (forUpdate && !store.LockForUpdate(path, &error)) {
    PrintError("vantry: cannot lock the options store: " + error);
    return false;
  }
  if (!store.Load(path, &error)) {
    PrintError("vantry: cannot read the options store: " + error);
    return false;
  }
  store.LoadRegisteredOptions();
  for (const std::string& warning : store.Warnings()) Warn("vantry: " + warning);
  return true;
}

void TCommandContext::Warn(const std::string& text) const {
  if (!quiet) PrintLog(text);
}

}  // namespace vantry
