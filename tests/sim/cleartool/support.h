// Helpers for the stand-in's tests: a private copy of an example world and commands
// run in-process against it.
#pragma once

#include <string>
#include <vector>

#include "sim/cleartool/sim.h"

namespace ctsim::test {

// A temporary folder holding a copy of examples/worlds/<name>; removed afterwards.
class WorldCopy {
 public:
  explicit WorldCopy(const std::string& name);
  ~WorldCopy();
  WorldCopy(const WorldCopy&) = delete;
  WorldCopy& operator=(const WorldCopy&) = delete;

  const std::string& dir() const { return dir_; }
  const std::string& world() const { return world_; }
  std::string Path(const std::string& rel) const { return dir_ + "/" + rel; }
  // Runs a command in-process in dir()/cwd_rel.
  Outcome Run(const std::string& cwd_rel, const std::vector<std::string>& args) const;
  std::string Text() const;  // the world file as it is now

 private:
  std::string dir_;
  std::string world_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);

}  // namespace ctsim::test
