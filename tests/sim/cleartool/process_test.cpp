// The program as a process: faults, output bytes, and concurrent runs.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "sim/cleartool/journal.h"
#include "support.h"

namespace ctsim::test {
namespace {

struct ProcessResult {
  int status = -1;  // exit status, or -1 when killed by a signal
  int signal = 0;
  bool timed_out = false;
  std::string out;
  std::string err;
  double millis = 0;
};

class ProcessTest : public ::testing::Test {
 protected:
  // Runs the program in the world's folder; kills its process group after timeout_ms.
  // Output goes to files, so a flood never blocks and a hang shows as a time-out.
  ProcessResult Run(const std::vector<std::string>& args, const std::string& fault = "",
                    int timeout_ms = 5000) {
    FILE* out = tmpfile();
    FILE* err = tmpfile();
    auto start = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) {
      setpgid(0, 0);
      dup2(fileno(out), 1);
      dup2(fileno(err), 2);
      if (chdir(world_.dir().c_str()) != 0) _exit(126);
      setenv("CLEARTOOL_SIM_WORLD", world_.world().c_str(), 1);
      setenv("CLEARTOOL_SIM_JOURNAL", Journal().c_str(), 1);
      setenv("CLEARTOOL_SIM_FAULT", fault.c_str(), 1);
      std::vector<char*> argv{const_cast<char*>(CLEARTOOL_BINARY)};
      for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(CLEARTOOL_BINARY, argv.data());
      _exit(127);
    }
    setpgid(pid, pid);
    ProcessResult result;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() - start > std::chrono::milliseconds(timeout_ms)) {
        result.timed_out = true;
        kill(-pid, SIGKILL);
        waitpid(pid, &status, 0);
        break;
      }
      usleep(2000);
    }
    result.millis =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
    result.out = ReadFile("/proc/self/fd/" + std::to_string(fileno(out)));
    result.err = ReadFile("/proc/self/fd/" + std::to_string(fileno(err)));
    fclose(out);
    fclose(err);
    return result;
  }
  std::string Journal() const { return world_.Path("journal.jsonl"); }

  WorldCopy world_{"demo.xml"};
};

TEST_F(ProcessTest, FaultsMisbehaveAsAsked) {
  struct Case {
    const char* fault;
    bool timed_out;  // and then killed by this test
    int status;      // also the journal's; -1 when killed
    int signal;
    std::string out;
    std::string err;  // expected prefix of standard error
  } cases[] = {
      {"exit:3", false, 3, 0, "", "cleartool: Error: Simulated failure"},
      {"lstype=exit:3", false, 0, 0, "/vobs/pvob\n/vobs/src\n", ""},
      {"hang", true, -1, SIGKILL, "", ""},
      {"hang-child", true, -1, SIGKILL, "", ""},
      {"crash", false, -1, SIGSEGV, "", ""},
      {"stderr-only", false, 0, 0, "", "/vobs/pvob\n/vobs/src\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    ProcessResult r = Run({"lsvob", "-short"}, c.fault, 1500);
    EXPECT_EQ(r.timed_out, c.timed_out);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.signal, c.signal);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
    std::vector<JournalEntry> entries = ReadJournal(Journal());
    ASSERT_EQ(entries.size(), static_cast<size_t>(&c - cases + 1));
    EXPECT_EQ(entries.back().status, c.status);
    EXPECT_EQ(entries.back().argv, (std::vector<std::string>{"lsvob", "-short"}));
    EXPECT_EQ(entries.back().cwd, world_.dir());
  }
}

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
  for (const ProcessResult& r : results) EXPECT_EQ(r.status, 0) << r.err;
  std::string listing = world_.Run("", list).out;
  for (int i = 0; i < kRuns; ++i) {
    if (i % 3 == 2) continue;
    EXPECT_NE(listing.find("T" + std::to_string(i) + "\n"), std::string::npos) << i;
  }
  EXPECT_EQ(ReadJournal(Journal()).size(), static_cast<size_t>(kRuns));
}

}  // namespace
}  // namespace ctsim::test
