#pragma once
// The per-user INI file. Each call opens the file and closes it again, so
// two processes see each other's writes.

#include <string>

namespace vy {

// $VANTRY_USER_INI, else UserConfigDir()/user.ini.
std::string GetVyUserIniFileName();

std::string IniReadString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& defaultValue);
bool IniReadBool(const std::string& file, const std::string& section, const std::string& key,
                 bool defaultValue);
// False when the file cannot be written; nothing is lost then.
bool IniWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value);
bool IniWriteBool(const std::string& file, const std::string& section, const std::string& key,
                  bool value);

}  // namespace vy
