#include "vycore/run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "test_support.h"
#include "vycore/process.h"

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
  const vy::TVyRunResult result = vy::RunAction(action_, {});

  EXPECT_TRUE(result.succeeded);
  EXPECT_EQ(action_.calls,
            (Strings{"Validate", "GetCommandLine", "AfterGetCommandLine", "GetExecutable",
                     "BeforeExecute", "OnStdOutData(one\r\n)", "OnStdOutData(two)",
                     "OnProcessOutput([one][two])", "InterpretResult(0)", "OnSuccess(0)"}));
  // The inherited hooks logged the output once; OnProcessOutput did not repeat it.
  EXPECT_EQ(action_.Logged(), (Strings{"0 one", "3 warn", "0 two"}));
  EXPECT_EQ(runner_.Argvs(),
            (std::vector<Strings>{{"checkout", "-c", "a comment", "src/b c.c", "-last"}}));
}

// Streaming alone shows in the protocol-order test above. The settings are
// read after BeforeExecute, which switches collecting on here.
TEST_F(RunAction, TheSettingsDecideWhichHooksSeeTheOutput) {
  const struct {
    bool collect;
    Strings outputCalls;  // hooks between BeforeExecute and InterpretResult
    Strings logged;
  } cases[] = {
      {true, {"OnProcessOutput([a][b])"}, {"3 e", "0 a", "0 b"}},
      {false, {}, {"0 a", "3 e", "0 b"}},
  };
  runner_.output = {{false, "a\r\n"}, {true, "e\n"}, {false, "b\n"}};
  for (const auto& c : cases) {
    TRecordingAction action(program_);
    action.collectInBeforeExecute = c.collect;
    ASSERT_TRUE(vy::RunAction(action, {}).succeeded);
    const auto first = std::find(action.calls.begin(), action.calls.end(), "BeforeExecute") + 1;
    const auto last = std::find(action.calls.begin(), action.calls.end(), "InterpretResult(0)");
    EXPECT_EQ(Strings(first, last), c.outputCalls);
    EXPECT_EQ(action.Logged(), c.logged);
  }
}

// Each step that fails stops the run before the program starts, and says why;
// a dry run is the end-to-end runs'.
TEST_F(RunAction, StopsEarlyWithoutStartingTheProgram) {
  const std::pair<std::string, std::string> cases[] = {
      {"Validate", "the action is not valid"},
      {"GetCommandLine", "the command line could not be built"},
      {"AfterGetCommandLine", "the action stopped after building its command line"},
      {"GetExecutable", "no starting directory exists for \"/no/such/dir/cleartool\""}};
  for (const auto& [failIn, reason] : cases) {
    TRecordingAction action(program_);
    action.failIn = failIn;
    const vy::TVyRunResult result = vy::RunAction(action, {});
    EXPECT_FALSE(result.succeeded);
    EXPECT_FALSE(result.started);
    EXPECT_EQ(action.calls.back().rfind(failIn, 0), 0u) << action.calls.back();
    EXPECT_NE(result.reason.find(reason), std::string::npos) << result.reason;
  }
  EXPECT_TRUE(runner_.specs.empty());
}

// The outcome in words for each way a program ends is the fault suite's;
// here the action judges an exit code, or a hook throws (and nothing escapes).
TEST_F(RunAction, TheActionsOwnFailuresAreExplained) {
  action_.successCode = 1;
  vy::TVyRunResult result = vy::RunAction(action_, {});
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.reason, "cleartool exited with code 0, which the action judged a failure");
  action_.SetStreamOutput(true);
  action_.failIn = "OnStdOutData";
  runner_.output = {{false, "x\n"}};
  result = vy::RunAction(action_, {});
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.reason, "the action raised an error: hook failed");
}

// The process object a package starts a program with. The run protocol's
// tests hold the words of an outcome; here they follow standard error.
TEST(VyProcess, StartsTheTokenizedParametersAndReturnsZeroOnlyForSuccess) {
  vytest::TFakeRunner runner;
  runner.output = {{false, "a\r\n"}, {false, "\n"},    {false, "lone\r"}, {false, "cr\r\r\n"},
                   {false, "last"},  {true, "warn\n"}, {true, "more"}};
  const std::unique_ptr<vy::IVyProcess> process = vy::CreateVyProcess();
  process->SetFileName("/opt/cc/bin/cleartool");
  process->SetParameters("lstype -kind lbtype -invob \"\\vobs/my vob\" ");
  process->SetWorkingDirectory("/views/dev");
  process->SetTimeout(700);
  Strings output;
  EXPECT_EQ(process->Run(output), vy::prSuccess);
  ASSERT_EQ(runner.specs.size(), 1u);
  EXPECT_EQ(runner.specs[0].program, "/opt/cc/bin/cleartool");
  EXPECT_EQ(runner.specs[0].arguments,
            (Strings{"lstype", "-kind", "lbtype", "-invob", "\\vobs/my vob"}));
  EXPECT_EQ(runner.specs[0].workingDirectory, "/views/dev");
  EXPECT_EQ(runner.specs[0].timeoutMs, 700);
  EXPECT_EQ(output, (Strings{"a", "", "lone\r", "cr\r", "last"}));  // without terminators
  EXPECT_EQ(process->ErrorText(), "warn\nmore");

  using enum vy::TProcessOutcome::Kind;
  const struct {
    vy::TProcessOutcome::Kind kind;
    int exitCode;
    int result;
  } cases[] = {{Exited, 255, 255},
               {CouldNotStart, -1, vy::prCouldNotStart},
               {TimedOut, -1, vy::prTimedOut},
               {Signalled, -1, vy::prSignalled}};
  runner.output = {{true, "oops\n"}};
  for (const auto& c : cases) {
    runner.outcome = {c.kind, c.exitCode, 9, "No such file or directory", 500};
    EXPECT_EQ(process->Run(output), c.result);
    const std::string words = runner.outcome.Describe("cleartool") + "\n";
    EXPECT_EQ(process->ErrorText(), c.kind == Exited ? "oops\n" : "oops\n" + words);
  }
}

}  // namespace
