// vantry run of the element and UCM actions against the cleartool stand-in:
// the folder cleartool starts in, the host variables and files the actions
// read and write, and a whole UCM flow that changes the demo world.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support.h"

namespace vantry_test {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAreArray;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
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

// Every entry below the folder but the runner's captured output: kind,
// permissions and content (a link's target).
std::map<std::string, std::string> Tree(const std::string& root) {
  namespace fs = std::filesystem;
  std::map<std::string, std::string> tree;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    if (entry.path().filename().string().starts_with(".std")) continue;
    const fs::file_status status = entry.symlink_status();
    std::string what = std::to_string(static_cast<int>(status.type())) + " " +
                       std::to_string(static_cast<int>(status.permissions()));
    if (fs::is_symlink(status)) what += " -> " + fs::read_symlink(entry.path()).string();
    if (fs::is_regular_file(status)) what += " " + ReadAll(entry.path().string());
    tree[entry.path().string()] = what;
  }
  return tree;
}

// A dry run of every action type, each set up to write what it can, leaves
// every file (the options store, the config spec, the world) as it was,
// starts nothing and sets no variable.
TEST_F(ActionRunTest, ADryRunOfEveryActionTypeChangesNothing) {
  WriteAll(sandbox.Path("spec.txt"), "precious content");
  const TProperty paths{"PathNameStorageString", "src/a.c\r\n"};
  const TProperty objects{"ObjectsStorageString", "lbtype:REL_1.0@/vobs/src\r\n"};
  std::vector<TActionSpec> actions;
  const TRunOutput catalogue = sandbox.Vantry({"actions"});
  for (const char* type :
       {"CC_UPDATE",         "CC_CHECKOUT",      "CC_CHECKIN",       "CC_UNCHECKOUT",
        "CC_FINDCHECKOUTS",  "CC_MKELEM",        "CC_MKLBTYPE",      "CC_LABEL",
        "CC_MKATTRTYPE",     "CC_APPLYATTR",     "CC_APPLYATTR_OBJ", "CC_LOCK",
        "CC_UNLOCK",         "CC_LOCK_OBJ",      "CC_UNLOCK_OBJ",    "CC_GENERIC",
        "CC_GETCONFIGSPEC",  "CC_SETCONFIGSPEC", "UCM_MAKEACTIVITY", "UCM_SETACTIVITY",
        "UCM_CHECKIN",       "UCM_UNCHECKOUT",   "UCM_MAKEBL",       "UCM_MAKEBL_LABEL",
        "CC_CHANGEBASELINE", "CC_CHANGESTREAM"}) {
    EXPECT_THAT(catalogue.out, HasSubstr(std::string("\n") + type + " "));
    // Only what the type publishes: any other name is refused.
    const std::string published = sandbox.Vantry({"actions", type}).out;
    TActionSpec action{type, {}};
    for (const TProperty& property : {kInView, paths, objects}) {
      if (published.find("\n  " + property.first + " ") != std::string::npos) {
        action.properties.push_back(property);
      }
    }
    actions.push_back(action);
  }
  const auto add = [&](const std::string& type, std::vector<TProperty> properties) {
    for (TActionSpec& action : actions) {
      if (action.type == type)
        action.properties.insert(action.properties.end(), properties.begin(), properties.end());
    }
  };
  add("CC_GETCONFIGSPEC", {{"OutputToFile", "true"}, {"OutputFilePath", "$ROOT/spec.txt"}});
  add("CC_FINDCHECKOUTS", {{"WriteToVariable", "true"}, {"VariableName", "found"}});
  add("CC_GENERIC", {{"Command", "lsvob"}, {"SaveOutput", "true"}, {"VyVariable", "saved"}});
  const std::string project = sandbox.WriteProject("every.xml", {}, actions);
  std::remove(sandbox.JournalFile().c_str());
  const auto before = Tree(sandbox.Root());
  const TRunOutput output = sandbox.Vantry({"run", project, "--dry-run", "--keep-going", "-v"});
  EXPECT_THAT(output.err, HasSubstr("[26/26]"));
  EXPECT_THAT(output.err, HasSubstr("Command Line: catcs\n"));
  EXPECT_THAT(output.err, HasSubstr("Variables:\n"));
  EXPECT_THAT(output.err, Not(HasSubstr("found=")));
  EXPECT_THAT(output.err, Not(HasSubstr("saved=")));
  EXPECT_EQ(Tree(sandbox.Root()), before);
  EXPECT_FALSE(std::filesystem::exists(sandbox.JournalFile()));
}

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
