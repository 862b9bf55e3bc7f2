// Helpers for the stand-in's tests: a private copy of an example world and commands
// run in-process against it.
#pragma once

#include <string>
#include <vector>

#include "sim/cleartool/sim.h"
#include "test_support.h"

namespace ctsim::test {

// A temporary folder holding a copy of examples/worlds/<name>; removed afterwards.
class WorldCopy {
 public:
  explicit WorldCopy(const std::string& name);

  const std::string& Dir() const { return dir_; }
  const std::string& World() const { return world_; }
  std::string Path(const std::string& rel) const { return dir_ + "/" + rel; }
  // Runs a command in-process in dir()/cwd_rel.
  Outcome Run(const std::string& cwdRel, const std::vector<std::string>& args) const;
  std::string Text() const;  // the world file as it is now

 private:
  vytest::TTempDir temp_;
  std::string dir_;
  std::string world_;
};

using vytest::ReadAll;
using vytest::WriteAll;

}  // namespace ctsim::test
