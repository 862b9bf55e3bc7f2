// The program as a process: faults, output bytes, and concurrent runs.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
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
    setenv("CLEARTOOL_SIM_WORLD", world_.world().c_str(), 1);
    setenv("CLEARTOOL_SIM_JOURNAL", Journal().c_str(), 1);
    setenv("CLEARTOOL_SIM_FAULT", "", 1);
  }
  // Runs the program in the world's folder. Threads pass no fault: setenv is not thread-safe.
  ProcessResult Run(const std::vector<std::string>& args, const char* fault = nullptr,
                    std::int64_t timeout_ms = 5000) {
    if (fault) setenv("CLEARTOOL_SIM_FAULT", fault, 1);
    ProcessResult r;
    r.outcome = vy::RealProcessRunner().Run({CLEARTOOL_BINARY, args, world_.dir(), timeout_ms}, r);
    return r;
  }
  std::string Journal() const { return world_.Path("journal.jsonl"); }

  WorldCopy world_{"demo.xml"};
};

TEST_F(ProcessTest, FaultsMisbehaveAsAsked) {
  using R = vy::TProcessOutcome;
  struct Case {
    const char* fault;
    R::Kind kind;
    int exit;  // also the journal's status; -1 when the program did not exit
    int signal;
    std::string out;
    std::string err;  // expected prefix of standard error
  } cases[] = {
      {"exit:3", R::Exited, 3, 0, "", "cleartool: Error: Simulated failure"},
      {"lstype=exit:3", R::Exited, 0, 0, "/vobs/pvob\n/vobs/src\n", ""},
      {"hang", R::TimedOut, -1, 0, "", ""},
      {"hang-child", R::TimedOut, -1, 0, "", ""},
      {"crash", R::Signalled, -1, SIGSEGV, "", ""},
      {"stderr-only", R::Exited, 0, 0, "", "/vobs/pvob\n/vobs/src\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    ProcessResult r = Run({"lsvob", "-short"}, c.fault, 1500);
    EXPECT_EQ(r.outcome.kind, c.kind);
    EXPECT_EQ(r.outcome.exitCode, c.exit);
    EXPECT_EQ(r.outcome.signal, c.signal);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
    std::vector<JournalEntry> entries = ReadJournal(Journal());
    ASSERT_EQ(entries.size(), static_cast<size_t>(&c - cases + 1));
    EXPECT_EQ(entries.back().status, c.exit);
    EXPECT_EQ(entries.back().argv, (std::vector<std::string>{"lsvob", "-short"}));
    EXPECT_EQ(entries.back().cwd, world_.dir());
  }
}

TEST_F(ProcessTest, SlowWaitsFloodCountsBinaryIsNotText) {
  auto start = std::chrono::steady_clock::now();
  Run({"lsvob"}, "slow:150");
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
  ProcessResult flood = Run({"lstype"}, "flood:1000000");
  EXPECT_EQ(flood.out.size(), 1000000u);
  EXPECT_EQ(flood.out.substr(0, 18), "flood_name_100000\n");
  ProcessResult binary = Run({"lsvob"}, "binary");
  EXPECT_NE(binary.out.find('\0'), std::string::npos);
  EXPECT_NE(binary.out.find('\xff'), std::string::npos);
}

TEST_F(ProcessTest, FaultFromTheWorldFile) {
  std::string text = world_.Text();
  text.insert(text.find("<Vob "), "<Fault command=\"lsvob\" spec=\"exit:5\"/>\n");
  WriteAll(world_.world(), text);
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
