// The runner program as a build server uses it: "vantry run" against the
// cleartool stand-in. What each further action of a project costs (the time
// of a project of 2n actions less that of n, over n) is set against starting
// the stand-in directly with the same arguments in the same folder; the
// runner's own start, paid once per run, is a row of its own. Both are
// reported without a target: against a program as quick as the stand-in,
// what the runner adds per action (its log lines, the checks of each action,
// and the wake-ups of a process that watches its child) is still visible;
// the target is held by the runner's protocol alone ("runner" section).

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
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
    for (int actions : {0, kActions, 2 * kActions}) WriteProject(actions);
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
  return {{"vantry run, each further action, vs direct start", "ms", Median(perAction),
           Median(direct), 0},
          {"vantry run of an empty project (start-up)", "ms", Median(start), 0, 0}};
}

}  // namespace bench
