// The process layer: what running a program through IVyProcess costs over a
// bare posix_spawn + waitpid of the same program, and how late a time-out
// returns.

#include <algorithm>

#include "bench.h"
#include "vycore/process.h"

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSpawnRounds = 400;
constexpr int kTimeoutRounds = 50;
constexpr int kTimeoutMs = 100;

double VyProcessMs(const char* program, const char* parameters, int timeoutMs) {
  const auto start = Clock::now();
  auto process = vy::CreateVyProcess();
  process->SetFileName(program);
  process->SetParameters(parameters);
  process->SetHidden(true);
  process->SetCaptureOutput(true);
  process->SetTimeout(timeoutMs);
  vy::TStringList output;
  process->Run(output);
  return Milliseconds(Clock::now() - start);
}

// Interleaved, so that both sides see the same machine load.
BenchRow SpawnCost() {
  std::vector<double> bare, layered;
  for (int i = 0; i < kSpawnRounds / 10; ++i) BareSpawnMs(), VyProcessMs(kTrivialProgram, "", 0);
  for (int i = 0; i < kSpawnRounds; ++i) {
    bare.push_back(BareSpawnMs());
    layered.push_back(VyProcessMs(kTrivialProgram, "", 0));
  }
  return {"/bin/true via IVyProcess vs posix_spawn (median)", "us", Median(layered) * 1000,
          Median(bare) * 1000, 1.10};
}

std::vector<BenchRow> TimeoutOvershoot() {
  std::vector<double> overshoot;
  for (int i = 0; i < kTimeoutRounds; ++i) {
    overshoot.push_back(VyProcessMs("/bin/sleep", "60", kTimeoutMs) - kTimeoutMs);
  }
  const double worst = *std::max_element(overshoot.begin(), overshoot.end());
  return {{"time-out overshoot, median of 50", "ms", Median(overshoot), 0, 20},
          {"time-out overshoot, maximum of 50", "ms", worst, 0, 100}};
}

}  // namespace

std::vector<BenchRow> RunProcessBench() {
  std::vector<BenchRow> rows{SpawnCost()};
  for (BenchRow& row : TimeoutOvershoot()) rows.push_back(std::move(row));
  return rows;
}

}  // namespace bench
