#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <thread>

#include "vycore/command_line.h"
#include "vycore/process.h"

namespace vy {
namespace {

namespace fs = std::filesystem;
using std::chrono::steady_clock;

std::string SelfPath() {
  return fs::read_symlink("/proc/self/exe").string();
}

TProcessSpec Spec(std::string program, TStringList arguments, std::string workingDirectory = {},
                  std::int64_t timeoutMs = 0) {
  return {std::move(program), std::move(arguments), std::move(workingDirectory), timeoutMs};
}

struct TRecordingSink : IProcessSink {
  void OnStdOut(std::string_view line) override { out.emplace_back(line); }
  void OnStdErr(std::string_view line) override { err.emplace_back(line); }
  TStringList out;
  TStringList err;
};

// Counts instead of storing, so that floods cost no memory.
struct TCountingSink : IProcessSink {
  struct TCount {
    long long bytes = 0;
    long long lines = 0;
    long long oddLines = 0;  // not exactly 99 'x' and a line feed
  };
  static void Count(TCount& count, std::string_view line) {
    count.bytes += static_cast<long long>(line.size());
    ++count.lines;
    if (line.size() != 100 || line.back() != '\n' || line.front() != 'x') ++count.oddLines;
  }
  void OnStdOut(std::string_view line) override { Count(out, line); }
  void OnStdErr(std::string_view line) override { Count(err, line); }
  TCount out;
  TCount err;
};

class ProcessRunnerTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vycore-process-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    fs::remove_all(dir_);
    EXPECT_TRUE(NoChildrenLeft());
  }

  TProcessOutcome RunChild(TStringList steps, std::int64_t timeoutMs = 0,
                           const std::string& workingDirectory = {}) {
    steps.insert(steps.begin(), "child");
    const auto start = steady_clock::now();
    TProcessOutcome outcome =
        RealProcessRunner().Run(Spec(SelfPath(), steps, workingDirectory, timeoutMs), sink_);
    elapsed_ = steady_clock::now() - start;
    return outcome;
  }

  static bool NoChildrenLeft() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

  // A killed grandchild is reparented; it counts as gone once it is a zombie.
  static bool ProcessGone(pid_t pid) {
    const auto until = steady_clock::now() + std::chrono::seconds(5);
    for (; steady_clock::now() < until;
         std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
      std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
      std::string pidField, name, state;
      if (!(stat >> pidField >> name >> state) || state == "Z" || state == "X") return true;
    }
    return false;
  }

  pid_t ReadPid(const std::string& file) {
    pid_t pid = 0;
    std::ifstream(file) >> pid;
    return pid;
  }

  std::string dir_;
  TRecordingSink sink_;
  steady_clock::duration elapsed_{};
};

TEST_F(ProcessRunnerTest, ReportsExitCodes) {
  for (int code : {0, 3, 255}) {
    const TProcessOutcome outcome = RunChild({"exit:" + std::to_string(code)});
    EXPECT_EQ(outcome.kind, TProcessOutcome::Exited);
    EXPECT_EQ(outcome.exitCode, code);
    EXPECT_EQ(outcome.Succeeded(), code == 0);
  }
}

// Bytes that are not UTF-8, and NUL, pass unchanged.
TEST_F(ProcessRunnerTest, HandsOverLinesOfEachStreamWithTheirTerminators) {
  const TProcessOutcome outcome =
      RunChild({"out:one\\r\\ntwo\\n", "err:warn\\n", "out:\\n\\n\\xff\\xfe\\0z", "err:\\xe9\\0"});
  EXPECT_TRUE(outcome.Succeeded());
  EXPECT_EQ(sink_.out,
            (TStringList{"one\r\n", "two\n", "\n", "\n", std::string("\xff\xfe\0z", 4)}));
  EXPECT_EQ(sink_.err, (TStringList{"warn\n", std::string("\xe9\0", 2)}));
}

TEST_F(ProcessRunnerTest, ReadsAHundredMegabytesOnBothStreamsWithoutDeadlock) {
  constexpr long long kOut = 100LL * 1000 * 1000;
  constexpr long long kErr = 2LL * 1000 * 1000;
  TCountingSink counter;
  const TProcessOutcome outcome = RealProcessRunner().Run(
      Spec(SelfPath(), {"child", "flood-err:1000000", "flood-out:100000000", "flood-err:1000000"}),
      counter);
  EXPECT_TRUE(outcome.Succeeded());
  EXPECT_EQ(counter.out.bytes, kOut);
  EXPECT_EQ(counter.out.lines, kOut / 100);
  EXPECT_EQ(counter.out.oddLines, 0);
  EXPECT_EQ(counter.err.bytes, kErr);
  EXPECT_EQ(counter.err.oddLines, 0);
}

TEST_F(ProcessRunnerTest, GivesStandardInputAtItsEnd) {
  RunChild({"read-stdin"}, 10'000);
  EXPECT_EQ(sink_.out, (TStringList{"0\n"}));
}

TEST_F(ProcessRunnerTest, ReportsTheSignalThatKilledTheProgram) {
  const TProcessOutcome outcome = RunChild({"out:before\\n", "signal:" + std::to_string(SIGTERM)});
  EXPECT_EQ(outcome.kind, TProcessOutcome::Signalled);
  EXPECT_EQ(outcome.signal, SIGTERM);
  EXPECT_EQ(sink_.out, (TStringList{"before\n"}));
}

// The second program ignores SIGTERM and needs the SIGKILL that follows.
TEST_F(ProcessRunnerTest, StopsAProgramAtItsTimeOut) {
  struct TCase {
    TStringList steps;
    TStringList output;
  } cases[] = {
      {{"out:started\\n", "sleep"}, {"started\n"}},
      {{"ignore-term", "out:stubborn", "sleep"}, {"stubborn"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.steps[0]);
    sink_.out.clear();
    const TProcessOutcome outcome = RunChild(c.steps, 300);
    EXPECT_EQ(outcome.kind, TProcessOutcome::TimedOut);
    EXPECT_EQ(outcome.timeoutMs, 300);
    EXPECT_EQ(sink_.out, c.output);
    EXPECT_GE(elapsed_, std::chrono::milliseconds(300));
    EXPECT_LT(elapsed_, std::chrono::seconds(5));
    EXPECT_TRUE(NoChildrenLeft());
  }
}

TEST_F(ProcessRunnerTest, AnyLimitTooFarAheadMeansNone) {
  for (std::int64_t limit : {std::int64_t{-1}, std::numeric_limits<std::int64_t>::max()}) {
    EXPECT_TRUE(RunChild({"exit:0"}, limit).Succeeded()) << limit;
  }
}

TEST_F(ProcessRunnerTest, TimeOutEndsTheGrandchildToo) {
  const std::string pidFile = dir_ + "/grandchild";
  const TProcessOutcome outcome = RunChild({"grandchild:" + pidFile, "sleep"}, 300);
  EXPECT_EQ(outcome.kind, TProcessOutcome::TimedOut);
  EXPECT_LT(elapsed_, std::chrono::seconds(5));
  const pid_t grandchild = ReadPid(pidFile);
  ASSERT_GT(grandchild, 0);
  EXPECT_TRUE(ProcessGone(grandchild));
}

TEST_F(ProcessRunnerTest, ReturnsWhenTheProgramEndsThoughAGrandchildHoldsItsOutput) {
  const std::string pidFile = dir_ + "/grandchild";
  const TProcessOutcome outcome = RunChild({"grandchild:" + pidFile, "out:done\\n", "exit:4"});
  EXPECT_EQ(outcome.kind, TProcessOutcome::Exited);
  EXPECT_EQ(outcome.exitCode, 4);
  EXPECT_LT(elapsed_, std::chrono::seconds(5));
  EXPECT_EQ(sink_.out, (TStringList{"done\n"}));
  const pid_t grandchild = ReadPid(pidFile);
  ASSERT_GT(grandchild, 0);
  EXPECT_TRUE(ProcessGone(grandchild));
}

TEST_F(ProcessRunnerTest, StartsInTheWorkingDirectory) {
  RunChild({"cwd"}, 0, dir_);
  EXPECT_EQ(sink_.out, (TStringList{fs::canonical(dir_).string() + "\n"}));
}

TEST_F(ProcessRunnerTest, TakesARelativeProgramFromTheCallersDirectory) {
  const fs::path self = SelfPath();
  const fs::path previous = fs::current_path();
  fs::current_path(self.parent_path());
  const TProcessOutcome outcome =
      RealProcessRunner().Run(Spec(self.filename().string(), {"child", "cwd"}, dir_), sink_);
  fs::current_path(previous);
  EXPECT_TRUE(outcome.Succeeded()) << outcome.Describe("test");
  EXPECT_EQ(sink_.out, (TStringList{fs::canonical(dir_).string() + "\n"}));
}

TEST_F(ProcessRunnerTest, ExplainsWhyAProgramCouldNotStart) {
  const std::string plainFile = dir_ + "/plain";
  std::ofstream(plainFile) << "not a program\n";
  struct TCase {
    std::string program;
    std::string directory;
    std::string error;
  } cases[] = {
      {dir_ + "/missing", "", "No such file or directory"},
      {plainFile, "", "Permission denied"},
      {dir_, "", "Permission denied"},
      {"", "", "no program was given"},
      {SelfPath(), dir_ + "/gone", "the working directory " + dir_ + "/gone does not exist"},
      {SelfPath(), plainFile, "the working directory " + plainFile + " is not a directory"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.program + " in " + c.directory);
    const TProcessOutcome outcome =
        RealProcessRunner().Run(Spec(c.program, {}, c.directory), sink_);
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
  EXPECT_THROW(RealProcessRunner().Run(Spec(SelfPath(), {"child", "out:x\\n", "sleep"}), sink),
               std::runtime_error);
  EXPECT_LT(steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(ProcessRunnerTest, ArgumentsSurviveTheTokenizerUnchanged) {
  auto builder = CreateCommandLineBuilder();
  builder->AddArgument("echo-args");
  builder->AddArgument("\"with  blanks\"");
  builder->AddArgument("\"\"");
  builder->AddArgument("C:\\path\\dir\\");
  builder->AddArgument("-c", "\"a comment\"", akOptionValue);
  builder->AddArgument("caf\xc3\xa9");
  const TStringList argv = TokenizeCommandLine(builder->GetCommandLine());
  RealProcessRunner().Run(Spec(SelfPath(), argv), sink_);
  EXPECT_EQ(sink_.out, (TStringList{"with  blanks\n", "\n", "C:\\path\\dir\\\n", "-c\n",
                                    "a comment\n", "caf\xc3\xa9\n"}));
}

}  // namespace
// An argument would end at its first NUL on its way to the program, so a
// run that would change what the program receives is refused instead.
TEST(ProcessRunnerRefusal, AnArgumentHoldingANulStartsNothing) {
  TRecordingSink sink;
  const auto outcome =
      RealProcessRunner().Run(Spec("/bin/true", {"ok", std::string("a\0b", 3)}), sink);
  EXPECT_EQ(outcome.kind, TProcessOutcome::CouldNotStart);
  EXPECT_EQ(outcome.error, "an argument holds a NUL character");
}

}  // namespace vy
