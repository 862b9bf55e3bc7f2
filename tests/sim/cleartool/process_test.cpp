// The program as a process.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "sim/cleartool/journal.h"
#include "support.h"
#include "vycore/process.h"

namespace ctsim::test {
namespace {

struct ProcessResult : vy::IProcessSink {
  vy::TProcessOutcome outcome;
  std::string out;
  std::string err;
  void OnStdOut(std::string_view line) override { out += line; }
  void OnStdErr(std::string_view line) override { err += line; }
};

class ProcessTest : public ::testing::Test {
 protected:
  // The program takes world, journal and fault from the environment it inherits.
  ProcessTest() {
    setenv("CLEARTOOL_SIM_WORLD", world_.World().c_str(), 1);
    setenv("CLEARTOOL_SIM_JOURNAL", Journal().c_str(), 1);
    setenv("CLEARTOOL_SIM_FAULT", "", 1);
  }
  // Runs the program in the world's folder. Threads pass no fault: setenv is not thread-safe.
  ProcessResult Run(const std::vector<std::string>& args, const char* fault = nullptr,
                    std::int64_t timeoutMs = 5000) {
    if (fault) setenv("CLEARTOOL_SIM_FAULT", fault, 1);
    ProcessResult r;
    r.outcome = vy::RealProcessRunner().Run({CLEARTOOL_BINARY, args, world_.Dir(), timeoutMs}, r);
    return r;
  }
  std::string Journal() const { return world_.Path("journal.jsonl"); }

  WorldCopy world_{"demo.xml"};
};

// The faults themselves (exit codes, hangs, crashes, slow answers, floods and
// binary output) are the fault suite's and the capture tests'. Here: how a
// fault is given, and what those suites cannot see.
TEST_F(ProcessTest, FaultFromTheWorldFile) {
  std::string text = world_.Text();
  text.insert(text.find("<Vob "), "<Fault command=\"lsvob\" spec=\"exit:5\"/>\n");
  WriteAll(world_.World(), text);
  EXPECT_EQ(Run({"lsvob"}).outcome.exitCode, 5);
  EXPECT_EQ(Run({"lstype", "-short", "-kind", "lbtype", "-invob", "/vobs/src"}).outcome.exitCode,
            0);
}

// Unlike hang, hang-child leaves a process in the group once the program itself is gone.
TEST_F(ProcessTest, HangChildOutlivesTheProgram) {
  setenv("CLEARTOOL_SIM_FAULT", "hang-child", 1);
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
  char* argv[] = {const_cast<char*>(CLEARTOOL_BINARY), const_cast<char*>("lsvob"), nullptr};
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, CLEARTOOL_BINARY, nullptr, &attr, argv, environ), 0);
  usleep(200 * 1000);
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  EXPECT_EQ(kill(-pid, 0), 0);
  kill(-pid, SIGKILL);
}

TEST_F(ProcessTest, ConcurrentRunsKeepWorldAndJournalIntact) {
  constexpr int kRuns = 12;
  const std::vector<std::string> list = {"lstype", "-short", "-kind",
                                         "lbtype", "-invob", "/vobs/src"};
  std::vector<std::thread> threads;
  std::vector<ProcessResult> results(kRuns);
  for (int i = 0; i < kRuns; ++i) {
    threads.emplace_back([&, i] {
      std::string type = "lbtype:T" + std::to_string(i) + "@/vobs/src";
      results[i] = Run(i % 3 == 2 ? list : std::vector<std::string>{"mklbtype", "-nc", type});
    });
  }
  for (std::thread& t : threads) t.join();
  for (const ProcessResult& r : results) EXPECT_EQ(r.outcome.exitCode, 0) << r.err;
  std::string listing = world_.Run("", list).out;
  for (int i = 0; i < kRuns; ++i) {
    if (i % 3 == 2) continue;
    EXPECT_NE(listing.find("T" + std::to_string(i) + "\n"), std::string::npos) << i;
  }
  EXPECT_EQ(ReadJournal(Journal()).size(), static_cast<size_t>(kRuns));
}

}  // namespace
}  // namespace ctsim::test
