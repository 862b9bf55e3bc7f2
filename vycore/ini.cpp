#include "vycore/ini.h"

// UTF-8 in, UTF-8 out: the narrow interface needs no converter library, and
// taking the implementation from the header keeps the library header-only.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <array>
#include <filesystem>
#include <string_view>

#include "vycore/filesystem.h"
#include "vycore/platform.h"
#include "vycore/text.h"

namespace vy {
namespace {

// Section and key names compare case-insensitively, as in Windows INI files.
using TIniFile = CSimpleIniA;

// The INI file is the user's own, never a test's fake: existence is asked of
// the real file system. A missing file reads as empty; false only when an
// existing one cannot be read.
bool LoadIni(const std::string& file, TIniFile& ini) {
  ini.SetUnicode(true);
  ini.SetSpaces(false);  // "key=value", as Windows writes it
  std::error_code error;
  const auto status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) return true;
  if (error || std::filesystem::is_directory(status)) return false;
  std::string text;
  if (!ReadFileText(file, text, nullptr)) return false;
  return ini.LoadData(text) >= 0;
}

// A reader drops the blanks around a value and a pair of quotes enclosing it,
// as Windows does; values that would lose something that way are quoted.
bool NeedsQuotes(std::string_view value) {
  if (value.empty()) return false;
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  return blank(value.front()) || blank(value.back()) ||
         (value.size() >= 2 && value.front() == '"' && value.back() == '"');
}

std::string Unquoted(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

}  // namespace

std::string GetVyUserIniFileName() {
  if (auto path = GetEnvironmentVariable("VANTRY_USER_INI"); path && !path->empty()) return *path;
  return IncludeTrailingPathDelimiter(UserConfigDir()) + "user.ini";
}

std::string IniReadString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& defaultValue) {
  TIniFile ini;
  if (!LoadIni(file, ini)) return defaultValue;
  const char* value = ini.GetValue(section.c_str(), key.c_str(), nullptr);
  return value ? Unquoted(value) : defaultValue;
}

bool IniReadBool(const std::string& file, const std::string& section, const std::string& key,
                 bool defaultValue) {
  const std::string text = IniReadString(file, section, key, {});
  static constexpr std::array<std::string_view, 3> kTrue = {"1", "true", "yes"};
  static constexpr std::array<std::string_view, 3> kFalse = {"0", "false", "no"};
  for (std::size_t i = 0; i < kTrue.size(); ++i) {
    if (SameText(text, kTrue[i])) return true;
    if (SameText(text, kFalse[i])) return false;
  }
  return defaultValue;
}

bool IniWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) {
  // A line break would end the value and start a line of its own.
  if (value.find_first_of("\r\n") != std::string::npos) return false;
  TIniFile ini;
  if (!LoadIni(file, ini)) return false;
  const std::string stored = NeedsQuotes(value) ? "\"" + value + "\"" : value;
  if (ini.SetValue(section.c_str(), key.c_str(), stored.c_str()) < 0) return false;
  std::string text;
  if (ini.Save(text) < 0) return false;
  const std::string dir = ExtractFileDir(file);
  std::error_code ignored;  // a missing folder shows as the write error below
  if (!dir.empty()) std::filesystem::create_directories(dir, ignored);
  return WriteFileAtomic(file, text, nullptr);
}

bool IniWriteBool(const std::string& file, const std::string& section, const std::string& key,
                  bool value) {
  return IniWriteString(file, section, key, value ? "1" : "0");
}

}  // namespace vy
