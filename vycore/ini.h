#pragma once
// The per-user INI file. Each call opens the file and closes it again, so
// two processes see each other's writes.

#include <string>

namespace vy {

// $VANTRY_USER_INI, else UserConfigDir()/user.ini.
std::string GetVyUserIniFileName();

std::string IniReadString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& defaultValue);
// Reads 1/0, true/false and yes/no in any case; anything else gives the default.
bool IniReadBool(const std::string& file, const std::string& section, const std::string& key,
                 bool defaultValue);
// False when the file cannot be written or the value holds a line break;
// nothing is lost then. Booleans are written as 1 and 0.
bool IniWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value);
bool IniWriteBool(const std::string& file, const std::string& section, const std::string& key,
                  bool value);

}  // namespace vy
