#include "vycore/plugin.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "vycore/platform.h"

namespace vy {
namespace {

using TRegisterFunction = void (*)(bool);

std::string ExecutableDir() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : self.parent_path().string();
}

// The "*.so" files of a folder, sorted; none when it cannot be read.
std::vector<std::filesystem::path> LibrariesIn(const std::string& dir) {
  std::vector<std::filesystem::path> libraries;
  std::error_code error;
  for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code ignored;
    if (it->path().extension() == ".so" && !it->is_directory(ignored)) {
      libraries.push_back(it->path());
    }
  }
  std::sort(libraries.begin(), libraries.end());
  return libraries;
}

std::string CanonicalPath(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::path canonical = std::filesystem::canonical(path, error);
  return error ? path.string() : canonical.string();
}

}  // namespace

std::vector<std::string> PackageSearchPath() {
  std::vector<std::string> path;
  if (const std::string dir = ExecutableDir(); !dir.empty()) {
    path.push_back(
        (std::filesystem::path(dir) / VANTRY_RELATIVE_PLUGIN_DIR).lexically_normal().string());
  }
  if (auto list = GetEnvironmentVariable("VANTRY_PLUGIN_PATH")) {
    for (std::string& dir : SplitPathList(*list)) path.push_back(std::move(dir));
  }
  return path;
}

bool LoadPackage(const std::string& libraryPath, bool registerPages, std::string* error) {
  // Packages stay loaded for the life of the process: nothing is unregistered.
  void* handle = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* reason = dlerror();
    if (error) *error = "cannot load " + libraryPath + ": " + (reason ? reason : "unknown error");
    return false;
  }
  auto entry = reinterpret_cast<TRegisterFunction>(dlsym(handle, "VyRegister"));
  if (!entry) {
    if (error) *error = libraryPath + " has no entry point VyRegister";
    dlclose(handle);
    return false;
  }
  try {
    entry(registerPages);
  } catch (const std::exception& e) {
    if (error) *error = libraryPath + " failed to register: " + e.what();
    return false;
  } catch (...) {
    if (error) *error = libraryPath + " failed to register";
    return false;
  }
  return true;
}

int LoadAllPackages(bool registerPages, std::vector<std::string>& errors) {
  return LoadAllPackages(PackageSearchPath(), registerPages, errors);
}

int LoadAllPackages(const std::vector<std::string>& searchPath, bool registerPages,
                    std::vector<std::string>& errors) {
  // The first folder that holds a library of a given name wins, as on a PATH;
  // a library reached twice through links is loaded once.
  std::set<std::string> names;
  std::set<std::string> canonicalPaths;
  int loaded = 0;
  for (const std::string& dir : searchPath) {
    for (const std::filesystem::path& library : LibrariesIn(dir)) {
      const bool newName = names.insert(library.filename().string()).second;
      const bool newFile = canonicalPaths.insert(CanonicalPath(library)).second;
      if (!newName || !newFile) continue;
      std::string error;
      if (LoadPackage(library.string(), registerPages, &error)) {
        ++loaded;
      } else {
        errors.push_back(error);
      }
    }
  }
  return loaded;
}

}  // namespace vy
