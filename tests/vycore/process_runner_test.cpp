#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <thread>

#include "test_support.h"
#include "vycore/command_line.h"
#include "vycore/interrupt.h"
#include "vycore/process.h"

namespace vy {
namespace {

namespace fs = std::filesystem;

std::string SelfPath() {
  return fs::read_symlink("/proc/self/exe").string();
}

struct TRecordingSink : IProcessSink {
  void OnStdOut(std::string_view line) override { out.emplace_back(line); }
  void OnStdErr(std::string_view line) override { err.emplace_back(line); }
  TStringList out;
  TStringList err;
};

// The process whose pid the file holds is gone soon (reparented once killed,
// it counts as gone when it is a zombie); the file is removed for the next.
void ExpectGoneSoon(const std::string& pidFile) {
  pid_t pid = 0;
  std::ifstream(pidFile) >> pid;
  ASSERT_GT(pid, 0);
  fs::remove(pidFile);
  for (int tries = 0; tries < 500; ++tries) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string pidField, name, state;
    if (!(stat >> pidField >> name >> state) || state == "Z" || state == "X") return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ADD_FAILURE() << pid << " is still running";
}

class ProcessRunnerTest : public testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(NoChildrenLeft()); }

  TProcessOutcome RunChild(TStringList steps, std::int64_t timeoutMs = 0) {
    steps.insert(steps.begin(), "child");
    return RealProcessRunner().Run({SelfPath(), steps, {}, timeoutMs}, sink_);
  }

  static bool NoChildrenLeft() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

  vytest::TTempDir dir_;
  TRecordingSink sink_;
};

// Limits too far ahead to reach mean no limit. An exit code and a crash in
// words are the fault suite's.
TEST_F(ProcessRunnerTest, ReportsTheExitCodeOrTheSignal) {
  using enum TProcessOutcome::Kind;
  const struct {
    std::string step;
    std::int64_t timeoutMs;
    TProcessOutcome::Kind kind;
    int number;  // the exit code or the signal
  } cases[] = {
      {"exit:0", -1, Exited, 0},
      {"exit:255", std::numeric_limits<std::int64_t>::max(), Exited, 255},
      {"signal:" + std::to_string(SIGTERM), 0, Signalled, SIGTERM},
  };
  for (const auto& c : cases) {
    const TProcessOutcome outcome = RunChild({c.step}, c.timeoutMs);
    EXPECT_EQ(outcome.kind, c.kind) << c.step;
    EXPECT_EQ(c.kind == Exited ? outcome.exitCode : outcome.signal, c.number) << c.step;
  }
}

// Bytes that are not UTF-8, and NUL, pass unchanged; standard input is at its
// end. The working directory shows in every journal of the end-to-end runs.
TEST_F(ProcessRunnerTest, HandsOverLinesOfEachStreamWithTheirTerminators) {
  const TProcessOutcome outcome = RunChild(
      {"read-stdin", "out:one\r\ntwo\n", "err:warn\n", "out:\n\n\xff\xfe\\0z", "err:\xe9\\0"},
      10'000);
  EXPECT_TRUE(outcome.Succeeded());
  EXPECT_EQ(sink_.out,
            (TStringList{"0\n", "one\r\n", "two\n", "\n", "\n", std::string("\xff\xfe\0z", 4)}));
  EXPECT_EQ(sink_.err, (TStringList{"warn\n", std::string("\xe9\0", 2)}));
}

TEST_F(ProcessRunnerTest, ReadsAHundredMegabytesOnBothStreamsWithoutDeadlock) {
  // Counts instead of storing, so that the flood costs no memory.
  struct TCountingSink : IProcessSink {
    void OnStdOut(std::string_view line) override { bytes[0] += line.size(); }
    void OnStdErr(std::string_view line) override { bytes[1] += line.size(); }
    std::size_t bytes[2] = {};
  } counter;
  const TProcessOutcome outcome = RealProcessRunner().Run(
      {SelfPath(),
       {"child", "flood-err:1000000", "flood-out:100000000", "flood-err:1000000"},
       {},
       0},
      counter);
  EXPECT_TRUE(outcome.Succeeded());
  EXPECT_EQ(counter.bytes[0], 100'000'000u);
  EXPECT_EQ(counter.bytes[1], 2'000'000u);
}

// Every program here starts a grandchild that holds stdout and stderr open.
// A time-out ends both, even a program that ignores SIGTERM and needs the
// SIGKILL that follows; a program's own end leaves no run waiting for it.
TEST_F(ProcessRunnerTest, EndsTheProgramAndItsGrandchild) {
  const std::string grandchild = "grandchild:" + dir_.File("pid");
  const struct {
    TStringList steps;
    std::int64_t timeoutMs;
    TProcessOutcome::Kind kind;
  } cases[] = {
      {{grandchild, "out:started\n", "sleep"}, 300, TProcessOutcome::TimedOut},
      {{"ignore-term", grandchild, "sleep"}, 300, TProcessOutcome::TimedOut},
      {{grandchild, "exit:4"}, 0, TProcessOutcome::Exited},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.steps[1]);
    const TProcessOutcome outcome = RunChild(c.steps, c.timeoutMs);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(outcome.timeoutMs, c.timeoutMs);
    ExpectGoneSoon(dir_.File("pid"));
  }
  EXPECT_EQ(sink_.out, (TStringList{"started\n"}));  // what came before the time-out
}

// An interrupt of the host stops the program and its grandchild: SIGTERM
// first, SIGKILL after the grace, or at once on a second interrupt. Once
// interrupted, no program starts. The interrupt comes once the grandchild's
// pid file exists, so a program that ignores SIGTERM must say so before it
// starts the grandchild (which then ignores it too).
TEST_F(ProcessRunnerTest, AnInterruptEndsTheProgramAndItsGrandchild) {
  InstallInterruptHandlers();
  const std::string pidFile = dir_.File("pid");
  const std::string grandchild = "grandchild:" + pidFile;
  const struct {
    const char* name;
    TStringList steps;
    int interrupts;
    double from, to;  // seconds from the first interrupt to the end
  } rows[] = {
      {"ends at SIGTERM", {grandchild, "sleep"}, 1, 0.0, 1.0},
      {"ignores SIGTERM: killed after the grace", {"ignore-term", grandchild, "sleep"}, 1, 1.9, 4},
      {"a second interrupt kills at once", {"ignore-term", grandchild, "sleep"}, 2, 0.0, 1.0},
  };
  using Clock = std::chrono::steady_clock;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ResetInterruptsForTesting();
    Clock::time_point interrupted;
    std::thread interrupter([&] {
      for (int tries = 0; tries < 1000 && !fs::exists(pidFile); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
      interrupted = Clock::now();
      for (int n = 0; n < row.interrupts; ++n) {
        kill(getpid(), SIGINT);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
      }
    });
    const TProcessOutcome outcome = RunChild(row.steps);
    const double seconds = std::chrono::duration<double>(Clock::now() - interrupted).count();
    interrupter.join();
    EXPECT_EQ(outcome.kind, TProcessOutcome::Interrupted);
    EXPECT_EQ(outcome.signal, SIGINT);
    EXPECT_GE(seconds, row.from);
    EXPECT_LT(seconds, row.to);
    ExpectGoneSoon(pidFile);
  }
  const TProcessOutcome after = RunChild({"out:never\n"});
  EXPECT_EQ(after.kind, TProcessOutcome::Interrupted);
  EXPECT_TRUE(sink_.out.empty());
  ResetInterruptsForTesting();
}

// An argument would end at its first NUL on its way to the program, so a run
// that would change what the program receives is refused instead. A program
// without the permission to run is the fault suite's.
TEST_F(ProcessRunnerTest, ExplainsWhyAProgramCouldNotStart) {
  const std::string plainFile = dir_.File("plain");
  const std::string gone = dir_.File("gone");
  std::ofstream(plainFile) << "not a program\n";
  const struct {
    std::string program;
    TStringList arguments;
    std::string directory;
    std::string error;
  } cases[] = {
      {dir_.File("missing"), {}, "", "No such file or directory"},
      {SelfPath(), {}, gone, "the working directory " + gone + " does not exist"},
      {SelfPath(), {}, plainFile, "the working directory " + plainFile + " is not a directory"},
      {"/bin/true", {"ok", std::string("a\0b", 3)}, "", "an argument holds a NUL character"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program + " in " + c.directory);
    const TProcessOutcome outcome =
        RealProcessRunner().Run({c.program, c.arguments, c.directory, 0}, sink_);
    EXPECT_EQ(outcome.kind, TProcessOutcome::CouldNotStart);
    EXPECT_EQ(outcome.error, c.error);
  }
}

// The program sleeps until it is stopped; TearDown proves it was reaped.
TEST_F(ProcessRunnerTest, StopsAndReapsTheProgramWhenTheSinkThrows) {
  struct TThrowingSink : IProcessSink {
    void OnStdOut(std::string_view) override { throw std::runtime_error("sink failed"); }
    void OnStdErr(std::string_view) override {}
  } sink;
  EXPECT_THROW(RealProcessRunner().Run({SelfPath(), {"child", "out:x\n", "sleep"}, {}, 0}, sink),
               std::runtime_error);
}

TEST_F(ProcessRunnerTest, ArgumentsSurviveTheTokenizerUnchanged) {
  const std::string line = "echo-args \"with  blanks\" \"\" C:\\path\\dir\\ caf\xc3\xa9";
  RealProcessRunner().Run({SelfPath(), TokenizeCommandLine(line), {}, 0}, sink_);
  EXPECT_EQ(sink_.out, (TStringList{"with  blanks\n", "\n", "C:\\path\\dir\\\n", "caf\xc3\xa9\n"}));
}

}  // namespace
}  // namespace vy
