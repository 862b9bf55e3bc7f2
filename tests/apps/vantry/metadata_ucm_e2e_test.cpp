// vantry run of the label, lock, attribute and UCM actions against the
// cleartool stand-in: the argv each action's settings produce, the runs that
// must start nothing, a whole UCM flow that changes the demo world, and the
// catalogue that "vantry actions" lists.

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
    const std::vector<TProperty> variables{{"BUG", "42"}, {"LABEL", "2.0"}};
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
  std::vector<TActionSpec> before;  // run first; their runs are not checked
  TActionSpec action;
  TArgv expected;
  std::string cwd;
};

const TActionSpec kLockA = Action(
    "CC_LOCK", {{"UseDefaultViewContext", "true"}, {"PathNameStorageString", "src/a.c\r\n"}});

// The rows run in order over one world, so each leaves it fit for the next.
const TArgvCase kArgvCases[] = {
    {"make a global label type without a view",
     {},
     Action("CC_MKLBTYPE", {{"MakeGlobal", "true"},
                            {"Acquire", "true"},
                            {"PBranch", "true"},
                            {"Comment", "For %LABEL%"},
                            {"LabelTypeName", "REL_%LABEL%"},
                            {"VOBSelector", "/vobs/src"}}),
     {"mklbtype", "-global", "-acquire", "-pbranch", "-c", "For 2.0", "lbtype:REL_2.0@/vobs/src"},
     "$TOOLS"},
    {"move a label to the first versions",
     {},
     Action("CC_LABEL", {{"UseDefaultViewContext", "true"},
                         {"Replace", "true"},
                         {"UseVersionSelector", "true"},
                         {"VersionSelector", "/main/1"},
                         {"LabelTypeName", "REL_1.1"},
                         {"VOBSelector", "/vobs/src"},
                         {"PathNameStorageString", "src/a.c\r\nsrc/b c.c\r\n"}}),
     {"mklabel", "-replace", "-version", "/main/1", "-nc", "lbtype:REL_1.1@/vobs/src", "src/a.c",
      "src/b c.c"},
     "$VIEW"},
    {"make an integer attribute type with a range and a default",
     {},
     Action("CC_MKATTRTYPE", {{"AttributeName", "Coverage"},
                              {"VOBSelector", "/vobs/src"},
                              {"Constraints", "lcVPversion"},
                              {"NewAttributeType", "atInteger"},
                              {"UseMin", "true"},
                              {"MinInclusive", "true"},
                              {"MinValue", "0"},
                              {"UseMax", "true"},
                              {"MaxValue", "101"},
                              {"UseDefaultValue", "true"},
                              {"DefaultValue", "50"}}),
     {"mkattype", "-ordinary", "-vpversion", "-vtype", "integer", "-lt", "101", "-ge", "0",
      "-default", "50", "-nc", "Coverage@/vobs/src"},
     "$TOOLS"},
    {"apply an attribute to a path name, without a view",
     {},
     Action("CC_APPLYATTR", {{"AttributeName", "BuildNumber"},
                             {"VOBSelector", "/vobs/src"},
                             {"AttributeValue", "%BUG%"},
                             {"Replace", "true"},
                             {"PathNameStorageString", "$VIEW/src/b c.c\r\n"}}),
     {"mkattr", "-replace", "-pname", "-nc", "BuildNumber@/vobs/src", "42", "$VIEW/src/b c.c"},
     "$TOOLS"},
    {"apply an attribute's default value to a label type",
     {},
     Action("CC_APPLYATTR_OBJ", {{"AttributeName", "Status"},
                                 {"VOBSelector", "/vobs/src"},
                                 {"UseDefaultAttributeValue", "true"},
                                 {"ObjectsStorageString", "lbtype:REL_1.0@/vobs/src\r\n"}}),
     {"mkattr", "-nc", "-default", "Status@/vobs/src", "lbtype:REL_1.0@/vobs/src"},
     "$TOOLS"},
    {"lock a path name as obsolete",
     {},
     Action("CC_LOCK", {{"UseDefaultViewContext", "true"},
                        {"Obsolete", "true"},
                        {"Comment", "frozen"},
                        {"PathNameStorageString", "src/b c.c\r\n"}}),
     {"lock", "-obsolete", "-c", "frozen", "-pname", "src/b c.c"},
     "$VIEW"},
    {"unlock a path name",
     {kLockA},
     Action("CC_UNLOCK",
            {{"UseDefaultViewContext", "true"}, {"PathNameStorageString", "src/a.c\r\n"}}),
     {"unlock", "-nc", "-pname", "src/a.c"},
     "$VIEW"},
    {"lock objects for all but two users",
     {},
     Action("CC_LOCK_OBJ", {{"Replace", "true"},
                            {"Obsolete", "true"},
                            {"UseNUsers", "true"},
                            {"NUsersList", "alice,bob"},
                            {"ObjectsStorageString",
                             "lbtype:REL_1.0@/vobs/src\r\nbrtype:maint_1.0@/vobs/src\r\n"}}),
     {"lock", "-replace", "-nusers", "alice,bob", "-nc", "lbtype:REL_1.0@/vobs/src",
      "brtype:maint_1.0@/vobs/src"},
     "$TOOLS"},
    {"unlock an object",
     {},
     Action("CC_UNLOCK_OBJ",
            {{"Comment", "open again"}, {"ObjectsStorageString", "lbtype:REL_0.9@/vobs/src\r\n"}}),
     {"unlock", "-c", "open again", "lbtype:REL_0.9@/vobs/src"},
     "$TOOLS"},
    {"make an activity with a headline, not set as current",
     {},
     Action("UCM_MAKEACTIVITY", {{"UseDefaultViewContext", "true"},
                                 {"ActivityName", "fix_%BUG%"},
                                 {"VOBSelector", "/vobs/pvob"},
                                 {"Headline", "Fix bug %BUG%"},
                                 {"DontSetAsCurrent", "true"}}),
     {"mkactivity", "-nc", "-headline", "Fix bug 42", "-nset", "-force",
      "activity:fix_42@/vobs/pvob"},
     "$VIEW"},
    {"make an activity with a generated name",
     {},
     Action("UCM_MAKEACTIVITY", {{"UseDefaultViewContext", "true"},
                                 {"ActivityName", "ignored"},
                                 {"AutoGenerateName", "true"}}),
     {"mkactivity", "-nc", "-force"},
     "$VIEW"},
    {"set the current activity",
     {},
     Action("UCM_SETACTIVITY", {{"UseDefaultViewContext", "true"},
                                {"ActivityName", "feature_login"},
                                {"VOBSelector", "/vobs/pvob"}}),
     {"setactivity", "-nc", "activity:feature_login@/vobs/pvob"},
     "$VIEW"},
    {"clear the current activity",
     {},
     Action("UCM_SETACTIVITY", {{"UseDefaultViewContext", "true"},
                                {"ActivityName", "feature_login"},
                                {"SetActivityToNone", "true"}}),
     {"setactivity", "-nc", "-none"},
     "$VIEW"},
    {"make a full baseline of one component",
     {},
     Action("UCM_MAKEBL", {{"UseDefaultViewContext", "true"},
                           {"SelectionType", "slComponents"},
                           {"ComponentSelectorStorageString", "comp_core@/vobs/pvob\r\n"},
                           {"SelectIdenticalComponents", "true"},
                           {"Labelling", "lbAll"},
                           {"BaselineRootName", "BL_%BUG%"}}),
     {"mkbl", "-nc", "-component", "comp_core@/vobs/pvob", "-identical", "-full", "BL_42"},
     "$VIEW"},
    {"make a baseline of an activity, named by the template",
     {},
     Action("UCM_MAKEBL", {{"UseDefaultViewContext", "true"},
                           {"SelectionType", "slActivities"},
                           {"ActivitySelectorStorageString", "fix_23@/vobs/pvob\r\n"},
                           {"Labelling", "lbNone"},
                           {"UseBaselineNameTemplate", "true"},
                           {"BaselineRootName", "ignored"}}),
     {"mkbl", "-nc", "-activities", "activity:fix_23@/vobs/pvob", "-nlabel"},
     "$VIEW"},
    {"import a label as a baseline of one component",
     {},
     Action("UCM_MAKEBL_LABEL", {{"UseDefaultViewContext", "true"},
                                 {"SpecifyComponents", "true"},
                                 {"ComponentSelectorStorageString", "comp_core@/vobs/pvob\r\n"},
                                 {"LabelTypeName", "REL_1.1"},
                                 {"VOBSelector", "/vobs/src"}}),
     {"mkbl", "-nc", "-import", "-component", "comp_core@/vobs/pvob", "lbtype:REL_1.1@/vobs/src"},
     "$VIEW"},
    {"change a baseline's labelling and level; the VOB gets its tag root",
     {},
     Action("CC_CHANGEBASELINE", {{"TypeChange", "blIncremental"},
                                  {"Recurse", "false"},
                                  {"AssignLevel", "true"},
                                  {"PromotionLevel", "TESTED"},
                                  {"Baseline", "BL_2"},
                                  {"ProjectVOB", "vobs/pvob"}}),
     {"chbl", "-nc", "-incremental", "-nrecurse", "-level", "TESTED", "baseline:BL_2@/vobs/pvob"},
     "$TOOLS"},
    {"change every setting of a stream",
     {},
     Action("CC_CHANGESTREAM", {{"Comment", "retarget"},
                                {"ChangeTarget", "true"},
                                {"NewTargetStream", "webshop_int"},
                                {"GenerateSpec", "true"},
                                {"EnablePolicy", "true"},
                                {"EnablePolicyNames", "POLICY_CHSTREAM_UNRESTRICTED"},
                                {"DisablePolicy", "true"},
                                {"DisablePolicyNames", "POLICY_DELIVER_REQUIRE_REBASE"},
                                {"ChangeRecommended", "true"},
                                {"RecommendBaselines", "BL_2@/vobs/pvob\r\nDOCS_1@/vobs/pvob\r\n"},
                                {"StreamName", "dev_alice"},
                                {"VOBSelector", "/vobs/pvob"}}),
     {"chstream", "-c", "retarget", "-target", "webshop_int", "-generate", "-policy",
      "POLICY_CHSTREAM_UNRESTRICTED", "-npolicy", "POLICY_DELIVER_REQUIRE_REBASE", "-recommended",
      "BL_2@/vobs/pvob,DOCS_1@/vobs/pvob", "dev_alice@/vobs/pvob"},
     "$TOOLS"},
    {"clear a stream's target and recommend its defaults",
     {},
     Action("CC_CHANGESTREAM", {{"ClearTarget", "true"},
                                {"ChangeRecommended", "true"},
                                {"RecommendDefaults", "true"},
                                {"StreamName", "dev_alice"},
                                {"VOBSelector", "vobs/pvob"}}),
     {"chstream", "-nc", "-ntarget", "-recommended", "-default", "dev_alice@/vobs/pvob"},
     "$TOOLS"},
};

TEST_F(MetadataUcmRunTest, SettingsReachCleartoolAsExpectedArgv) {
  for (const TArgvCase& row : kArgvCases) {
    SCOPED_TRACE(row.name);
    std::remove(sandbox.JournalFile().c_str());
    std::vector<TActionSpec> actions = row.before;
    actions.push_back(row.action);
    const TRunOutput output = RunProject(actions);
    EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
    const auto journal = sandbox.Journal();
    ASSERT_THAT(journal, SizeIs(actions.size())) << output.out;
    TArgv expected;
    for (const std::string& argument : row.expected) expected.push_back(Resolved(argument));
    EXPECT_THAT(journal.back().argv, ElementsAreArray(expected));
    EXPECT_EQ(journal.back().cwd, Physical(Resolved(row.cwd)));
    EXPECT_EQ(journal.back().status, 0);
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
    {"attribute type without a name",
     Action("CC_MKATTRTYPE", {{"VOBSelector", "/vobs/src"}}),
     {"Error: You have not specified an attribute name."}},
    {"apply attribute without path names",
     Action("CC_APPLYATTR", {{"AttributeName", "Status"}, {"AttributeValue", "ok"}}),
     {"Action Failed: No pathnames specified to act on."}},
    {"lock without object selectors",
     Action("CC_LOCK_OBJ", {{"Obsolete", "true"}}),
     {"Action Failed: No object selectors have been specified."}},
    {"baseline of listed components without any",
     Action("UCM_MAKEBL", {{"UseDefaultViewContext", "true"}, {"SelectionType", "slComponents"}}),
     {"Error: No UCM components selected."}},
    {"baseline change that changes nothing",
     Action("CC_CHANGEBASELINE", {{"Baseline", "BL_1"}, {"ProjectVOB", "/vobs/pvob"}}),
     {"Baseline Change: You must select to either change the Built Level or the Labelling "
      "Status of the Baseline."}},
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

TEST_F(MetadataUcmRunTest, CleartoolRefusalFailsTheAction) {
  // REL_0.9 is locked in the demo world.
  const TRunOutput output =
      RunProject({Action("CC_LABEL", {{"UseDefaultViewContext", "true"},
                                      {"LabelTypeName", "REL_0.9"},
                                      {"PathNameStorageString", "src/a.c\r\n"}})});
  EXPECT_EQ(output.exitCode, 1);
  EXPECT_THAT(output.out, HasSubstr("  cleartool: Error: Lock on label type \"REL_0.9\""));
  ASSERT_THAT(sandbox.Journal(), SizeIs(1));
  EXPECT_EQ(sandbox.Journal()[0].status, 1);
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

TEST(MetadataUcmActionsTest, ActionsListsTheWholeCatalogueInOrder) {
  TSandbox sandbox;
  const TRunOutput output = sandbox.Vantry({"actions"});
  ASSERT_EQ(output.exitCode, 0) << output.err;
  const std::vector<std::pair<std::string, std::string>> catalogue{
      {"CC_UPDATE", "ClearCase Update Snapshot View"},
      {"CC_CHECKOUT", "ClearCase Check Out"},
      {"CC_CHECKIN", "ClearCase Check In"},
      {"CC_UNCHECKOUT", "ClearCase Undo Checkout"},
      {"CC_FINDCHECKOUTS", "ClearCase Find Checkouts"},
      {"CC_MKELEM", "ClearCase Make Element"},
      {"CC_MKLBTYPE", "ClearCase Make Label Type"},
      {"CC_LABEL", "ClearCase Apply Label"},
      {"CC_MKATTRTYPE", "ClearCase Make Attribute Type"},
      {"CC_APPLYATTR", "ClearCase Apply Attribute (Paths)"},
      {"CC_APPLYATTR_OBJ", "ClearCase Apply Attribute (Objects)"},
      {"CC_LOCK", "ClearCase Lock (Paths)"},
      {"CC_UNLOCK", "ClearCase Unlock (Paths)"},
      {"CC_LOCK_OBJ", "ClearCase Lock (Objects)"},
      {"CC_UNLOCK_OBJ", "ClearCase Unlock (Objects)"},
      {"CC_GENERIC", "ClearCase Run Cleartool (Generic)"},
      {"CC_GETCONFIGSPEC", "ClearCase Get Config Spec"},
      {"CC_SETCONFIGSPEC", "ClearCase Set Config Spec"},
      {"UCM_MAKEACTIVITY", "UCM Make Activity"},
      {"UCM_SETACTIVITY", "UCM Set Current Activity"},
      {"UCM_CHECKIN", "UCM Check In Files for Activity"},
      {"UCM_UNCHECKOUT", "UCM Undo Checkouts for Activity"},
      {"UCM_MAKEBL", "UCM Make Baseline"},
      {"UCM_MAKEBL_LABEL", "UCM Make Baseline from Label"},
      {"CC_CHANGEBASELINE", "UCM Change Baseline"},
      {"CC_CHANGESTREAM", "UCM Change Stream"},
  };
  std::vector<std::string> lines;
  std::string::size_type start = output.out.find('\n') + 1;  // after the heading
  for (auto end = output.out.find('\n', start); end != std::string::npos;
       start = end + 1, end = output.out.find('\n', start)) {
    lines.push_back(output.out.substr(start, end - start));
  }
  ASSERT_THAT(lines, SizeIs(catalogue.size())) << output.out;
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    EXPECT_THAT(lines[i], ::testing::MatchesRegex(catalogue[i].first + " +" + "[^ ].* +ClearCase"))
        << lines[i];
    EXPECT_THAT(lines[i], HasSubstr("  " + catalogue[i].second + "  ")) << lines[i];
  }
}

}  // namespace
}  // namespace vantry_test
