// vantry run of the label, lock, attribute and UCM actions against the
// cleartool stand-in: the folder cleartool starts in and how values split
// into its argv, the runs that must start nothing, and a whole UCM flow that
// changes the demo world.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support.h"

namespace vantry_test {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

using TArgv = std::vector<std::string>;

class MetadataUcmRunTest : public ::testing::Test {
 protected:
  void SetUp() override { sandbox.ConfigureOptions(); }

  // "$VIEW" stands for the default view, "$TOOLS" for the folder of
  // cleartool, where the actions that need no view start it.
  TWords Words() const {
    return {{"$VIEW", sandbox.ViewPath()},
            {"$TOOLS", std::filesystem::path(CLEARTOOL_EXE).parent_path().string()}};
  }
  std::string Resolved(const std::string& text) const { return ReplaceWords(text, Words()); }

  TRunOutput RunProject(std::vector<TActionSpec> actions) {
    ReplaceWords(actions, Words());
    const std::vector<TProperty> variables{{"BUG", "42"}};
    return sandbox.Vantry({"run", sandbox.WriteProject("project.xml", variables, actions)});
  }

  // A vantry query, e.g. {"CCGetUCMActivitiesForStream", "dev_alice", "/vobs/pvob"}.
  std::string Query(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), "query");
    const TRunOutput output = sandbox.Vantry(arguments);
    EXPECT_EQ(output.exitCode, 0) << output.err;
    return output.out;
  }

  TSandbox sandbox;
};

struct TArgvCase {
  const char* name;
  TActionSpec action;
  TArgv expected;
  std::string cwd;
};

// The switches of each action are proven without a process; these rows are
// about the folder cleartool starts in, with a view and without, and values
// with blanks and expressions.
const TArgvCase kArgvCases[] = {
    {"apply an attribute to a path name, without a view",
     Action("CC_APPLYATTR", {{"AttributeName", "BuildNumber"},
                             {"VOBSelector", "/vobs/src"},
                             {"AttributeValue", "%BUG%"},
                             {"Replace", "true"},
                             {"PathNameStorageString", "$VIEW/src/b c.c\r\n"}}),
     {"mkattr", "-replace", "-pname", "-nc", "BuildNumber@/vobs/src", "42", "$VIEW/src/b c.c"},
     "$TOOLS"},
    {"make an activity with a headline in the default view",
     Action("UCM_MAKEACTIVITY", {{"UseDefaultViewContext", "true"},
                                 {"ActivityName", "fix_%BUG%"},
                                 {"VOBSelector", "/vobs/pvob"},
                                 {"Headline", "Fix bug %BUG%"},
                                 {"DontSetAsCurrent", "true"}}),
     {"mkactivity", "-nc", "-headline", "Fix bug 42", "-nset", "-force",
      "activity:fix_42@/vobs/pvob"},
     "$VIEW"},
};

TEST_F(MetadataUcmRunTest, SettingsReachCleartoolAsExpectedArgv) {
  for (const TArgvCase& row : kArgvCases) {
    SCOPED_TRACE(row.name);
    std::remove(sandbox.JournalFile().c_str());
    const TRunOutput output = RunProject({row.action});
    EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
    const auto journal = sandbox.Journal();
    ASSERT_THAT(journal, SizeIs(1)) << output.out;
    TArgv expected;
    for (const std::string& argument : row.expected) expected.push_back(Resolved(argument));
    EXPECT_THAT(journal[0].argv, ElementsAreArray(expected));
    EXPECT_EQ(journal[0].cwd, Physical(Resolved(row.cwd)));
  }
}

struct TNoStartCase {
  const char* name;
  TActionSpec action;
  std::vector<std::string> messages;  // each a whole log line
};

const TNoStartCase kNoStartCases[] = {
    {"label type without name or VOB",
     Action("CC_MKLBTYPE", {}),
     {"Error: You have not specified the label type selector for your new label type.",
      "Error: You have not specified a selector for your new label type's VOB."}},
    {"activity in a view that does not exist",
     Action("UCM_SETACTIVITY", {{"ViewContextPath", "/no/such/view"}, {"ActivityName", "fix_23"}}),
     {"Error: The View Context Path you have specified is invalid or does not exist."}},
};

TEST_F(MetadataUcmRunTest, FailuresBeforeTheStartRunNoCleartoolAndSayWhy) {
  for (const TNoStartCase& row : kNoStartCases) {
    SCOPED_TRACE(row.name);
    const TRunOutput output = RunProject({row.action});
    EXPECT_EQ(output.exitCode, 1);
    for (const std::string& message : row.messages) {
      EXPECT_THAT(output.out, HasSubstr("  " + message + "\n"));
    }
    EXPECT_THAT(output.out, HasSubstr("  FAILED: "));
    EXPECT_THAT(sandbox.Journal(), IsEmpty());
  }
}

TEST_F(MetadataUcmRunTest, AWholeUcmFlowChangesTheWorld) {
  const std::string pvob = "/vobs/pvob";
  const TRunOutput output = RunProject({
      Action("UCM_MAKEACTIVITY", {{"UseDefaultViewContext", "true"},
                                  {"ActivityName", "fix_%BUG%"},
                                  {"VOBSelector", pvob},
                                  {"Headline", "Fix bug %BUG%"},
                                  {"DontSetAsCurrent", "true"}}),
      Action("UCM_SETACTIVITY", {{"UseDefaultViewContext", "true"},
                                 {"ActivityName", "fix_%BUG%"},
                                 {"VOBSelector", pvob}}),
      Action("CC_CHECKOUT", {{"UseDefaultViewContext", "true"},
                             {"PathNameStorageString", "src/a.c\r\nsrc/b c.c\r\n"}}),
      Action("UCM_CHECKIN", {{"UseDefaultViewContext", "true"},
                             {"ActivityName", "fix_%BUG%"},
                             {"VOBSelector", pvob},
                             {"Comment", "Fixed %BUG%"}}),
      Action("UCM_MAKEBL", {{"UseDefaultViewContext", "true"},
                            {"SelectionType", "slActivities"},
                            {"ActivitySelectorStorageString", "fix_%BUG%@/vobs/pvob\r\n"},
                            {"BaselineRootName", "BL_FIX_%BUG%"}}),
      Action("CC_CHANGEBASELINE", {{"AssignLevel", "true"},
                                   {"PromotionLevel", "TESTED"},
                                   {"Baseline", "BL_FIX_%BUG%"},
                                   {"ProjectVOB", pvob}}),
      Action("CC_CHANGESTREAM", {{"ChangeRecommended", "true"},
                                 {"RecommendBaselines", "BL_FIX_%BUG%\r\nDOCS_1\r\n"},
                                 {"StreamName", "dev_alice"},
                                 {"VOBSelector", pvob}}),
  });
  ASSERT_EQ(output.exitCode, 0) << output.out << output.err;
  const auto journal = sandbox.Journal();
  ASSERT_THAT(journal, SizeIs(7));
  for (const auto& run : journal) EXPECT_EQ(run.status, 0) << run.argv.front();

  EXPECT_THAT(Query({"CCGetUCMActivitiesForStream", "dev_alice", pvob}), HasSubstr("fix_42\r\n"));
  EXPECT_THAT(Query({"CCGetUCMActivities", sandbox.Path("views/dev_view")}),
              HasSubstr("fix_42@/vobs/pvob\r\n"));
  EXPECT_THAT(Query({"CCGetUCMBaselinesForStream", "dev_alice", pvob}), HasSubstr("BL_FIX_42\r\n"));
  const std::string baseline = Query({"CCDescribeObject", "baseline:BL_FIX_42@/vobs/pvob"});
  EXPECT_THAT(baseline, HasSubstr("  promotion level: TESTED\r\n"));
  const std::string stream = Query({"CCDescribeObject", "stream:dev_alice@/vobs/pvob"});
  EXPECT_THAT(stream, HasSubstr("  recommended baselines:\r\n"
                                "    BL_FIX_42@/vobs/pvob (comp_core@/vobs/pvob) (modifiable)\r\n"
                                "    DOCS_1@/vobs/pvob (comp_docs@/vobs/pvob)\r\n"));
  const std::string activity = Query({"CCDescribeObject", "activity:fix_42@/vobs/pvob"});
  EXPECT_THAT(activity, HasSubstr("  current views:\r\n    dev_alice_view\r\n"));
  EXPECT_THAT(Query({"CCGetHistory", "src/a.c", sandbox.ViewPath()}),
              ::testing::StartsWith("src/a.c@@/main/3\r\n"));
}

}  // namespace
}  // namespace vantry_test
