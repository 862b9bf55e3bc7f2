#include "vycore/run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "test_support.h"
#include "vycore/filesystem.h"

namespace {

using vy::TProcessOutcome;

// Records every hook the runner calls, in order, with what it was given.
class TRecordingAction final : public vy::TVyExecuteAbstractAction {
 public:
  explicit TRecordingAction(std::string executable) : executable_(std::move(executable)) {}

  std::string GetActionName() const override { return "Recording"; }
  bool Validate(vy::IVyActionValidationError& errors) override {
    calls.push_back("Validate");
    if (!validationError.empty()) errors.AddError("Options", validationError, nullptr);
    return validationError.empty();
  }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override {
    calls.push_back("GetCommandLine");
    if (throwIn == "GetCommandLine") throw std::runtime_error("boom");
    builder.AddArgument("checkout");
    builder.AddArgument("-c \"a comment\"");
    builder.AddArgument("\"src/b c.c\"");
    return commandLineOk;
  }
  bool AfterGetCommandLine() override {
    calls.push_back("AfterGetCommandLine");
    return afterOk;
  }
  std::string GetStartingDir(const std::string& defaultDir) override {
    calls.push_back("GetStartingDir(" + defaultDir + ")");
    return vy::TVyExecuteAbstractAction::GetStartingDir(defaultDir);
  }
  std::string GetExecutable() override {
    calls.push_back("GetExecutable");
    return executable_;
  }
  void BeforeExecute(vy::ICommandLineBuilder& builder) override {
    calls.push_back("BeforeExecute");
    builder.AddArgument("-last");
    if (collectInBeforeExecute) SetCollectOutput(true);
  }
  void OnStdOutData(vy::IVyProcess* process, const std::string& line) override {
    calls.push_back("OnStdOutData(" + line + ")");
    if (throwIn == "OnStdOutData") throw std::runtime_error("hook failed");
    if (process) processName = process->GetFileName();
    vy::TVyExecuteAbstractAction::OnStdOutData(process, line);
  }
  void OnStdErrData(vy::IVyProcess* process, const std::string& line) override {
    calls.push_back("OnStdErrData(" + line + ")");
    vy::TVyExecuteAbstractAction::OnStdErrData(process, line);
  }
  void OnProcessOutput(const vy::TStringList& lines) override {
    std::string joined;
    for (const std::string& line : lines) joined += "[" + line + "]";
    calls.push_back("OnProcessOutput(" + joined + ")");
    vy::TVyExecuteAbstractAction::OnProcessOutput(lines);
  }
  bool InterpretResult(int exitCode) override {
    calls.push_back("InterpretResult(" + std::to_string(exitCode) + ")");
    return exitCode == successCode;
  }
  void OnSuccess(int exitCode) override {
    calls.push_back("OnSuccess(" + std::to_string(exitCode) + ")");
  }
  void OnFailure(int exitCode) override {
    calls.push_back("OnFailure(" + std::to_string(exitCode) + ")");
  }

  std::vector<std::string> calls;
  std::string validationError;
  std::string throwIn;
  std::string processName;
  bool commandLineOk = true;
  bool afterOk = true;
  bool collectInBeforeExecute = false;
  int successCode = 0;

 private:
  std::string executable_;
};

class RunAction : public testing::Test {
 protected:
  RunAction() : program_(dir_.File("cleartool")), action_(program_) {}

  static std::vector<std::string> Logged(const TRecordingAction& action) {
    std::vector<std::string> lines;
    for (const vy::TLogEntry& e : action.Messages()) {
      lines.push_back(std::to_string(e.tag) + " " + e.text);
    }
    return lines;
  }

  vytest::TTempDir dir_;
  std::string program_;
  vytest::TFakeRunner runner_;
  TRecordingAction action_;
};

TEST_F(RunAction, CallsTheHooksInProtocolOrder) {
  action_.SetStreamOutput(true);
  action_.SetCollectOutput(true);
  runner_.output = {{false, "one\r\n"}, {true, "warn\n"}, {false, "two"}};
  const vy::TVyRunResult result = vy::RunAction(action_, {false, 1500});

  EXPECT_TRUE(result.succeeded);
  EXPECT_TRUE(result.started);
  EXPECT_EQ(action_.calls,
            (std::vector<std::string>{
                "Validate", "GetCommandLine", "AfterGetCommandLine", "GetExecutable",
                "GetStartingDir(" + program_ + ")", "BeforeExecute", "OnStdOutData(one\r\n)",
                "OnStdErrData(warn\n)", "OnStdOutData(two)", "OnProcessOutput([one][two])",
                "InterpretResult(0)", "OnSuccess(0)"}));
  // The inherited hooks logged the output once; OnProcessOutput did not repeat it.
  EXPECT_EQ(Logged(action_), (std::vector<std::string>{"0 one", "3 warn", "0 two"}));
  EXPECT_EQ(action_.processName, program_);
}

TEST_F(RunAction, StartsTheProgramWithTheTokenizedCommandLine) {
  const vy::TVyRunResult result = vy::RunAction(action_, {false, 1500});
  ASSERT_EQ(runner_.specs.size(), 1u);
  const vy::TProcessSpec& spec = runner_.specs[0];
  EXPECT_EQ(spec.program, program_);
  EXPECT_EQ(spec.arguments, (vy::TStringList{"checkout", "-c", "a comment", "src/b c.c", "-last"}));
  EXPECT_EQ(spec.workingDirectory, dir_.Path());
  EXPECT_EQ(spec.timeoutMs, 1500);
  EXPECT_EQ(result.commandLine, "checkout -c \"a comment\" \"src/b c.c\" -last");
  EXPECT_EQ(result.executable, program_);
  EXPECT_EQ(result.startingDir, dir_.Path());
}

// Streaming and collecting both on is the protocol-order test above.
TEST_F(RunAction, TheSettingsDecideWhichHooksSeeTheOutput) {
  const struct {
    bool stream;
    bool collect;
    std::vector<std::string> outputCalls;  // hooks between BeforeExecute and InterpretResult
    std::vector<std::string> logged;
  } cases[] = {
      {true,
       false,
       {"OnStdOutData(a\r\n)", "OnStdErrData(e\n)", "OnStdOutData(b\n)"},
       {"0 a", "3 e", "0 b"}},
      {false, true, {"OnProcessOutput([a][b])"}, {"3 e", "0 a", "0 b"}},
      {false, false, {}, {"0 a", "3 e", "0 b"}},
  };
  runner_.output = {{false, "a\r\n"}, {true, "e\n"}, {false, "b\n"}};
  for (const auto& c : cases) {
    TRecordingAction action(program_);
    action.SetStreamOutput(c.stream);
    action.SetCollectOutput(c.collect);
    ASSERT_TRUE(vy::RunAction(action, {}).succeeded);
    const auto first = std::find(action.calls.begin(), action.calls.end(), "BeforeExecute") + 1;
    const auto last = std::find(action.calls.begin(), action.calls.end(), "InterpretResult(0)");
    EXPECT_EQ(std::vector<std::string>(first, last), c.outputCalls);
    EXPECT_EQ(Logged(action), c.logged);
  }
}

TEST_F(RunAction, ReadsTheSettingsAfterBeforeExecute) {
  action_.collectInBeforeExecute = true;
  runner_.output = {{false, "x\n"}};
  vy::RunAction(action_, {});
  EXPECT_NE(std::find(action_.calls.begin(), action_.calls.end(), "OnProcessOutput([x])"),
            action_.calls.end());
}

TEST_F(RunAction, StopsEarlyWithoutStartingTheProgram) {
  const struct {
    std::function<void(TRecordingAction&)> arrange;
    std::string reason;
    std::string lastCall;
  } cases[] = {
      {[](TRecordingAction& a) { a.validationError = "No path."; }, "Options: No path.",
       "Validate"},
      {[](TRecordingAction& a) { a.commandLineOk = false; }, "command line could not be built",
       "GetCommandLine"},
      {[](TRecordingAction& a) { a.afterOk = false; }, "stopped after building its command line",
       "AfterGetCommandLine"},
      {[](TRecordingAction& a) { a.throwIn = "GetCommandLine"; }, "boom", "GetCommandLine"},
  };
  for (const auto& c : cases) {
    TRecordingAction action(program_);
    c.arrange(action);
    const vy::TVyRunResult result = vy::RunAction(action, {});
    EXPECT_FALSE(result.succeeded);
    EXPECT_FALSE(result.started);
    EXPECT_NE(result.reason.find(c.reason), std::string::npos) << result.reason;
    EXPECT_EQ(action.calls.back(), c.lastCall);
  }
  EXPECT_TRUE(runner_.specs.empty());
}

TEST_F(RunAction, ValidationErrorsAreLogged) {
  action_.validationError = "The path to cleartool.exe has not been specified.";
  vy::RunAction(action_, {});
  EXPECT_EQ(
      Logged(action_),
      (std::vector<std::string>{"3 Options: The path to cleartool.exe has not been specified."}));
}

TEST_F(RunAction, NeedsAnExistingStartingDirectory) {
  TRecordingAction action(dir_.File("missing/cleartool"));
  const vy::TVyRunResult result = vy::RunAction(action, {});
  EXPECT_FALSE(result.succeeded);
  EXPECT_TRUE(runner_.specs.empty());
  EXPECT_NE(result.reason.find("no starting directory"), std::string::npos);
}

TEST_F(RunAction, DryRunStopsAfterBeforeExecute) {
  const vy::TVyRunResult result = vy::RunAction(action_, {true, 0});
  EXPECT_TRUE(result.succeeded);
  EXPECT_FALSE(result.started);
  EXPECT_TRUE(runner_.specs.empty());
  EXPECT_EQ(action_.calls.back(), "BeforeExecute");
  EXPECT_EQ(result.commandLine, "checkout -c \"a comment\" \"src/b c.c\" -last");
}

TEST_F(RunAction, TheOutcomeIsReportedInWords) {
  const struct {
    TProcessOutcome outcome;
    bool succeeded;
    bool started;
    std::string reason;
    std::string lastCall;
  } cases[] = {
      {{TProcessOutcome::Exited, 0, 0, {}, 0}, true, true, "", "OnSuccess(0)"},
      {{TProcessOutcome::Exited, 3, 0, {}, 0},
       false,
       true,
       "cleartool exited with code 3",
       "OnFailure(3)"},
      {{TProcessOutcome::CouldNotStart, -1, 0, "No such file or directory", 0},
       false,
       false,
       "cleartool could not be started: No such file or directory",
       "OnFailure(-1)"},
      {{TProcessOutcome::TimedOut, -1, 0, {}, 500},
       false,
       true,
       "cleartool did not finish within 500 ms and was stopped",
       "OnFailure(-2)"},
      {{TProcessOutcome::Signalled, -1, 9, {}, 0},
       false,
       true,
       "cleartool was killed by signal 9 (" + vy::SignalDescription(9) + ")",
       "OnFailure(-3)"},
  };
  for (const auto& c : cases) {
    runner_.outcome = c.outcome;
    TRecordingAction action(program_);
    const vy::TVyRunResult result = vy::RunAction(action, {});
    EXPECT_EQ(result.succeeded, c.succeeded);
    EXPECT_EQ(result.started, c.started);
    EXPECT_EQ(result.reason, c.reason);
    EXPECT_EQ(action.calls.back(), c.lastCall);
  }
}

TEST_F(RunAction, TheActionJudgesTheExitCode) {
  action_.successCode = 1;
  runner_.outcome.exitCode = 1;
  EXPECT_TRUE(vy::RunAction(action_, {}).succeeded);
  runner_.outcome.exitCode = 0;
  const vy::TVyRunResult result = vy::RunAction(action_, {});
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.reason, "cleartool exited with code 0, which the action judged a failure");
}

TEST_F(RunAction, AnExceptionFromAHookFailsTheRunWithoutEscaping) {
  action_.SetStreamOutput(true);
  action_.throwIn = "OnStdOutData";
  runner_.output = {{false, "x\n"}};
  vy::TVyRunResult result;
  EXPECT_NO_THROW(result = vy::RunAction(action_, {}));
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.reason, "the action raised an error: hook failed");
}

TEST(RunActionForReal, StartsTheProgramThroughTheRealRunner) {
  if (!vy::FileSystem().FileExists("/bin/echo")) GTEST_SKIP() << "no /bin/echo";
  TRecordingAction action("/bin/echo");
  action.SetStreamOutput(true);
  const vy::TVyRunResult result = vy::RunAction(action, {false, 10000});
  EXPECT_TRUE(result.succeeded) << result.reason;
  EXPECT_EQ(result.startingDir, "/bin");
  EXPECT_NE(std::find(action.calls.begin(), action.calls.end(),
                      "OnStdOutData(checkout -c a comment src/b c.c -last\n)"),
            action.calls.end());
}

}  // namespace
