#pragma once
// Loading the packages' page libraries: the designer first loads the packages
// themselves (vy::LoadAllPackages with pages), then each package's companion
// library of pages, which registers its page factories through the exported
// entry point kVyRegisterPagesSymbol. Kept apart from the packages so that
// the runner never loads a GUI toolkit.

#include <string>
#include <vector>

namespace vy::gui {

// The "pages" folder beside every folder of the package search path
// (lib/vantry/plugins -> lib/vantry/pages), followed by the folders of
// $VANTRY_PAGES_PATH; each folder once.
std::vector<std::string> PageLibrarySearchPath();

// Loads one page library and calls its entry point. False with `error`
// naming the library when it cannot be loaded or lacks the entry point.
bool LoadPageLibrary(const std::string& libraryPath, std::string* error);

// Loads every "*.so" of the folders, in sorted order per folder; the first
// library of a given file name wins. Returns the number loaded and appends
// one error line per failure.
int LoadAllPageLibraries(const std::vector<std::string>& searchPath,
                         std::vector<std::string>& errors);
int LoadAllPageLibraries(std::vector<std::string>& errors);

}  // namespace vy::gui
