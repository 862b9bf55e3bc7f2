#pragma once
// Loading packages: shared libraries exporting
//   extern "C" void VyRegister(bool RegisterPages);

#include <string>
#include <vector>

namespace vy {

// The install's plug-in folder (next to the executable: ../lib/vantry/plugins)
// followed by the folders of $VANTRY_PLUGIN_PATH.
std::vector<std::string> PackageSearchPath();

// Loads one library and calls its entry point. False with `error` naming the
// library when it cannot be loaded or lacks VyRegister.
bool LoadPackage(const std::string& libraryPath, bool registerPages, std::string* error);

// Loads every "*.so" package of the search path, each once; returns the
// number loaded and appends one error line per failure.
int LoadAllPackages(bool registerPages, std::vector<std::string>& errors);
// The same over the given folders, each in sorted order: the first library of
// a given file name wins, and a file reached twice through links loads once.
int LoadAllPackages(const std::vector<std::string>& searchPath, bool registerPages,
                    std::vector<std::string>& errors);

}  // namespace vy
