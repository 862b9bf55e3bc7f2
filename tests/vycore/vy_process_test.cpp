#include <gtest/gtest.h>

#include "vycore/process.h"

namespace vy {
namespace {

// Records what it was asked to start and plays back canned output.
class TFakeRunner : public IProcessRunner {
 public:
  TProcessOutcome Run(const TProcessSpec& spec, IProcessSink& sink) override {
    spec_ = spec;
    for (const std::string& line : out_) sink.OnStdOut(line);
    for (const std::string& line : err_) sink.OnStdErr(line);
    return outcome_;
  }

  TProcessSpec spec_;
  TStringList out_;
  TStringList err_;
  TProcessOutcome outcome_ = Exited(0);

  static TProcessOutcome Exited(int code) {
    TProcessOutcome outcome;
    outcome.kind = TProcessOutcome::Exited;
    outcome.exitCode = code;
    return outcome;
  }
};

class VyProcessTest : public testing::Test {
 protected:
  void SetUp() override { SetProcessRunner(&runner_); }
  void TearDown() override { SetProcessRunner(nullptr); }

  TFakeRunner runner_;
  std::unique_ptr<IVyProcess> process_ = CreateVyProcess();
};

TEST_F(VyProcessTest, StartsTheProgramWithTokenizedParameters) {
  process_->SetFileName("/opt/cc/bin/cleartool");
  process_->SetParameters("lstype -kind lbtype -invob \"\\vobs/my vob\" ");
  process_->SetWorkingDirectory("/views/dev");
  process_->SetTimeout(700);
  TStringList output;
  EXPECT_EQ(process_->Run(output), prSuccess);
  EXPECT_EQ(process_->GetFileName(), "/opt/cc/bin/cleartool");
  EXPECT_EQ(runner_.spec_.program, "/opt/cc/bin/cleartool");
  EXPECT_EQ(runner_.spec_.arguments,
            (TStringList{"lstype", "-kind", "lbtype", "-invob", "\\vobs/my vob"}));
  EXPECT_EQ(runner_.spec_.workingDirectory, "/views/dev");
  EXPECT_EQ(runner_.spec_.timeoutMs, 700);
}

TEST_F(VyProcessTest, ATimeOutOfZeroOrLessMeansNoLimit) {
  for (std::int32_t timeout : {0, -1, -500}) {
    process_->SetTimeout(timeout);
    TStringList output;
    process_->Run(output);
    EXPECT_EQ(process_->GetTimeout(), timeout);
    EXPECT_EQ(runner_.spec_.timeoutMs, 0);
  }
}

TEST_F(VyProcessTest, CollectsStandardOutputLinesWithoutTerminators) {
  runner_.out_ = {"a\r\n", "b\n", "\n", "\r\n", "lone\r", "cr\r\r\n", "  \n", "last"};
  runner_.err_ = {"warning\n", "more"};
  TStringList output{"kept"};
  process_->SetFileName("cleartool");
  EXPECT_EQ(process_->Run(output), prSuccess);
  EXPECT_EQ(output, (TStringList{"kept", "a", "b", "", "", "lone\r", "cr\r", "  ", "last"}));
  EXPECT_EQ(process_->ErrorText(), "warning\nmore");
}

TEST_F(VyProcessTest, WithoutCaptureTheListStaysUntouched) {
  runner_.out_ = {"a\n"};
  process_->SetCaptureOutput(false);
  TStringList output;
  process_->Run(output);
  EXPECT_TRUE(output.empty());
}

TEST_F(VyProcessTest, ReturnsZeroOnlyForSuccess) {
  auto outcome = [](TProcessOutcome::Kind kind, int code) {
    TProcessOutcome result = TFakeRunner::Exited(code);
    result.kind = kind;
    result.error = "No such file or directory";
    result.timeoutMs = 500;
    result.signal = 9;
    return result;
  };
  struct TCase {
    TProcessOutcome outcome;
    int result;
    std::string errorText;
  } cases[] = {
      {outcome(TProcessOutcome::Exited, 0), prSuccess, "oops\n"},
      {outcome(TProcessOutcome::Exited, 1), 1, "oops\n"},
      {outcome(TProcessOutcome::Exited, 255), 255, "oops\n"},
      {outcome(TProcessOutcome::CouldNotStart, -1), prCouldNotStart,
       "oops\ncleartool could not be started: No such file or directory\n"},
      {outcome(TProcessOutcome::TimedOut, -1), prTimedOut,
       "oops\ncleartool did not finish within 500 ms and was stopped\n"},
      {outcome(TProcessOutcome::Signalled, -1), prSignalled,
       "oops\ncleartool was killed by signal 9 (Killed)\n"},
  };
  process_->SetFileName("/opt/cc/bin/cleartool");
  runner_.err_ = {"oops\n"};
  for (const TCase& c : cases) {
    runner_.outcome_ = c.outcome;
    TStringList output;
    EXPECT_EQ(process_->Run(output), c.result);
    EXPECT_EQ(process_->Outcome().kind, c.outcome.kind);
    EXPECT_EQ(process_->ErrorText(), c.errorText);
  }
}

}  // namespace
}  // namespace vy
