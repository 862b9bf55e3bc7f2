#include "clearcase/plugin/last_view_directory.h"

#include "clearcase/plugin/clearcase_options.h"
#include "vycore/ini.h"
#include "vycore/services.h"

namespace clearcase {

namespace {
constexpr const char* kSection = "ClearCase";
constexpr const char* kKey = "LastViewDirectory";
}  // namespace

std::string CCGetLastViewDirectory() {
  auto directory = vy::IniReadString(vy::GetVyUserIniFileName(), kSection, kKey, "");
  if (directory.empty()) {
    if (auto* options = ClearCaseOptions(); options != nullptr) {
      directory = options->GetDefaultViewPath();
    }
  }
  return directory;
}

void CCSetLastViewDirectory(const std::string& dir) {
  vy::IniWriteString(vy::GetVyUserIniFileName(), kSection, kKey, dir);
}

std::string CCSelectViewPath(const std::string& initial) {
  std::string chosen;
  const auto start = initial.empty() ? CCGetLastViewDirectory() : initial;
  if (!vy::VyBrowseForDirectory(start, chosen, "Select View")) return initial;
  CCSetLastViewDirectory(chosen);
  return chosen;
}

}  // namespace clearcase
