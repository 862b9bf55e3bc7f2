#include "clearcase/plugin/cleartool_discovery.h"

#include "vycore/filesystem.h"
#include "vycore/platform.h"

namespace clearcase {

namespace {

// The program in `folder` when it is there; empty otherwise.
std::string ProgramIn(const std::string& folder) {
  if (folder.empty()) return {};
  auto candidate = vy::IncludeTrailingPathDelimiter(folder) + kCleartoolProgramName;
  return vy::FileSystem().FileExists(candidate) ? candidate : std::string();
}

// A program found in the current directory is named absolutely, so that the
// folder that holds it can serve as a starting directory.
std::string SearchPath() {
  if (auto found = ProgramIn(vy::CurrentDirectory()); !found.empty()) return found;
  for (const auto& folder : vy::SplitPathList(vy::GetEnvironmentVariable("PATH").value_or(""))) {
    if (auto found = ProgramIn(folder); !found.empty()) return found;
  }
  return {};
}

}  // namespace

std::string DefaultClearToolPath() {
  std::string result = RegisteredCleartoolFolder();
  if (!result.empty()) result = vy::IncludeTrailingPathDelimiter(result);
  if (result.empty()) result = SearchPath();
  const auto& fs = vy::FileSystem();
  if (!fs.DirectoryExists(result) && !fs.FileExists(result)) result.clear();
  return result;
}

}  // namespace clearcase
