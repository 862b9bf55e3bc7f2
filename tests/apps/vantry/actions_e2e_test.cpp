// vantry run of the element and UCM actions against the cleartool stand-in:
// the folder cleartool starts in, the host variables and files the actions
// read and write (never through a symbolic link planted in their place), and
// a whole UCM flow that changes the demo world.

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

// A symbolic link planted where the config spec goes, pointing at a file of
// the user's, is replaced by a regular file of the user's umask; the user's
// file stays as it was. The host's other writers are proven on their own.
TEST_F(ActionRunTest, ConfigSpecOutputReplacesAPlantedLink) {
  const std::string spec = sandbox.Path("spec.txt");
  const std::string victim = sandbox.Path("victim.txt");
  WriteAll(victim, "precious");
  std::filesystem::create_symlink(victim, spec);
  const mode_t old = umask(027);
  const TRunOutput output = sandbox.Run({TActionSpec{
      "CC_GETCONFIGSPEC", {kInView, {"OutputToFile", "true"}, {"OutputFilePath", spec}}}});
  umask(old);
  EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  EXPECT_EQ(ReadAll(victim), "precious");
  struct stat info {};
  ASSERT_EQ(lstat(spec.c_str(), &info), 0);
  EXPECT_TRUE(S_ISREG(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_THAT(ReadAll(spec), HasSubstr("element * CHECKEDOUT"));
}

// The generic command's output is stored without its last line break.
TEST_F(ActionRunTest, FoundCheckoutsAndCommandOutputFillVariables) {
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
