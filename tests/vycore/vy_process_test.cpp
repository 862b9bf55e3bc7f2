#include <gtest/gtest.h>

#include "test_support.h"
#include "vycore/process.h"

namespace vy {
namespace {

class VyProcessTest : public testing::Test {
 protected:
  vytest::TFakeRunner runner_;
  std::unique_ptr<IVyProcess> process_ = CreateVyProcess();
  TStringList output_;
};

// A time-out of zero or less means no limit.
TEST_F(VyProcessTest, StartsTheProgramWithTokenizedParameters) {
  process_->SetFileName("/opt/cc/bin/cleartool");
  process_->SetParameters("lstype -kind lbtype -invob \"\\vobs/my vob\" ");
  process_->SetWorkingDirectory("/views/dev");
  process_->SetTimeout(700);
  EXPECT_EQ(process_->Run(output_), prSuccess);
  EXPECT_EQ(runner_.specs.back().program, "/opt/cc/bin/cleartool");
  EXPECT_EQ(runner_.specs.back().arguments,
            (TStringList{"lstype", "-kind", "lbtype", "-invob", "\\vobs/my vob"}));
  EXPECT_EQ(runner_.specs.back().workingDirectory, "/views/dev");
  EXPECT_EQ(runner_.specs.back().timeoutMs, 700);
  process_->SetTimeout(-1);
  process_->Run(output_);
  EXPECT_EQ(runner_.specs.back().timeoutMs, 0);
}

TEST_F(VyProcessTest, CollectsStandardOutputLinesWithoutTerminators) {
  runner_.output = {{false, "a\r\n"},    {false, "b\n"},      {false, "\n"},   {false, "\r\n"},
                    {false, "lone\r"},   {false, "cr\r\r\n"}, {false, "  \n"}, {false, "last"},
                    {true, "warning\n"}, {true, "more"}};
  output_ = {"kept"};
  process_->SetFileName("cleartool");
  EXPECT_EQ(process_->Run(output_), prSuccess);
  EXPECT_EQ(output_, (TStringList{"kept", "a", "b", "", "", "lone\r", "cr\r", "  ", "last"}));
  EXPECT_EQ(process_->ErrorText(), "warning\nmore");

  TStringList uncaptured;
  process_->SetCaptureOutput(false);
  process_->Run(uncaptured);
  EXPECT_TRUE(uncaptured.empty());
}

TEST_F(VyProcessTest, ReturnsZeroOnlyForSuccess) {
  using enum TProcessOutcome::Kind;
  const struct {
    TProcessOutcome::Kind kind;
    int exitCode;
    int result;
    std::string words;  // added to the error text
  } cases[] = {
      {Exited, 0, prSuccess, ""},
      {Exited, 255, 255, ""},
      {CouldNotStart, -1, prCouldNotStart, "could not be started: No such file or directory"},
      {TimedOut, -1, prTimedOut, "did not finish within 500 ms and was stopped"},
      {Signalled, -1, prSignalled, "was killed by signal 9 (Killed)"},
  };
  process_->SetFileName("/opt/cc/bin/cleartool");
  runner_.output = {{true, "oops\n"}};
  for (const auto& c : cases) {
    runner_.outcome = {c.kind, c.exitCode, 9, "No such file or directory", 500};
    EXPECT_EQ(process_->Run(output_), c.result);
    EXPECT_EQ(process_->Outcome().kind, c.kind);
    EXPECT_EQ(process_->ErrorText(),
              c.words.empty() ? "oops\n" : "oops\ncleartool " + c.words + "\n");
  }
}

}  // namespace
}  // namespace vy
