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
#include "vycore/process.h"

namespace vy {
namespace {

namespace fs = std::filesystem;
using std::chrono::steady_clock;

std::string SelfPath() {
  return fs::read_symlink("/proc/self/exe").string();
}

struct TRecordingSink : IProcessSink {
  void OnStdOut(std::string_view line) override { out.emplace_back(line); }
  void OnStdErr(std::string_view line) override { err.emplace_back(line); }
  TStringList out;
  TStringList err;
};

class ProcessRunnerTest : public testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(NoChildrenLeft()); }

  TProcessOutcome RunChild(TStringList steps, std::int64_t timeoutMs = 0) {
    steps.insert(steps.begin(), "child");
    const auto start = steady_clock::now();
    TProcessOutcome outcome = RealProcessRunner().Run({SelfPath(), steps, {}, timeoutMs}, sink_);
    elapsed_ = steady_clock::now() - start;
    return outcome;
  }

  static bool NoChildrenLeft() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

  vytest::TTempDir dir_;
  TRecordingSink sink_;
  steady_clock::duration elapsed_{};
};

// Limits too far ahead to reach mean no limit.
TEST_F(ProcessRunnerTest, ReportsExitCodes) {
  const struct {
    int code;
    std::int64_t timeoutMs;
  } cases[] = {{0, -1}, {3, std::numeric_limits<std::int64_t>::max()}, {255, 0}};
  for (const auto& c : cases) {
    const TProcessOutcome outcome = RunChild({"exit:" + std::to_string(c.code)}, c.timeoutMs);
    EXPECT_EQ(outcome.kind, TProcessOutcome::Exited);
    EXPECT_EQ(outcome.exitCode, c.code);
    EXPECT_EQ(outcome.Succeeded(), c.code == 0);
  }
}

// Bytes that are not UTF-8, and NUL, pass unchanged; standard input is at its end.
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
    void OnStdOut(std::string_view line) override { Count(0, line); }
    void OnStdErr(std::string_view line) override { Count(1, line); }
    void Count(int stream, std::string_view line) {
      bytes[stream] += static_cast<long long>(line.size());
      if (line != std::string(99, 'x') + '\n') ++oddLines;
    }
    long long bytes[2] = {};
    long long oddLines = 0;
  } counter;
  const TProcessOutcome outcome = RealProcessRunner().Run(
      {SelfPath(),
       {"child", "flood-err:1000000", "flood-out:100000000", "flood-err:1000000"},
       {},
       0},
      counter);
  EXPECT_TRUE(outcome.Succeeded());
  EXPECT_EQ(counter.bytes[0], 100LL * 1000 * 1000);
  EXPECT_EQ(counter.bytes[1], 2LL * 1000 * 1000);
  EXPECT_EQ(counter.oddLines, 0);
}

TEST_F(ProcessRunnerTest, ReportsTheSignalThatKilledTheProgram) {
  const TProcessOutcome outcome = RunChild({"out:before\n", "signal:" + std::to_string(SIGTERM)});
  EXPECT_EQ(outcome.kind, TProcessOutcome::Signalled);
  EXPECT_EQ(outcome.signal, SIGTERM);
  EXPECT_EQ(sink_.out, (TStringList{"before\n"}));
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
    TStringList output;
  } cases[] = {
      {{grandchild, "out:started\n", "sleep"}, 300, TProcessOutcome::TimedOut, {"started\n"}},
      {{grandchild, "ignore-term", "out:stubborn", "sleep"},
       300,
       TProcessOutcome::TimedOut,
       {"stubborn"}},
      {{grandchild, "out:done\n", "exit:4"}, 0, TProcessOutcome::Exited, {"done\n"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.steps[1]);
    sink_.out.clear();
    const TProcessOutcome outcome = RunChild(c.steps, c.timeoutMs);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(outcome.timeoutMs, c.timeoutMs);
    EXPECT_EQ(sink_.out, c.output);
    EXPECT_GE(elapsed_, std::chrono::milliseconds(c.timeoutMs));
    EXPECT_LT(elapsed_, std::chrono::seconds(5));
    EXPECT_TRUE(NoChildrenLeft());
    pid_t pid = 0;
    std::ifstream(dir_.File("pid")) >> pid;
    ASSERT_GT(pid, 0);
    // Reparented once killed, it counts as gone when it is a zombie.
    bool gone = false;
    for (int tries = 0; !gone && tries < 500; ++tries) {
      std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
      std::string pidField, name, state;
      gone = !(stat >> pidField >> name >> state) || state == "Z" || state == "X";
      if (!gone) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(gone);
    fs::remove(dir_.File("pid"));
  }
}

TEST_F(ProcessRunnerTest, TakesARelativeProgramFromTheCallersDirectoryAndStartsInTheWorkingOne) {
  const fs::path self = SelfPath();
  const fs::path previous = fs::current_path();
  fs::current_path(self.parent_path());
  const TProcessOutcome outcome =
      RealProcessRunner().Run({self.filename().string(), {"child", "cwd"}, dir_.Path(), 0}, sink_);
  fs::current_path(previous);
  EXPECT_TRUE(outcome.Succeeded()) << outcome.Describe("test");
  EXPECT_EQ(sink_.out, (TStringList{fs::canonical(dir_.Path()).string() + "\n"}));
}

// An argument would end at its first NUL on its way to the program, so a run
// that would change what the program receives is refused instead.
TEST_F(ProcessRunnerTest, ExplainsWhyAProgramCouldNotStart) {
  const std::string plainFile = dir_.File("plain");
  std::ofstream(plainFile) << "not a program\n";
  const struct {
    std::string program;
    TStringList arguments;
    std::string directory;
    std::string error;
  } cases[] = {
      {dir_.File("missing"), {}, "", "No such file or directory"},
      {plainFile, {}, "", "Permission denied"},
      {"", {}, "", "no program was given"},
      {SelfPath(),
       {},
       dir_.File("gone"),
       "the working directory " + dir_.File("gone") + " does not exist"},
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

TEST_F(ProcessRunnerTest, StopsAndReapsTheProgramWhenTheSinkThrows) {
  struct TThrowingSink : IProcessSink {
    void OnStdOut(std::string_view) override { throw std::runtime_error("sink failed"); }
    void OnStdErr(std::string_view) override {}
  } sink;
  const auto start = steady_clock::now();
  EXPECT_THROW(RealProcessRunner().Run({SelfPath(), {"child", "out:x\n", "sleep"}, {}, 0}, sink),
               std::runtime_error);
  EXPECT_LT(steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(ProcessRunnerTest, ArgumentsSurviveTheTokenizerUnchanged) {
  auto builder = CreateCommandLineBuilder();
  for (const char* argument : {"echo-args", "\"with  blanks\"", "\"\"", "C:\\path\\dir\\"}) {
    builder->AddArgument(argument);
  }
  builder->AddArgument("-c", "\"a comment\"", akOptionValue);
  builder->AddArgument("caf\xc3\xa9");
  RealProcessRunner().Run({SelfPath(), TokenizeCommandLine(builder->GetCommandLine()), {}, 0},
                          sink_);
  EXPECT_EQ(sink_.out, (TStringList{"with  blanks\n", "\n", "C:\\path\\dir\\\n", "-c\n",
                                    "a comment\n", "caf\xc3\xa9\n"}));
}

}  // namespace
}  // namespace vy
