#include <string_view>

#include "clearcase/plugin/cleartool_discovery.h"
#include "vycore/filesystem.h"
#include "vycore/platform.h"

namespace clearcase {

namespace {

// This platform has no registry of application paths.
std::string RegisteredApplicationPath() { return {}; }

std::string SearchPath() {
  const auto& fs = vy::FileSystem();
  if (fs.FileExists(kCleartoolProgramName)) return kCleartoolProgramName;
  const std::string path = vy::GetEnvironmentVariable("PATH").value_or("");
  std::size_t start = 0;
  while (start <= path.size()) {
    auto end = path.find(vy::kPathListSeparator, start);
    if (end == std::string::npos) end = path.size();
    const std::string folder = path.substr(start, end - start);
    if (!folder.empty()) {
      const auto candidate = vy::IncludeTrailingPathDelimiter(folder) + kCleartoolProgramName;
      if (fs.FileExists(candidate)) return candidate;
    }
    start = end + 1;
  }
  return {};
}

}  // namespace

std::string defaultClearToolPath() {
  std::string result = RegisteredApplicationPath();
  if (result.empty()) result = SearchPath();
  const auto& fs = vy::FileSystem();
  if (!fs.DirectoryExists(result) && !fs.FileExists(result)) result.clear();
  return result;
}

}  // namespace clearcase
