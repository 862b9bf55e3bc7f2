#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "vycore/platform.h"

namespace vy {

bool IsPathDelimiter(char c) {
  return c == '/';
}

std::string IncludeTrailingPathDelimiter(std::string path) {
  // An empty path stays empty: making it "/" would silently point at the root.
  if (!path.empty() && !IsPathDelimiter(path.back())) path.push_back(kPathDelimiter);
  return path;
}

std::string ExtractFileDir(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string_view::npos) return {};
  std::size_t end = slash;
  while (end > 0 && IsPathDelimiter(path[end - 1])) --end;
  if (end == 0) return "/";
  return std::string(path.substr(0, end));
}

std::string ExtractFileName(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::optional<std::string> GetEnvironmentVariable(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (!value) return std::nullopt;
  return std::string(value);
}

std::string CurrentDirectory() {
  std::vector<char> buffer(4096);
  while (!getcwd(buffer.data(), buffer.size())) {
    if (errno != ERANGE) return {};
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

namespace {

std::string HomeDirectory() {
  if (auto home = GetEnvironmentVariable("HOME"); home && !home->empty()) return *home;
  const passwd* entry = getpwuid(getuid());
  return entry && entry->pw_dir ? entry->pw_dir : "";
}

}  // namespace

std::string UserConfigDir() {
  if (auto xdg = GetEnvironmentVariable("XDG_CONFIG_HOME"); xdg && !xdg->empty()) {
    return IncludeTrailingPathDelimiter(*xdg) + "vantry";
  }
  return IncludeTrailingPathDelimiter(HomeDirectory()) + ".config/vantry";
}

}  // namespace vy
