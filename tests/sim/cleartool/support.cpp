#include "support.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "vycore/filesystem.h"

namespace ctsim::test {

namespace fs = std::filesystem;

WorldCopy::WorldCopy(const std::string& name) {
  std::string pattern = (fs::temp_directory_path() / "ctsim-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  dir_ = fs::canonical(pattern).string();
  world_ = dir_ + "/" + name;
  fs::copy_file(std::string(WORLDS_DIR) + "/" + name, world_);
  Run("", {"lsvob", "-short"});  // lays out the view directories
}

WorldCopy::~WorldCopy() {
  std::error_code ec;
  fs::remove_all(dir_, ec);
}

Outcome WorldCopy::Run(const std::string& cwd_rel, const std::vector<std::string>& args) const {
  std::string cwd = cwd_rel.empty() ? dir_ : dir_ + "/" + cwd_rel;
  return Execute(world_, cwd, "tester", args);
}

std::string WorldCopy::Text() const {
  return ReadFile(world_);
}

std::string ReadFile(const std::string& path) {
  std::string text;
  vy::ReadFileText(path, text, nullptr);
  return text;
}

void WriteFile(const std::string& path, const std::string& text) {
  vy::WriteFileAtomic(path, text, nullptr);
}

}  // namespace ctsim::test
