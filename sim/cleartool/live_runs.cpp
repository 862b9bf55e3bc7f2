#include "sim/cleartool/live_runs.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace ctsim {

namespace fs = std::filesystem;

int ProcessesWithEnvironment(const std::string& nameValue) {
  int found = 0;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator("/proc", error)) {
    const std::string pid = entry.path().filename().string();
    if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream in(entry.path() / "environ", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    // Entries are NUL-terminated; a leading NUL makes the match whole.
    if (('\0' + text.str()).find('\0' + nameValue + '\0') != std::string::npos) ++found;
  }
  return found;
}

}  // namespace ctsim
