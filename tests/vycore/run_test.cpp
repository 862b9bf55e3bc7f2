#include "vycore/run.h"

#include <gtest/gtest.h>

#include "test_action.h"

namespace {

// Records what would have been started and plays back scripted output.
class TFakeRunner final : public vy::IProcessRunner {
 public:
  vy::TProcessOutcome Run(const vy::TProcessSpec& spec, vy::IProcessSink& sink) override {
    specs.push_back(spec);
    for (const auto& line : stdoutLines) sink.OnStdOut(line);
    for (const auto& line : stderrLines) sink.OnStdErr(line);
    return outcome;
  }
  std::vector<vy::TProcessSpec> specs;
  vy::TStringList stdoutLines;
  vy::TStringList stderrLines;
  vy::TProcessOutcome outcome{vy::TProcessOutcome::Exited, 0};
};

// Records the protocol's calls in order.
class TProtocolAction : public vytest::TTestAction {
 public:
  bool Validate(vy::IVyActionValidationError& errors) override {
    calls.push_back("Validate");
    if (!valid) errors.AddError("Options", "not valid", nullptr);
    return valid;
  }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override {
    calls.push_back("GetCommandLine");
    builder.AddArgument("checkout");
    builder.AddArgument("-c \"a comment\"");
    builder.AddArgument("-version", "\"/main/2\"", vy::akOptionValue);
    return buildable;
  }
  bool AfterGetCommandLine() override { return calls.push_back("After"), true; }
  std::string GetStartingDir(const std::string& d) override {
    calls.push_back("GetStartingDir(" + d + ")");
    return "/tmp";
  }
  void BeforeExecute(vy::ICommandLineBuilder&) override { calls.push_back("BeforeExecute"); }
  void OnStdOutData(vy::IVyProcess* p, const std::string& line) override {
    streamed += line;
    TTestAction::OnStdOutData(p, line);
  }
  void OnProcessOutput(const vy::TStringList& lines) override {
    collected = lines;
    TTestAction::OnProcessOutput(lines);
  }
  bool InterpretResult(int code) override {
    calls.push_back("InterpretResult(" + std::to_string(code) + ")");
    return TTestAction::InterpretResult(code);
  }
  void OnSuccess(int) override { calls.push_back("OnSuccess"); }
  void OnFailure(int) override { calls.push_back("OnFailure"); }

  bool valid = true;
  bool buildable = true;
  std::vector<std::string> calls;
  std::string streamed;
  vy::TStringList collected;
};

class RunActionTest : public testing::Test {
 protected:
  void SetUp() override { vy::SetProcessRunner(&runner); }
  void TearDown() override { vy::SetProcessRunner(nullptr); }
  TFakeRunner runner;
  TProtocolAction action;
};

TEST_F(RunActionTest, CallsTheProtocolInOrderAndSplitsTheCommandLine) {
  const auto result = vy::RunAction(action, {});
  EXPECT_TRUE(result.succeeded);
  EXPECT_EQ(action.calls, (std::vector<std::string>{"Validate", "GetCommandLine", "After",
                                                    "GetStartingDir(/bin/true)", "BeforeExecute",
                                                    "InterpretResult(0)", "OnSuccess"}));
  ASSERT_EQ(runner.specs.size(), 1u);
  EXPECT_EQ(runner.specs[0].program, "/bin/true");
  EXPECT_EQ(runner.specs[0].workingDirectory, "/tmp");
  EXPECT_EQ(runner.specs[0].arguments,
            (vy::TStringList{"checkout", "-c", "a comment", "-version", "/main/2"}));
  EXPECT_EQ(result.commandLine, "checkout -c \"a comment\" -version \"/main/2\"");
}

TEST_F(RunActionTest, RunSettingsDecideWhichHooksSeeTheOutput) {
  runner.stdoutLines = {"one\r\n", "two\n", "three"};
  struct Case {
    bool collect, stream;
    std::string streamed;
    vy::TStringList collected;
    std::size_t logged;
  };
  for (const Case& c : {Case{true, true, "one\r\ntwo\nthree", {"one", "two", "three"}, 3},
                        Case{true, false, "", {"one", "two", "three"}, 3},
                        Case{false, true, "one\r\ntwo\nthree", {}, 3},
                        Case{false, false, "", {}, 0}}) {
    TProtocolAction a;
    a.SetCollectOutput(c.collect);
    a.SetStreamOutput(c.stream);
    vy::RunAction(a, {});
    EXPECT_EQ(a.streamed, c.streamed);
    EXPECT_EQ(a.collected, c.collected);
    EXPECT_EQ(a.Messages().size(), c.logged) << c.collect << c.stream;
  }
}

TEST_F(RunActionTest, StandardErrorIsLoggedAsErrors) {
  runner.stderrLines = {"cleartool: Error: nope\n"};
  action.SetStreamOutput(true);
  vy::RunAction(action, {});
  ASSERT_EQ(action.Messages().size(), 1u);
  EXPECT_EQ(action.Messages()[0].text, "cleartool: Error: nope");
  EXPECT_EQ(action.Messages()[0].tag, vy::tsError);
}

TEST_F(RunActionTest, StopsBeforeStartingWhenPreparationFails) {
  TProtocolAction invalid;
  invalid.valid = false;
  EXPECT_FALSE(vy::RunAction(invalid, {}).succeeded);
  EXPECT_EQ(invalid.Messages().at(0).text, "Options: not valid");

  TProtocolAction unbuildable;
  unbuildable.buildable = false;
  const auto result = vy::RunAction(unbuildable, {});
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.reason, "the command line could not be built");
  EXPECT_TRUE(runner.specs.empty());
}

TEST_F(RunActionTest, DryRunStopsAfterBeforeExecute) {
  const auto result = vy::RunAction(action, {.dryRun = true});
  EXPECT_TRUE(result.succeeded);
  EXPECT_FALSE(result.started);
  EXPECT_EQ(action.calls.back(), "BeforeExecute");
  EXPECT_TRUE(runner.specs.empty());
}

TEST_F(RunActionTest, OutcomesBecomeFailuresWithReasons) {
  struct Case {
    vy::TProcessOutcome outcome;
    std::string code;
    bool started;
  };
  vy::TProcessOutcome exited{vy::TProcessOutcome::Exited, 1};
  vy::TProcessOutcome timedOut{vy::TProcessOutcome::TimedOut};
  vy::TProcessOutcome missing{vy::TProcessOutcome::CouldNotStart};
  missing.error = "No such file or directory";
  for (const auto& c : {Case{exited, "1", true}, Case{timedOut, "-2", true},
                        Case{missing, "-1", false}}) {
    runner.outcome = c.outcome;
    TProtocolAction a;
    const auto result = vy::RunAction(a, {});
    EXPECT_FALSE(result.succeeded);
    EXPECT_EQ(result.started, c.started);
    EXPECT_EQ(result.reason, c.outcome.Describe("true"));
    EXPECT_EQ(a.calls[a.calls.size() - 2], "InterpretResult(" + c.code + ")");
    EXPECT_EQ(a.calls.back(), "OnFailure");
  }
}

TEST(ActionExpansion, FailureIsLoggedNamingPropertyAndVariable) {
  vytest::TTestAction action;
  std::string text;
  EXPECT_FALSE(action.TryExpandExpression("Comment", "built %WHO%", text, false));
  ASSERT_EQ(action.Messages().size(), 1u);
  EXPECT_EQ(action.Messages()[0].tag, vy::tsError);
  EXPECT_NE(action.Messages()[0].text.find("Comment"), std::string::npos);
  EXPECT_NE(action.Messages()[0].text.find("\"WHO\""), std::string::npos);

  action.SetVariable("WHO", "ci");
  EXPECT_TRUE(action.TryExpandExpression("Comment", "built %WHO%", text, false));
  EXPECT_EQ(text, "built ci");
}

TEST(ActionExpansion, AttachedHostReceivesMessagesAndOwnsVariables) {
  struct THost : vy::IVyActionHost {
    void Log(const vy::TCustomVyAction&, const std::string& text, vy::TStatusTag) override {
      lines.push_back(text);
    }
    vy::TVyVariables& Variables() override { return variables; }
    vy::TVyVariables variables;
    std::vector<std::string> lines;
  } host;
  vytest::TTestAction action;
  action.AttachHost(&host);
  action.SetVariable("OUT", "x");
  action.SendMessage("hello", vy::tsInformation);
  EXPECT_EQ(host.variables.Get("OUT"), "x");
  EXPECT_EQ(host.lines, std::vector<std::string>{"hello"});
}

}  // namespace
