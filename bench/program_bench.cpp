// The runner program as a build server uses it: "vantry run" against the
// cleartool stand-in. What each further action of a project costs (the time
// of a project of 2n actions less that of n, over n) is set against starting
// the stand-in directly with the same arguments in the same folder; the
// runner's own start, paid once per run, is a row of its own. Both are
// reported without a target: against a program as quick as the stand-in,
// what the runner adds per action (its log lines, the checks of each action,
// and the wake-ups of a process that watches its child) is still visible;
// the target is held by the runner's protocol alone ("runner" section).
//
// A flood of output through "vantry run" (the stand-in printing 100 MB of
// short lines, the log going to /dev/null) is set against the stand-in
// printing the same to /dev/null itself, with the runner's peak memory at two
// sizes of flood: it must not grow with the flood.

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench.h"

extern char** environ;

namespace bench {
namespace {

namespace fs = std::filesystem;

constexpr int kActions = 40;  // n
constexpr int kRounds = 12;
constexpr long long kFloodBytes = 100'000'000;
constexpr int kFloodRounds = 3;

// Starts a program, reads its output (both streams, on one pipe, as a build
// log would take them) until it ends, and waits for it.
double SpawnMs(const std::vector<std::string>& argv, const std::string& folder) {
  std::vector<char*> pointers;
  for (const std::string& argument : argv) pointers.push_back(const_cast<char*>(argument.c_str()));
  pointers.push_back(nullptr);
  int output[2];
  if (pipe2(output, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], 1);
  posix_spawn_file_actions_adddup2(&actions, output[1], 2);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  int status = -1;
  const int spawned = posix_spawn(&pid, pointers[0], &actions, nullptr, pointers.data(), environ);
  close(output[1]);
  char buffer[65536];
  while (read(output[0], buffer, sizeof buffer) > 0) {
  }
  close(output[0]);
  if (spawned == 0) waitpid(pid, &status, 0);
  posix_spawn_file_actions_destroy(&actions);
  if (status != 0) throw std::runtime_error(argv[0] + " failed in the benchmark");
  return Milliseconds(std::chrono::steady_clock::now() - start);
}

struct TNullRun {
  double ms = 0;
  double peakMb = 0;
};

// Starts a program with both output streams on /dev/null and waits for it;
// the peak is the program's resident memory at its highest.
TNullRun SpawnToNull(const std::vector<std::string>& argv, const std::string& folder) {
  std::vector<char*> pointers;
  for (const std::string& argument : argv) pointers.push_back(const_cast<char*>(argument.c_str()));
  pointers.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  int status = -1;
  struct rusage usage {};
  if (posix_spawn(&pid, pointers[0], &actions, nullptr, pointers.data(), environ) == 0) {
    wait4(pid, &status, 0, &usage);
  }
  TNullRun run{Milliseconds(std::chrono::steady_clock::now() - start),
               static_cast<double>(usage.ru_maxrss) / 1024};
  posix_spawn_file_actions_destroy(&actions);
  if (status != 0) throw std::runtime_error(argv[0] + " failed in the benchmark");
  return run;
}

// A private copy of the demo world, an options store that names the stand-in
// and its view, and projects of "find checkouts" in that view.
class TWorkspace {
 public:
  TWorkspace() {
    std::string pattern = (fs::temp_directory_path() / "vantry-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
    fs::copy_file(BENCH_WORLD_FILE, root_ / "demo.xml");
    setenv("CLEARTOOL_SIM_WORLD", (root_ / "demo.xml").c_str(), 1);
    setenv("VANTRY_OPTIONS", (root_ / "options.xml").c_str(), 1);
    setenv("XDG_CONFIG_HOME", root_.c_str(), 1);
    setenv("VANTRY_PLUGIN_PATH", BENCH_PLUGIN_FOLDER, 1);
    SpawnMs({BENCH_CLEARTOOL, "lsvob", "-short"}, root_);  // lays out the views
    SpawnMs({BENCH_VANTRY, "options", "set", "CleartoolPath", BENCH_CLEARTOOL, "DefaultViewPath",
             View()},
            root_);
    for (int actions : {0, 1, kActions, 2 * kActions}) WriteProject(actions);
  }
  ~TWorkspace() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  std::string View() const { return (root_ / "views/dev_view/vobs/src").string(); }
  std::string Root() const { return root_.string(); }
  double RunMs(int actions) const {
    return SpawnMs({BENCH_VANTRY, "run", Project(actions)}, Root());
  }
  // One action whose cleartool prints `bytes` of output.
  TNullRun FloodRun(long long bytes) const {
    setenv("CLEARTOOL_SIM_FAULT", ("flood:" + std::to_string(bytes)).c_str(), 1);
    const TNullRun run = SpawnToNull({BENCH_VANTRY, "run", Project(1)}, Root());
    unsetenv("CLEARTOOL_SIM_FAULT");
    return run;
  }
  TNullRun DirectFlood(long long bytes) const {
    setenv("CLEARTOOL_SIM_FAULT", ("flood:" + std::to_string(bytes)).c_str(), 1);
    const TNullRun run = SpawnToNull({BENCH_CLEARTOOL, "lscheckout", "-short"}, View());
    unsetenv("CLEARTOOL_SIM_FAULT");
    return run;
  }

 private:
  std::string Project(int actions) const {
    return (root_ / ("project" + std::to_string(actions) + ".xml")).string();
  }
  void WriteProject(int actions) const {
    std::ofstream project(Project(actions));
    project << "<VantryProject>\n  <Actions>\n";
    for (int i = 0; i < actions; ++i) {
      project << "    <Action type=\"CC_FINDCHECKOUTS\" enabled=\"true\">"
                 "<Property name=\"UseDefaultViewContext\" value=\"true\"/></Action>\n";
    }
    project << "  </Actions>\n</VantryProject>\n";
  }

  fs::path root_;
};

}  // namespace

std::vector<BenchRow> RunProgramBench() {
  TWorkspace workspace;
  std::vector<double> direct, perAction, start;
  for (int round = 0; round < kRounds; ++round) {
    double total = 0;
    for (int i = 0; i < kActions; ++i) {
      total += SpawnMs({BENCH_CLEARTOOL, "lscheckout", "-short"}, workspace.View());
    }
    direct.push_back(total / kActions);
    perAction.push_back((workspace.RunMs(2 * kActions) - workspace.RunMs(kActions)) / kActions);
    start.push_back(workspace.RunMs(0));
  }
  std::vector<double> floodRun, floodDirect, floodPeak, smallPeak;
  for (int round = 0; round < kFloodRounds; ++round) {
    floodDirect.push_back(workspace.DirectFlood(kFloodBytes).ms);
    const TNullRun run = workspace.FloodRun(kFloodBytes);
    floodRun.push_back(run.ms);
    floodPeak.push_back(run.peakMb);
    smallPeak.push_back(workspace.FloodRun(kFloodBytes / 100).peakMb);
  }
  return {{"vantry run, each further action, vs direct start", "ms", Median(perAction),
           Median(direct), 0},
          {"vantry run of an empty project (start-up)", "ms", Median(start), 0, 0},
          {"vantry run of a 100 MB flood vs the stand-in to /dev/null", "ms", Median(floodRun),
           Median(floodDirect), 0},
          {"vantry run peak memory, 100 MB flood", "MB", Median(floodPeak), 0, 32},
          {"vantry run peak memory, 1 MB flood", "MB", Median(smallPeak), 0, 32}};
}

}  // namespace bench
