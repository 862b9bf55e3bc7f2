// Helpers for the stand-in's tests: a private copy of an example world, commands
// run in-process against it, and the real program run as a child process.
#pragma once

#include <gtest/gtest.h>

#include <map>
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

struct ProcessResult {
  int status = -1;  // exit status, or -1 when killed by a signal
  int signal = 0;
  bool timed_out = false;
  std::string out;
  std::string err;
  double millis = 0;
};

// Runs the cleartool program in cwd with extra environment variables; kills its
// process group after timeout_ms.
ProcessResult RunProgram(const std::vector<std::string>& args, const std::string& cwd,
                         const std::map<std::string, std::string>& env, int timeout_ms = 5000);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);

// Names a table-driven test after its row.
struct CaseName {
  template <class Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
    return info.param.name;
  }
};

}  // namespace ctsim::test
