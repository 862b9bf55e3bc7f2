// vantry-designer-bench: the designer's own figures, offscreen. Opening the
// property dialog of each action type (create, init, read and the first
// command-line preview) and pressing OK; the designer's start-up up to its
// first shown window. Exits with 1 when a target is missed.

#include <spawn.h>
#include <sys/wait.h>

#include <unistd.h>
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench.h"
#include "designer_host.h"
#include "property_dialog.h"
#include "vycore/services.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kDialogTargetMs = 50;
constexpr double kStartupTargetMs = 300;
constexpr int kDialogRounds = 15;
constexpr int kStartupRounds = 7;

double OpenAndAccept(const std::string& typeId) {
  std::unique_ptr<vy::TCustomVyAction> action = vy::VyActionServices().CreateAction(typeId);
  const Clock::time_point start = Clock::now();
  {
    designer::TPropertyDialog dialog(typeId, *action, {{"RELEASE", "1.2"}});
    dialog.show();
    QApplication::processEvents();
    dialog.accept();
    if (dialog.isVisible()) dialog.done(QDialog::Accepted);  // the defaults may not validate
  }
  return bench::Milliseconds(Clock::now() - start);
}

double StartupMs() {
  char* argv[] = {const_cast<char*>(BENCH_DESIGNER), nullptr};
  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, BENCH_DESIGNER, nullptr, nullptr, argv, environ) != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  const double ms = bench::Milliseconds(Clock::now() - start);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

void Print(const bench::BenchRow& row, int& missed) {
  const bool met = row.measured >= 0 && row.measured < row.target;
  missed += met ? 0 : 1;
  std::printf("%-62s %11.3f %s %12s  %s\n", row.name.c_str(), row.measured, row.unit.c_str(),
              ("< " + std::to_string(static_cast<int>(row.target)) + " " + row.unit).c_str(),
              met ? "met" : "MISSED");
}

}  // namespace

namespace bench {
double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}
}  // namespace bench

int main(int argc, char** argv) {
  const std::filesystem::path work = std::filesystem::temp_directory_path() /
                                     ("vantry-designer-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(work);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("VANTRY_OPTIONS", (work / "options.xml").c_str(), 1);
  setenv("VANTRY_USER_INI", (work / "user.ini").c_str(), 1);
  setenv("XDG_CONFIG_HOME", work.c_str(), 1);
  setenv("XDG_RUNTIME_DIR", work.c_str(), 1);
  std::filesystem::permissions(work, std::filesystem::perms::owner_all);
  QApplication application(argc, argv);

  designer::TDesignerHost host;
  if (!host.Load({BENCH_PLUGIN_FOLDER}, {BENCH_PAGES_FOLDER}, (work / "options.xml").string())) {
    std::fprintf(stderr, "designer bench: the host did not load\n");
    return 2;
  }
  // A configured cleartool, so that every preview builds a real command line.
  if (vy::TVyOptionsObject* options =
          vy::VyOptionsServices().FindOptions("Version Control Systems", "ClearCase")) {
    vy::SetPropertyText(*options, "CleartoolPath", BENCH_CLEARTOOL);
    vy::SetPropertyText(*options, "DefaultViewPath", work.string());
    vy::SetPropertyText(*options, "TestForClearCaseType", "false");
  }

  std::printf("%-62s %14s %12s\n", "row", "measured", "target");
  int missed = 0;
  for (const vy::TVyRegisteredAction& entry : vy::VyActionServices().Catalogue()) {
    OpenAndAccept(entry.typeId);  // warm: first use of each page's code
    std::vector<double> times;
    for (int round = 0; round < kDialogRounds; ++round)
      times.push_back(OpenAndAccept(entry.typeId));
    Print({"dialog: " + entry.typeId + " (open, read, preview, OK)", "ms", bench::Median(times), 0,
           kDialogTargetMs},
          missed);
  }
  setenv("VANTRY_DESIGNER_QUIT_WHEN_SHOWN", "1", 1);
  StartupMs();  // warm the file cache
  std::vector<double> startups;
  for (int round = 0; round < kStartupRounds; ++round) startups.push_back(StartupMs());
  Print({"start-up: to the first shown window", "ms", bench::Median(startups), 0, kStartupTargetMs},
        missed);
  std::filesystem::remove_all(work);
  std::printf("%s\n", missed == 0 ? "all targets met"
                                  : (std::to_string(missed) + " target(s) missed").c_str());
  return missed == 0 ? 0 : 1;
}
