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
  const std::string path = vy::GetEnvironmentVariable("PATH").value_or("");
  std::size_t start = 0;
  while (start <= path.size()) {
    auto end = path.find(vy::kPathListSeparator, start);
    if (end == std::string::npos) end = path.size();
    if (auto found = ProgramIn(path.substr(start, end - start)); !found.empty()) return found;
    start = end + 1;
  }
  return {};
}

}  // namespace

std::string defaultClearToolPath() {
  std::string result = RegisteredCleartoolFolder();
  if (!result.empty()) result = vy::IncludeTrailingPathDelimiter(result);
  if (result.empty()) result = SearchPath();
  const auto& fs = vy::FileSystem();
  if (!fs.DirectoryExists(result) && !fs.FileExists(result)) result.clear();
  return result;
}

}  // namespace clearcase
