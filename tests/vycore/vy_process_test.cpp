#include <gtest/gtest.h>

#include "test_support.h"
#include "vycore/process.h"

namespace vy {
namespace {

class VyProcessTest : public testing::Test {
 protected:
  vytest::TFakeRunner runner_;
  std::unique_ptr<IVyProcess> process_ = CreateVyProcess();
};

TEST_F(VyProcessTest, StartsTheProgramWithTokenizedParameters) {
  process_->SetFileName("/opt/cc/bin/cleartool");
  process_->SetParameters("lstype -kind lbtype -invob \"\\vobs/my vob\" ");
  process_->SetWorkingDirectory("/views/dev");
  process_->SetTimeout(700);
  TStringList output;
  EXPECT_EQ(process_->Run(output), prSuccess);
  EXPECT_EQ(runner_.specs.back().program, "/opt/cc/bin/cleartool");
  EXPECT_EQ(runner_.specs.back().arguments,
            (TStringList{"lstype", "-kind", "lbtype", "-invob", "\\vobs/my vob"}));
  EXPECT_EQ(runner_.specs.back().workingDirectory, "/views/dev");
  EXPECT_EQ(runner_.specs.back().timeoutMs, 700);
}

TEST_F(VyProcessTest, ATimeOutOfZeroOrLessMeansNoLimit) {
  for (std::int32_t timeout : {0, -1}) {
    process_->SetTimeout(timeout);
    TStringList output;
    process_->Run(output);
    EXPECT_EQ(runner_.specs.back().timeoutMs, 0);
  }
}

TEST_F(VyProcessTest, CollectsStandardOutputLinesWithoutTerminators) {
  runner_.output = {{false, "a\r\n"},    {false, "b\n"},      {false, "\n"},   {false, "\r\n"},
                    {false, "lone\r"},   {false, "cr\r\r\n"}, {false, "  \n"}, {false, "last"},
                    {true, "warning\n"}, {true, "more"}};
  TStringList output{"kept"};
  process_->SetFileName("cleartool");
  EXPECT_EQ(process_->Run(output), prSuccess);
  EXPECT_EQ(output, (TStringList{"kept", "a", "b", "", "", "lone\r", "cr\r", "  ", "last"}));
  EXPECT_EQ(process_->ErrorText(), "warning\nmore");
}

TEST_F(VyProcessTest, WithoutCaptureTheListStaysUntouched) {
  runner_.output = {{false, "a\n"}};
  process_->SetCaptureOutput(false);
  TStringList output;
  process_->Run(output);
  EXPECT_TRUE(output.empty());
}

TEST_F(VyProcessTest, ReturnsZeroOnlyForSuccess) {
  auto outcome = [](TProcessOutcome::Kind kind, int code) {
    return TProcessOutcome{kind, code, 9, "No such file or directory", 500};
  };
  struct TCase {
    TProcessOutcome outcome;
    int result;
    std::string errorText;
  } cases[] = {
      {outcome(TProcessOutcome::Exited, 0), prSuccess, "oops\n"},
      {outcome(TProcessOutcome::Exited, 255), 255, "oops\n"},
      {outcome(TProcessOutcome::CouldNotStart, -1), prCouldNotStart,
       "oops\ncleartool could not be started: No such file or directory\n"},
      {outcome(TProcessOutcome::TimedOut, -1), prTimedOut,
       "oops\ncleartool did not finish within 500 ms and was stopped\n"},
      {outcome(TProcessOutcome::Signalled, -1), prSignalled,
       "oops\ncleartool was killed by signal 9 (Killed)\n"},
  };
  process_->SetFileName("/opt/cc/bin/cleartool");
  runner_.output = {{true, "oops\n"}};
  for (const TCase& c : cases) {
    runner_.outcome = c.outcome;
    TStringList output;
    EXPECT_EQ(process_->Run(output), c.result);
    EXPECT_EQ(process_->Outcome().kind, c.outcome.kind);
    EXPECT_EQ(process_->ErrorText(), c.errorText);
  }
}

}  // namespace
}  // namespace vy
