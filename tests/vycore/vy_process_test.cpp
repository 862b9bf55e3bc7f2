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
}

TEST_F(VyProcessTest, CollectsStandardOutputLinesWithoutTerminators) {
  runner_.output = {{false, "a\r\n"}, {false, "\n"},    {false, "lone\r"}, {false, "cr\r\r\n"},
                    {false, "last"},  {true, "warn\n"}, {true, "more"}};
  process_->SetFileName("cleartool");
  EXPECT_EQ(process_->Run(output_), prSuccess);
  EXPECT_EQ(output_, (TStringList{"a", "", "lone\r", "cr\r", "last"}));
  EXPECT_EQ(process_->ErrorText(), "warn\nmore");
}

// The run protocol's tests hold the exact words; here they follow standard error.
TEST_F(VyProcessTest, ReturnsZeroOnlyForSuccess) {
  using enum TProcessOutcome::Kind;
  const struct {
    TProcessOutcome::Kind kind;
    int exitCode;
    int result;
  } cases[] = {{Exited, 0, prSuccess},
               {Exited, 255, 255},
               {CouldNotStart, -1, prCouldNotStart},
               {TimedOut, -1, prTimedOut},
               {Signalled, -1, prSignalled}};
  process_->SetFileName("/opt/cc/bin/cleartool");
  runner_.output = {{true, "oops\n"}};
  for (const auto& c : cases) {
    runner_.outcome = {c.kind, c.exitCode, 9, "No such file or directory", 500};
    EXPECT_EQ(process_->Run(output_), c.result);
    const std::string words = runner_.outcome.Describe("cleartool") + "\n";
    EXPECT_EQ(process_->ErrorText(), c.kind == Exited ? "oops\n" : "oops\n" + words);
  }
}

}  // namespace
}  // namespace vy
