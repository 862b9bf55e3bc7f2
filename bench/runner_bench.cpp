// The runner: what running one action through the whole protocol costs over
// starting the same program directly with posix_spawn + waitpid.

#include "bench.h"
#include "vycore/run.h"

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kActions = 400;

// The smallest action the runner can run: the trivial program, no arguments.
class TTrivialAction final : public vy::TVyExecuteAbstractAction {
 public:
  std::string GetActionName() const override { return "Trivial"; }
  std::string GetExecutable() override { return kTrivialProgram; }
};

// Swallows the log, as a runner with its output redirected would.
class TSilentHost final : public vy::IVyActionHost {
 public:
  void Log(const vy::TCustomVyAction&, const std::string&, vy::TStatusTag) override {}
  vy::TVyVariables& Variables() override { return variables_; }

 private:
  vy::TVyVariables variables_;
};

double RunActionMs(TTrivialAction& action) {
  const auto start = Clock::now();
  vy::RunAction(action, {});
  action.ClearMessages();
  return Milliseconds(Clock::now() - start);
}

}  // namespace

std::vector<BenchRow> RunRunnerBench() {
  TSilentHost host;
  std::vector<TTrivialAction> actions(kActions);
  for (TTrivialAction& action : actions) action.AttachHost(&host);
  // Warm up, then interleave so that both sides see the same machine load.
  for (int i = 0; i < kActions / 10; ++i) BareSpawnMs(), RunActionMs(actions[i]);
  std::vector<double> bare, run;
  for (TTrivialAction& action : actions) {
    bare.push_back(BareSpawnMs());
    run.push_back(RunActionMs(action));
  }
  return {{"RunAction(/bin/true) vs posix_spawn, median", "us", Median(run) * 1000,
           Median(bare) * 1000, 1.10}};
}

}  // namespace bench
