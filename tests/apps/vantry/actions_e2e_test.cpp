// vantry run of the element and UCM actions against the cleartool stand-in:
// cleartool found on PATH, host variables passed from action to action, and
// a whole UCM flow that changes the demo world.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support.h"

namespace vantry_test {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::SizeIs;

using ActionRunTest = TConfiguredTest;

const TProperty kInView{"UseDefaultViewContext", "true"};

// Without a stored path, cleartool is found on PATH; a dry run saves that no
// more than anything else.
TEST(DryRunDiscoveryTest, FindsCleartoolOnThePathAndSavesNoOption) {
  TSandbox sandbox;
  sandbox.SetEnv("PATH",
                 std::filesystem::path(CLEARTOOL_EXE).parent_path().string() + ":/usr/bin:/bin");
  const TRunOutput output = sandbox.Run(
      {{"CC_CHECKOUT", {{"ViewContextPath", "$VIEW"}, {"PathNameStorageString", "src/a.c"}}}},
      {"--dry-run"});
  EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  EXPECT_THAT(output.err, HasSubstr("Command Line: checkout -nc -nquery \"src/a.c\"\n"));
  EXPECT_FALSE(std::filesystem::exists(sandbox.OptionsFile()));
  EXPECT_FALSE(std::filesystem::exists(sandbox.JournalFile()));
}

// The checkouts found, kept in a variable, are the comment of the check-in.
TEST_F(ActionRunTest, AWholeUcmFlowChangesTheWorld) {
  const std::string pvob = "/vobs/pvob";
  const std::string baseline = "BL_FIX_%BUG%";
  const TProperty inPvob{"VOBSelector", pvob};
  const TProperty fix{"ActivityName", "fix_%BUG%"};
  const std::vector<TActionSpec> flow{
      {"UCM_MAKEACTIVITY",
       {kInView, fix, inPvob, {"Headline", "Fix bug %BUG%"}, {"DontSetAsCurrent", "true"}}},
      {"UCM_SETACTIVITY", {kInView, fix, inPvob}},
      {"CC_CHECKOUT", {kInView, {"PathNameStorageString", "src/a.c\r\nsrc/b c.c\r\n"}}},
      {"CC_FINDCHECKOUTS",
       {kInView, {"Recurse", "true"}, {"WriteToVariable", "true"}, {"VariableName", "found"}}},
      {"UCM_CHECKIN", {kInView, fix, inPvob, {"Comment", "Fixed %BUG%: %FOUND%"}}},
      {"UCM_MAKEBL",
       {kInView,
        {"SelectionType", "slActivities"},
        {"ActivitySelectorStorageString", "fix_%BUG%@/vobs/pvob\r\n"},
        {"BaselineRootName", baseline}}},
      {"CC_CHANGEBASELINE",
       {{"AssignLevel", "true"},
        {"PromotionLevel", "TESTED"},
        {"Baseline", baseline},
        {"ProjectVOB", pvob}}},
      {"CC_CHANGESTREAM",
       {{"ChangeRecommended", "true"},
        {"RecommendBaselines", baseline + "\r\nDOCS_1\r\n"},
        {"StreamName", "dev_alice"},
        inPvob}}};
  const TRunOutput output = sandbox.Run(flow, {}, {{"BUG", "42"}, {"FOUND", ""}});
  ASSERT_EQ(output.exitCode, 0) << output.out << output.err;
  const auto journal = sandbox.Journal();
  ASSERT_THAT(journal, SizeIs(8));
  for (const auto& run : journal) EXPECT_EQ(run.status, 0) << run.argv.front();
  EXPECT_THAT(journal[4].argv, ElementsAreArray(TArgv{"checkin", "-c", "Fixed 42: src/a.c\nsrc/b c.c\n",
                                                      "activity:fix_42@/vobs/pvob"}));

  const auto query = [&](std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "query");
    return sandbox.Vantry(arguments).out;
  };
  EXPECT_THAT(query({"CCDescribeObject", "baseline:BL_FIX_42@/vobs/pvob"}),
              HasSubstr("  promotion level: TESTED\r\n"));
  EXPECT_THAT(query({"CCDescribeObject", "stream:dev_alice@/vobs/pvob"}),
              HasSubstr("  recommended baselines:\r\n"
                        "    BL_FIX_42@/vobs/pvob (comp_core@/vobs/pvob) (modifiable)\r\n"
                        "    DOCS_1@/vobs/pvob (comp_docs@/vobs/pvob)\r\n"));
}

}  // namespace
}  // namespace vantry_test
