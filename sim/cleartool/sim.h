// Entry points of the stand-in: one command against a world (for in-process
// tests), and the whole program with environment, faults and journal.
#pragma once

#include <string>
#include <vector>

namespace ctsim {

struct Outcome {
  int status = 0;
  std::string out;
  std::string err;
};

// Runs one command; cwd must be absolute. No faults, no journal.
Outcome Execute(const std::string& worldPath, const std::string& cwd, const std::string& user,
                const std::vector<std::string>& args);

// The program: reads CLEARTOOL_SIM_WORLD, CLEARTOOL_SIM_FAULT and
// CLEARTOOL_SIM_JOURNAL, writes to standard output and error, returns the exit status.
int RunCleartool(const std::vector<std::string>& args);

}  // namespace ctsim
