// The program as a process: faults, output bytes, and concurrent runs.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>

#include <thread>

#include "sim/cleartool/journal.h"
#include "support.h"

namespace ctsim::test {
namespace {

class ProcessTest : public ::testing::Test {
 protected:
  ProcessResult Run(const std::vector<std::string>& args, const std::string& fault = "",
                    int timeout_ms = 5000) {
    std::map<std::string, std::string> env = {{"CLEARTOOL_SIM_WORLD", world_.world()},
                                              {"CLEARTOOL_SIM_JOURNAL", Journal()},
                                              {"CLEARTOOL_SIM_FAULT", fault}};
    return RunProgram(args, world_.dir(), env, timeout_ms);
  }
  std::string Journal() const { return world_.Path("journal.jsonl"); }

  WorldCopy world_{"demo.xml"};
};

struct FaultCase {
  const char* name;
  const char* fault;
  int status;  // -1: killed by signal or time-out
  int signal;  // expected signal, 0 for none
  bool timed_out;
  std::string out;
  std::string err;  // expected prefix of standard error
  int journal_status;
};

class FaultTest : public ProcessTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultTest, MisbehavesAsAsked) {
  const FaultCase& c = GetParam();
  ProcessResult r = Run({"lsvob", "-short"}, c.fault, 1500);
  EXPECT_EQ(r.timed_out, c.timed_out);
  if (!c.timed_out) {
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.signal, c.signal);
  }
  EXPECT_EQ(r.out, c.out);
  EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
  std::vector<JournalEntry> entries = ReadJournal(Journal());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].status, c.journal_status);
  EXPECT_EQ(entries[0].argv, (std::vector<std::string>{"lsvob", "-short"}));
  EXPECT_EQ(entries[0].cwd, world_.dir());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultTest,
    ::testing::Values(
        FaultCase{"exit", "exit:3", 3, 0, false, "", "cleartool: Error: Simulated failure", 3},
        FaultCase{"limited_to_command", "lstype=exit:3", 0, 0, false, "/vobs/pvob\n/vobs/src\n", "",
                  0},
        FaultCase{"limited_by_alias_list", "co=hang,lsvob=exit:4", 4, 0, false, "", "cleartool", 4},
        FaultCase{"hang", "hang", -1, 0, true, "", "", -1},
        FaultCase{"hang_child", "hang-child", -1, 0, true, "", "", -1},
        FaultCase{"crash", "crash", -1, SIGSEGV, false, "", "", -1},
        FaultCase{"stderr_only", "stderr-only", 0, 0, false, "", "/vobs/pvob\n/vobs/src\n", 0}),
    CaseName());

TEST_F(ProcessTest, SlowWaitsFloodCountsBinaryIsNotText) {
  EXPECT_GE(Run({"lsvob"}, "slow:150").millis, 150);
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
  WriteFile(world_.world(), text);
  EXPECT_EQ(Run({"lsvob"}).status, 5);
  EXPECT_EQ(Run({"lstype", "-short", "-kind", "lbtype", "-invob", "/vobs/src"}).status, 0);
}

TEST_F(ProcessTest, MalformedFaultIsAnError) {
  ProcessResult r = Run({"lsvob"}, "explode");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "cleartool: Error: CLEARTOOL_SIM_FAULT: Invalid fault \"explode\".\n");
}

// The grandchild of hang-child keeps standard output open after its parent died.
TEST_F(ProcessTest, HangChildKeepsOutputOpen) {
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    dup2(out[1], 1);
    setenv("CLEARTOOL_SIM_WORLD", world_.world().c_str(), 1);
    setenv("CLEARTOOL_SIM_FAULT", "hang-child", 1);
    execl(CLEARTOOL_BINARY, CLEARTOOL_BINARY, "lsvob", static_cast<char*>(nullptr));
    _exit(127);
  }
  setpgid(pid, pid);
  close(out[1]);
  usleep(200 * 1000);
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  pollfd fd = {out[0], POLLIN, 0};
  EXPECT_EQ(poll(&fd, 1, 200), 0);  // no end of file: the grandchild holds the pipe
  kill(-pid, SIGKILL);
  EXPECT_EQ(poll(&fd, 1, 2000), 1);
  char c;
  EXPECT_EQ(read(out[0], &c, 1), 0);
  close(out[0]);
}

TEST_F(ProcessTest, ConcurrentRunsKeepWorldAndJournalIntact) {
  constexpr int kRuns = 12;
  std::vector<std::thread> threads;
  std::vector<ProcessResult> results(kRuns);
  for (int i = 0; i < kRuns; ++i) {
    threads.emplace_back([&, i] {
      std::vector<std::string> args =
          i % 3 == 2 ? std::vector<std::string>{"lstype", "-short", "-kind",
                                                "lbtype", "-invob", "/vobs/src"}
                     : std::vector<std::string>{"mklbtype", "-nc",
                                                "lbtype:T" + std::to_string(i) + "@/vobs/src"};
      results[i] = Run(args);
    });
  }
  for (std::thread& t : threads) t.join();
  for (const ProcessResult& r : results) EXPECT_EQ(r.status, 0) << r.err;
  std::string listing =
      world_.Run("", {"lstype", "-short", "-kind", "lbtype", "-invob", "/vobs/src"}).out;
  for (int i = 0; i < kRuns; ++i) {
    if (i % 3 == 2) continue;
    EXPECT_NE(listing.find("T" + std::to_string(i) + "\n"), std::string::npos) << i;
  }
  std::vector<JournalEntry> entries = ReadJournal(Journal());
  EXPECT_EQ(entries.size(), static_cast<size_t>(kRuns));
}

}  // namespace
}  // namespace ctsim::test
