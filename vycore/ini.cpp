#include "vycore/ini.h"

// UTF-8 in, UTF-8 out: the narrow interface needs no converter library, and
// taking the implementation from the header keeps the library header-only.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <filesystem>

#include "vycore/filesystem.h"
#include "vycore/platform.h"

namespace vy {
namespace {

// Section and key names compare case-insensitively, as in Windows INI files.
using TIniFile = CSimpleIniA;

// False only when an existing file cannot be read; a missing file is empty.
bool LoadIni(const std::string& file, TIniFile& ini) {
  ini.SetUnicode(true);
  if (!FileSystem().FileExists(file)) return !FileSystem().DirectoryExists(file);
  std::string text;
  if (!ReadFileText(file, text, nullptr)) return false;
  return ini.LoadData(text) >= 0;
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
  return ini.GetValue(section.c_str(), key.c_str(), defaultValue.c_str());
}

bool IniReadBool(const std::string& file, const std::string& section, const std::string& key,
                 bool defaultValue) {
  TIniFile ini;
  if (!LoadIni(file, ini)) return defaultValue;
  // Accepts true/false, yes/no, on/off and 1/0.
  return ini.GetBoolValue(section.c_str(), key.c_str(), defaultValue);
}

bool IniWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) {
  TIniFile ini;
  if (!LoadIni(file, ini)) return false;
  if (ini.SetValue(section.c_str(), key.c_str(), value.c_str()) < 0) return false;
  std::string text;
  if (ini.Save(text) < 0) return false;
  const std::string dir = ExtractFileDir(file);
  std::error_code ignored;  // a missing folder shows as the write error below
  if (!dir.empty()) std::filesystem::create_directories(dir, ignored);
  return WriteFileAtomic(file, text, nullptr);
}

bool IniWriteBool(const std::string& file, const std::string& section, const std::string& key,
                  bool value) {
  return IniWriteString(file, section, key, value ? "true" : "false");
}

}  // namespace vy
