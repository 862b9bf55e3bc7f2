#include "vycore/run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "test_support.h"

namespace {

using Strings = std::vector<std::string>;

// Records every hook the runner calls, in order, with what it was given.
class TRecordingAction final : public vy::TVyExecuteAbstractAction {
 public:
  explicit TRecordingAction(std::string program) : executable(std::move(program)) {}

  std::string GetActionName() const override { return "Recording"; }
  bool Validate(vy::IVyActionValidationError& errors) override {
    if (failIn == "Validate") errors.AddError("Options", "No path.", nullptr);
    return Call("Validate", failIn != "Validate");
  }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override {
    Call("GetCommandLine");
    builder.AddArgument("checkout -c \"a comment\" \"src/b c.c\"");
    return failIn != "GetCommandLine";
  }
  bool AfterGetCommandLine() override {
    return Call("AfterGetCommandLine", failIn != "AfterGetCommandLine");
  }
  std::string GetStartingDir(const std::string& defaultDir) override {
    Call("GetStartingDir(" + defaultDir + ")");
    return vy::TVyExecuteAbstractAction::GetStartingDir(defaultDir);
  }
  std::string GetExecutable() override {
    Call("GetExecutable");
    return failIn == "GetExecutable" ? "/no/such/dir/cleartool" : executable;
  }
  void BeforeExecute(vy::ICommandLineBuilder& builder) override {
    Call("BeforeExecute");
    builder.AddArgument("-last");
    if (collectInBeforeExecute) SetCollectOutput(true);
  }
  void OnStdOutData(vy::IVyProcess* process, const std::string& line) override {
    Call("OnStdOutData(" + line + ")");
    if (failIn == "OnStdOutData") throw std::runtime_error("hook failed");
    vy::TVyExecuteAbstractAction::OnStdOutData(process, line);
  }
  void OnStdErrData(vy::IVyProcess* process, const std::string& line) override {
    Call("OnStdErrData(" + line + ")");
    vy::TVyExecuteAbstractAction::OnStdErrData(process, line);
  }
  void OnProcessOutput(const vy::TStringList& lines) override {
    std::string joined;
    for (const std::string& line : lines) joined += "[" + line + "]";
    Call("OnProcessOutput(" + joined + ")");
    vy::TVyExecuteAbstractAction::OnProcessOutput(lines);
  }
  bool InterpretResult(int exitCode) override {
    return Call("InterpretResult(" + std::to_string(exitCode) + ")", exitCode == successCode);
  }
  void OnSuccess(int exitCode) override { Call("OnSuccess(" + std::to_string(exitCode) + ")"); }
  void OnFailure(int exitCode) override { Call("OnFailure(" + std::to_string(exitCode) + ")"); }

  bool Call(const std::string& hook, bool result = true) {
    calls.push_back(hook);
    return result;
  }
  Strings Logged() const {
    Strings lines;
    for (const vy::TLogEntry& e : Messages()) lines.push_back(std::to_string(e.tag) + " " + e.text);
    return lines;
  }

  std::string executable;
  Strings calls;
  std::string failIn;  // the hook that fails
  bool collectInBeforeExecute = false;
  int successCode = 0;
};

class RunAction : public testing::Test {
 protected:
  vytest::TTempDir dir_;
  std::string program_ = dir_.File("cleartool");
  vytest::TFakeRunner runner_;
  TRecordingAction action_{program_};
};

TEST_F(RunAction, CallsTheHooksInProtocolOrderAndStartsTheTokenizedCommandLine) {
  action_.SetStreamOutput(true);
  action_.SetCollectOutput(true);
  runner_.output = {{false, "one\r\n"}, {true, "warn\n"}, {false, "two"}};
  const vy::TVyRunResult result = vy::RunAction(action_, {false, 1500});

  EXPECT_TRUE(result.succeeded);
  EXPECT_EQ(action_.calls,
            (Strings{"Validate", "GetCommandLine", "AfterGetCommandLine", "GetExecutable",
                     "GetStartingDir(" + program_ + ")", "BeforeExecute", "OnStdOutData(one\r\n)",
                     "OnStdErrData(warn\n)", "OnStdOutData(two)", "OnProcessOutput([one][two])",
                     "InterpretResult(0)", "OnSuccess(0)"}));
  // The inherited hooks logged the output once; OnProcessOutput did not repeat it.
  EXPECT_EQ(action_.Logged(), (Strings{"0 one", "3 warn", "0 two"}));
  ASSERT_EQ(runner_.specs.size(), 1u);
  const vy::TProcessSpec& spec = runner_.specs[0];
  EXPECT_EQ(spec.program, program_);
  EXPECT_EQ(spec.arguments, (Strings{"checkout", "-c", "a comment", "src/b c.c", "-last"}));
  EXPECT_EQ(spec.workingDirectory, dir_.Path());
  EXPECT_EQ(spec.timeoutMs, 1500);
}

// Streaming alone shows in the protocol-order test above. The settings are
// read after BeforeExecute, which switches collecting on here.
TEST_F(RunAction, TheSettingsDecideWhichHooksSeeTheOutput) {
  const struct {
    bool stream;
    bool collect;
    Strings outputCalls;  // hooks between BeforeExecute and InterpretResult
    Strings logged;
  } cases[] = {
      {false, true, {"OnProcessOutput([a][b])"}, {"3 e", "0 a", "0 b"}},
      {false, false, {}, {"0 a", "3 e", "0 b"}},
  };
  runner_.output = {{false, "a\r\n"}, {true, "e\n"}, {false, "b\n"}};
  for (const auto& c : cases) {
    TRecordingAction action(program_);
    action.SetStreamOutput(c.stream);
    action.collectInBeforeExecute = c.collect;
    ASSERT_TRUE(vy::RunAction(action, {}).succeeded);
    const auto first = std::find(action.calls.begin(), action.calls.end(), "BeforeExecute") + 1;
    const auto last = std::find(action.calls.begin(), action.calls.end(), "InterpretResult(0)");
    EXPECT_EQ(Strings(first, last), c.outputCalls);
    EXPECT_EQ(action.Logged(), c.logged);
  }
}

TEST_F(RunAction, StopsEarlyWithoutStartingTheProgram) {
  const struct {
    std::string failIn;
    std::string reason;
    std::string lastCall;
  } cases[] = {
      {"Validate", "the action is not valid", "Validate"},
      {"GetCommandLine", "command line could not be built", "GetCommandLine"},
      {"AfterGetCommandLine", "stopped after building its command line", "AfterGetCommandLine"},
      {"GetExecutable", "no starting directory", "GetStartingDir(/no/such/dir/cleartool)"},
  };
  for (const auto& c : cases) {
    TRecordingAction action(program_);
    action.failIn = c.failIn;
    const vy::TVyRunResult result = vy::RunAction(action, {});
    EXPECT_FALSE(result.succeeded);
    EXPECT_FALSE(result.started);
    EXPECT_NE(result.reason.find(c.reason), std::string::npos) << result.reason;
    EXPECT_EQ(action.calls.back(), c.lastCall);
    if (c.failIn == "Validate") {
      // In the log once, not repeated in the reason.
      ASSERT_EQ(action.Messages().size(), 1u);
      EXPECT_EQ(action.Messages()[0].text, "Options: No path.");
    }
  }
  EXPECT_TRUE(runner_.specs.empty());
}

TEST_F(RunAction, DryRunStopsAfterBeforeExecute) {
  const vy::TVyRunResult result = vy::RunAction(action_, {true, 0});
  EXPECT_TRUE(result.succeeded);
  EXPECT_FALSE(result.started);
  EXPECT_TRUE(runner_.specs.empty());
  EXPECT_EQ(action_.calls.back(), "BeforeExecute");
  EXPECT_EQ(result.commandLine, "checkout -c \"a comment\" \"src/b c.c\" -last");
}

// The outcome in words for each way a program ends is the fault suite's.
TEST_F(RunAction, TheActionJudgesTheExitCode) {
  action_.successCode = 1;
  const vy::TVyRunResult result = vy::RunAction(action_, {});
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.reason, "cleartool exited with code 0, which the action judged a failure");
}

TEST_F(RunAction, AnExceptionFromAHookFailsTheRunWithoutEscaping) {
  action_.SetStreamOutput(true);
  action_.failIn = "OnStdOutData";
  runner_.output = {{false, "x\n"}};
  const vy::TVyRunResult result = vy::RunAction(action_, {});
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.reason, "the action raised an error: hook failed");
}

}  // namespace
