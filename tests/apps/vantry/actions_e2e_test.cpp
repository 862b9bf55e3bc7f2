// vantry run of the element and UCM actions against the cleartool stand-in:
// the folder cleartool starts in, the host variables and files the actions
// read and write, and a whole UCM flow that changes the demo world.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support.h"

namespace vantry_test {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAreArray;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::SizeIs;
using ::testing::StartsWith;

using ActionRunTest = TConfiguredTest;

const TProperty kInView{"UseDefaultViewContext", "true"};

TEST_F(ActionRunTest, ConfigSpecsGoWholeIntoAndOutOfFiles) {
  const std::string got = sandbox.Path("home/spec.txt");
  WriteAll(got, std::string(10000, 'x') + "\nan old config spec\n");
  WriteAll(sandbox.Path("config spec.txt"), "element * /main/LATEST\n");
  const TRunOutput output = sandbox.Run(
      {{"CC_GETCONFIGSPEC",
        {kInView, {"OutputToFile", "true"}, {"OutputFilePath", "%TARGET%/spec.txt"}}},
       {"CC_SETCONFIGSPEC",
        {kInView, {"CSpecChoice", "csFile"}, {"CSFilePath", "%ENV:HOME%/../config spec.txt"}}}},
      {}, {{"TARGET", "$ROOT/home"}});
  EXPECT_EQ(output.exitCode, 0) << output.out;
  // Written whole over the longer file, none of which is left at its end.
  EXPECT_THAT(ReadAll(got), AllOf(StartsWith("ucm\nidentity UCM.Stream dev_alice@/vobs/pvob 1\n"),
                                  EndsWith("\nelement * /main/0 -ucm -nocheckout\n")));
  const auto journal = sandbox.Journal();
  ASSERT_THAT(journal, SizeIs(2));
  EXPECT_THAT(journal[1].argv,
              ElementsAreArray(sandbox.Resolved(TArgv{"setcs", "$ROOT/home/../config spec.txt"})));
  EXPECT_EQ(journal[1].cwd, sandbox.PhysicalViewPath());
}

// A dry run leaves the output file as it was; a run rewrites it whole, and a
// symbolic link at its path leads to the file that is rewritten, as a
// shell's ">" would, which keeps its permissions.
TEST_F(ActionRunTest, ConfigSpecOutputGoesThroughALinkAndADryRunLeavesIt) {
  const std::string spec = sandbox.Path("spec.txt");
  const std::string target = sandbox.Path("target.txt");
  WriteAll(target, "precious content");
  ASSERT_EQ(chmod(target.c_str(), 0600), 0);
  std::filesystem::create_symlink(target, spec);
  const std::vector<TActionSpec> actions = {
      {"CC_GETCONFIGSPEC", {kInView, {"OutputToFile", "true"}, {"OutputFilePath", spec}}}};
  TRunOutput output = sandbox.Run(actions, {"--dry-run"});
  EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  EXPECT_EQ(ReadAll(target), "precious content");
  output = sandbox.Run(actions);
  EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  EXPECT_TRUE(std::filesystem::is_symlink(spec));
  EXPECT_THAT(ReadAll(target), AllOf(StartsWith("ucm\n"), HasSubstr("element * CHECKEDOUT")));
  struct stat info {};
  ASSERT_EQ(stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// The generic command's output is stored without its last line break.
TEST_F(ActionRunTest, FoundCheckoutsReplaceWhatTheVariableHeldAndCommandOutputIsStoredToo) {
  const TRunOutput output = sandbox.Run(
      {{"CC_CHECKOUT", {kInView, {"PathNameStorageString", "src/a.c\r\nsrc/b c.c\r\n"}}},
       {"CC_FINDCHECKOUTS",
        {kInView, {"Recurse", "true"}, {"WriteToVariable", "true"}, {"VariableName", "checkouts"}}},
       {"CC_GENERIC",
        {kInView,
         {"Command", "lsbl"},
         {"Arguments", "-short -component comp_core@/vobs/pvob"},
         {"SaveOutput", "true"},
         {"VyVariable", "Baselines"}}},
       {"CC_CHECKOUT",
        {kInView,
         {"PathNameStorageString", "docs/readme.txt\r\n"},
         {"Comment", "Found: %CHECKOUTS%|%BASELINES%"}}}},
      {}, {{"CHECKOUTS", "text from before the run\r\n"}});
  EXPECT_EQ(output.exitCode, 0) << output.out;
  const auto journal = sandbox.Journal();
  ASSERT_THAT(journal, SizeIs(4));
  // The comment, after "checkout -c".
  EXPECT_EQ(journal[3].argv.at(2), "Found: src/a.c\nsrc/b c.c\n|BL_0\r\nBL_1\r\nBL_2");
}

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
      {"UCM_CHECKIN", {kInView, fix, inPvob, {"Comment", "Fixed %BUG%"}}},
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
  const TRunOutput output = sandbox.Run(flow, {}, {{"BUG", "42"}});
  ASSERT_EQ(output.exitCode, 0) << output.out << output.err;
  const auto journal = sandbox.Journal();
  ASSERT_THAT(journal, SizeIs(7));
  for (const auto& run : journal) EXPECT_EQ(run.status, 0) << run.argv.front();
  EXPECT_THAT(journal[0].argv,
              ElementsAreArray(TArgv{"mkactivity", "-nc", "-headline", "Fix bug 42", "-nset",
                                     "-force", "activity:fix_42@/vobs/pvob"}));
  EXPECT_EQ(journal[0].cwd, sandbox.PhysicalViewPath());

  const auto query = [&](std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "query");
    return sandbox.Vantry(arguments).out;
  };
  EXPECT_THAT(query({"CCGetUCMActivitiesForStream", "dev_alice", pvob}), HasSubstr("fix_42\r\n"));
  EXPECT_THAT(query({"CCDescribeObject", "baseline:BL_FIX_42@/vobs/pvob"}),
              HasSubstr("  promotion level: TESTED\r\n"));
  EXPECT_THAT(query({"CCDescribeObject", "stream:dev_alice@/vobs/pvob"}),
              HasSubstr("  recommended baselines:\r\n"
                        "    BL_FIX_42@/vobs/pvob (comp_core@/vobs/pvob) (modifiable)\r\n"
                        "    DOCS_1@/vobs/pvob (comp_docs@/vobs/pvob)\r\n"));
  EXPECT_THAT(query({"CCDescribeObject", "activity:fix_42@/vobs/pvob"}),
              HasSubstr("  current views:\r\n    dev_alice_view\r\n"));
  EXPECT_THAT(query({"CCGetHistory", "src/a.c", sandbox.ViewPath()}),
              StartsWith("src/a.c@@/main/3\r\n"));
}

}  // namespace
}  // namespace vantry_test
