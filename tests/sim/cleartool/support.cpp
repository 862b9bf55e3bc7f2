#include "support.h"

#include <filesystem>

namespace ctsim::test {

namespace fs = std::filesystem;

WorldCopy::WorldCopy(const std::string& name) : dir_(fs::canonical(temp_.Path()).string()) {
  world_ = dir_ + "/" + name;
  fs::copy_file(std::string(WORLDS_DIR) + "/" + name, world_);
  Run("", {"lsvob", "-short"});  // lays out the view directories
}

Outcome WorldCopy::Run(const std::string& cwdRel, const std::vector<std::string>& args) const {
  std::string cwd = cwdRel.empty() ? dir_ : dir_ + "/" + cwdRel;
  return Execute(world_, cwd, "tester", args);
}

std::string WorldCopy::Text() const {
  return vytest::ReadAll(world_);
}

}  // namespace ctsim::test
