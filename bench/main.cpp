// vantry-bench: runs every section and prints one table. Exits with 1 when a
// target is missed, so that a script can tell.

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "bench.h"

extern char** environ;

namespace bench {

double BareSpawnMs() {
  const auto start = std::chrono::steady_clock::now();
  char* argv[] = {const_cast<char*>(kTrivialProgram), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, kTrivialProgram, nullptr, nullptr, argv, environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
  }
  return Milliseconds(std::chrono::steady_clock::now() - start);
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

namespace {

struct Section {
  const char* name;
  std::vector<BenchRow> (*run)();
};

const Section kSections[] = {
    {"process", RunProcessBench},
    {"runner", RunRunnerBench},
    {"program", RunProgramBench},
    {"parse", RunParseBench},
};

bool Met(const BenchRow& row) {
  if (row.target == 0) return true;
  return row.baseline > 0 ? row.measured / row.baseline <= row.target : row.measured < row.target;
}

void PrintRow(const BenchRow& row) {
  char measured[32], baseline[32] = "-", ratio[32] = "-", target[32];
  std::snprintf(measured, sizeof measured, "%.3f %s", row.measured, row.unit.c_str());
  if (row.baseline > 0) {
    std::snprintf(baseline, sizeof baseline, "%.3f %s", row.baseline, row.unit.c_str());
    std::snprintf(ratio, sizeof ratio, "%.3f", row.measured / row.baseline);
  }
  if (row.target == 0) {
    std::snprintf(target, sizeof target, "-");
  } else if (row.baseline > 0) {
    std::snprintf(target, sizeof target, "<= %.2f", row.target);
  } else {
    std::snprintf(target, sizeof target, "< %g %s", row.target, row.unit.c_str());
  }
  std::printf("%-62s %14s %14s %8s %12s  %s\n", row.name.c_str(), measured, baseline, ratio, target,
              row.target == 0 ? ""
              : Met(row)      ? "met"
                              : "MISSED");
}

}  // namespace
}  // namespace bench

int main() {
  using namespace bench;
  std::printf("%-62s %14s %14s %8s %12s\n", "row", "measured", "baseline", "ratio", "target");
  int missed = 0;
  for (const Section& section : kSections) {
    std::vector<BenchRow> rows;
    try {
      rows = section.run();
    } catch (const std::exception& e) {
      std::printf("%s: could not be measured: %s\n", section.name, e.what());
      ++missed;
    }
    for (const BenchRow& row : rows) {
      PrintRow({std::string(section.name) + ": " + row.name, row.unit, row.measured, row.baseline,
                row.target});
      missed += Met(row) ? 0 : 1;
    }
    std::fflush(stdout);
  }
  std::printf("%s\n", missed == 0 ? "all targets met"
                                  : (std::to_string(missed) + " target(s) missed").c_str());
  return missed == 0 ? 0 : 1;
}
