#pragma once
// Benchmark sections. A section measures in a file of its own and returns
// rows for the one table main.cpp prints: declare its function here and list
// it in main.cpp. Figures are timed against a baseline measured in the same
// run wherever there is one, so that the ratio, not the machine, is judged.

#include <chrono>
#include <string>
#include <vector>

namespace bench {

struct BenchRow {
  std::string name;
  std::string unit;  // of `measured` and `baseline`, e.g. "us" or "ms"
  double measured = 0;
  double baseline = 0;  // 0: no baseline
  // With a baseline: the ratio measured / baseline must be at most `target`.
  // Without one: `measured` must stay below `target`. 0: reported only.
  double target = 0;
};

// Milliseconds, for sections that time with steady_clock.
inline double Milliseconds(std::chrono::steady_clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

double Median(std::vector<double> values);

// The baseline of the process rows: a program that does nothing, started with
// a bare posix_spawn + waitpid.
inline constexpr const char* kTrivialProgram = "/bin/true";
double BareSpawnMs();

std::vector<BenchRow> RunProcessBench();
std::vector<BenchRow> RunRunnerBench();
std::vector<BenchRow> RunProgramBench();
std::vector<BenchRow> RunParseBench();

}  // namespace bench
