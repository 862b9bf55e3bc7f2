#include "vycore/gui/page_packages.h"

#include <dlfcn.h>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <set>

#include "vycore/gui/page_registry.h"
#include "vycore/platform.h"
#include "vycore/plugin.h"

namespace vy::gui {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> LibrariesIn(const std::string& dir) {
  std::vector<fs::path> libraries;
  std::error_code error;
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (it->path().extension() == ".so" && !it->is_directory(ignored)) {
      libraries.push_back(it->path());
    }
  }
  std::sort(libraries.begin(), libraries.end());
  return libraries;
}

}  // namespace

std::vector<std::string> PageLibrarySearchPath() {
  std::vector<std::string> path;
  std::set<std::string> seen;
  const auto add = [&](const std::string& dir) {
    if (seen.insert(dir).second) path.push_back(dir);
  };
  for (const std::string& packages : PackageSearchPath()) {
    fs::path dir = fs::path(packages).lexically_normal();
    // "lib/vantry/plugins/" names the same folder as "lib/vantry/plugins".
    if (dir.filename().empty()) dir = dir.parent_path();
    add((dir.parent_path() / "pages").string());
  }
  if (auto list = GetEnvironmentVariable("VANTRY_PAGES_PATH")) {
    for (const std::string& dir : SplitPathList(*list)) add(dir);
  }
  return path;
}

bool LoadPageLibrary(const std::string& libraryPath, std::string* error) {
  // RTLD_LOCAL like the packages: the page library reaches its package
  // through its own dependency, which the loader resolves to the package
  // already loaded.
  void* handle = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* reason = dlerror();
    if (error) *error = "cannot load " + libraryPath + ": " + (reason ? reason : "unknown error");
    return false;
  }
  auto entry = reinterpret_cast<TVyRegisterPagesEntry>(dlsym(handle, kVyRegisterPagesSymbol));
  if (!entry) {
    if (error) *error = libraryPath + " has no entry point " + kVyRegisterPagesSymbol;
    dlclose(handle);
    return false;
  }
  try {
    entry();
  } catch (const std::exception& e) {
    if (error) *error = libraryPath + " failed to register its pages: " + e.what();
    return false;
  } catch (...) {
    if (error) *error = libraryPath + " failed to register its pages";
    return false;
  }
  return true;
}

int LoadAllPageLibraries(const std::vector<std::string>& searchPath,
                         std::vector<std::string>& errors) {
  std::set<std::string> names;
  int loaded = 0;
  for (const std::string& dir : searchPath) {
    for (const fs::path& library : LibrariesIn(dir)) {
      if (!names.insert(library.filename().string()).second) continue;
      std::string error;
      if (LoadPageLibrary(library.string(), &error)) {
        ++loaded;
      } else {
        errors.push_back(error);
      }
    }
  }
  return loaded;
}

int LoadAllPageLibraries(std::vector<std::string>& errors) {
  return LoadAllPageLibraries(PageLibrarySearchPath(), errors);
}

}  // namespace vy::gui
