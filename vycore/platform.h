#pragma once
// Path and environment rules of the platform the host runs on. A Windows
// build supplies its own platform_*.cpp for these.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vy {

#ifdef _WIN32
inline constexpr char kPathDelimiter = '\\';
inline constexpr char kPathListSeparator = ';';
#else
inline constexpr char kPathDelimiter = '/';
inline constexpr char kPathListSeparator = ':';
#endif

bool IsPathDelimiter(char c);
std::string IncludeTrailingPathDelimiter(std::string path);
// The directory part of a path, without a trailing delimiter ("" when none).
std::string ExtractFileDir(std::string_view path);
std::string ExtractFileName(std::string_view path);

// The folders of a search-path list such as PATH, split on kPathListSeparator;
// empty entries are dropped.
std::vector<std::string> SplitPathList(std::string_view list);

std::optional<std::string> GetEnvironmentVariable(const std::string& name);
std::string CurrentDirectory();

// $XDG_CONFIG_HOME/vantry, or ~/.config/vantry.
std::string UserConfigDir();

}  // namespace vy
