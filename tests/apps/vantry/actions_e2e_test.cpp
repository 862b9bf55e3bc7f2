// vantry run of the element and UCM actions against the cleartool stand-in:
// the folder cleartool starts in, the host variables and files the actions
// read and write, and a whole UCM flow that changes the demo world.

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

using TArgv = std::vector<std::string>;
using ActionRunTest = TConfiguredTest;

const TProperty kInView{"UseDefaultViewContext", "true"};

// The config spec of the demo's UCM view, as catcs prints it.
constexpr const char* kDevViewConfigSpec =
    "ucm\n"
    "identity UCM.Stream dev_alice@/vobs/pvob 1\n"
    "\n"
    "element * CHECKEDOUT\n"
    "element * .../dev_alice/LATEST\n"
    "element * BL_1 -mkbranch dev_alice\n"
    "element * /main/0 -ucm -nocheckout\n";

TEST_F(ActionRunTest, ConfigSpecsGoWholeIntoAndOutOfFiles) {
  const std::string got = sandbox.Path("out/spec.txt");
  std::filesystem::create_directories(sandbox.Path("out"));
  WriteText(got, std::string(10000, 'x') + "\nan old config spec\n");
  WriteText(sandbox.Path("config spec.txt"), "element * /main/LATEST\n");
  const TRunOutput output = sandbox.Run(
      {{"CC_GETCONFIGSPEC",
        {kInView, {"OutputToFile", "true"}, {"OutputFilePath", "%TARGET%/spec.txt"}}},
       {"CC_SETCONFIGSPEC",
        {kInView, {"CSpecChoice", "csFile"}, {"CSFilePath", "%ENV:HOME%/../config spec.txt"}}}},
      {}, {{"TARGET", "$ROOT/out"}});
  EXPECT_EQ(output.exitCode, 0) << output.out;
  EXPECT_EQ(ReadText(got), kDevViewConfigSpec);
  EXPECT_THAT(output.out, HasSubstr("  element * CHECKEDOUT\n"));  // logged too
  const auto journal = sandbox.Journal();
  ASSERT_THAT(journal, SizeIs(2));
  EXPECT_THAT(journal[1].argv,
              ElementsAreArray(sandbox.Resolved(TArgv{"setcs", "$ROOT/home/../config spec.txt"})));
  EXPECT_EQ(journal[1].cwd, Physical(sandbox.ViewPath()));
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
      {"-v"}, {{"CHECKOUTS", "text from before the run\r\n"}});
  EXPECT_EQ(output.exitCode, 0) << output.out;
  EXPECT_THAT(output.out, HasSubstr("  CHECKOUTS=src/a.c\\nsrc/b c.c\\n\n"));
  EXPECT_THAT(output.out, HasSubstr("  Baselines=BL_0\\r\\nBL_1\\r\\nBL_2\n"));
  EXPECT_THAT(output.out, HasSubstr("  BL_1\n"));  // the output is logged as well
  const auto journal = sandbox.Journal();
  ASSERT_THAT(journal, SizeIs(4));
  EXPECT_THAT(journal[1].argv, ElementsAreArray(TArgv{"lscheckout", "-short", "-r"}));
  EXPECT_THAT(journal[2].argv,
              ElementsAreArray(TArgv{"lsbl", "-short", "-component", "comp_core@/vobs/pvob"}));
  EXPECT_THAT(
      journal[3].argv,
      ElementsAreArray(TArgv{"checkout", "-c", "Found: src/a.c\nsrc/b c.c\n|BL_0\r\nBL_1\r\nBL_2",
                             "-nquery", "docs/readme.txt"}));
}

TEST_F(ActionRunTest, AWholeUcmFlowChangesTheWorld) {
  const std::string pvob = "/vobs/pvob";
  const TProperty inPvob{"VOBSelector", pvob};
  const TRunOutput output = sandbox.Run(
      {
          {"UCM_MAKEACTIVITY",
           {kInView,
            {"ActivityName", "fix_%BUG%"},
            inPvob,
            {"Headline", "Fix bug %BUG%"},
            {"DontSetAsCurrent", "true"}}},
          {"UCM_SETACTIVITY", {kInView, {"ActivityName", "fix_%BUG%"}, inPvob}},
          {"CC_CHECKOUT", {kInView, {"PathNameStorageString", "src/a.c\r\nsrc/b c.c\r\n"}}},
          {"UCM_CHECKIN",
           {kInView, {"ActivityName", "fix_%BUG%"}, inPvob, {"Comment", "Fixed %BUG%"}}},
          {"UCM_MAKEBL",
           {kInView,
            {"SelectionType", "slActivities"},
            {"ActivitySelectorStorageString", "fix_%BUG%@/vobs/pvob\r\n"},
            {"BaselineRootName", "BL_FIX_%BUG%"}}},
          {"CC_CHANGEBASELINE",
           {{"AssignLevel", "true"},
            {"PromotionLevel", "TESTED"},
            {"Baseline", "BL_FIX_%BUG%"},
            {"ProjectVOB", pvob}}},
          {"CC_CHANGESTREAM",
           {{"ChangeRecommended", "true"},
            {"RecommendBaselines", "BL_FIX_%BUG%\r\nDOCS_1\r\n"},
            {"StreamName", "dev_alice"},
            inPvob}},
      },
      {}, {{"BUG", "42"}});
  ASSERT_EQ(output.exitCode, 0) << output.out << output.err;
  const auto journal = sandbox.Journal();
  ASSERT_THAT(journal, SizeIs(7));
  for (const auto& run : journal) EXPECT_EQ(run.status, 0) << run.argv.front();
  EXPECT_THAT(journal[0].argv,
              ElementsAreArray(TArgv{"mkactivity", "-nc", "-headline", "Fix bug 42", "-nset",
                                     "-force", "activity:fix_42@/vobs/pvob"}));
  EXPECT_EQ(journal[0].cwd, Physical(sandbox.ViewPath()));

  const auto query = [&](std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "query");
    const TRunOutput listed = sandbox.Vantry(arguments);
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    return listed.out;
  };
  EXPECT_THAT(query({"CCGetUCMActivitiesForStream", "dev_alice", pvob}), HasSubstr("fix_42\r\n"));
  EXPECT_THAT(query({"CCGetUCMActivities", sandbox.Path("views/dev_view")}),
              HasSubstr("fix_42@/vobs/pvob\r\n"));
  EXPECT_THAT(query({"CCGetUCMBaselinesForStream", "dev_alice", pvob}), HasSubstr("BL_FIX_42\r\n"));
  EXPECT_THAT(query({"CCDescribeObject", "baseline:BL_FIX_42@/vobs/pvob"}),
              HasSubstr("  promotion level: TESTED\r\n"));
  EXPECT_THAT(query({"CCDescribeObject", "stream:dev_alice@/vobs/pvob"}),
              HasSubstr("  recommended baselines:\r\n"
                        "    BL_FIX_42@/vobs/pvob (comp_core@/vobs/pvob) (modifiable)\r\n"
                        "    DOCS_1@/vobs/pvob (comp_docs@/vobs/pvob)\r\n"));
  EXPECT_THAT(query({"CCDescribeObject", "activity:fix_42@/vobs/pvob"}),
              HasSubstr("  current views:\r\n    dev_alice_view\r\n"));
  EXPECT_THAT(query({"CCGetHistory", "src/a.c", sandbox.ViewPath()}),
              ::testing::StartsWith("src/a.c@@/main/3\r\n"));
}

}  // namespace
}  // namespace vantry_test
