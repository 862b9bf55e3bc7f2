// vantry run of the element actions against the cleartool stand-in: the argv
// each action's settings produce, the host variables and the file the
// actions write, and the runs that must start nothing.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support.h"

namespace vantry_test {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

using TArgv = std::vector<std::string>;

// The config spec of the demo's UCM view, as catcs prints it.
constexpr const char* kDevViewConfigSpec =
    "ucm\n"
    "identity UCM.Stream dev_alice@/vobs/pvob 1\n"
    "\n"
    "element * CHECKEDOUT\n"
    "element * .../dev_alice/LATEST\n"
    "element * BL_1 -mkbranch dev_alice\n"
    "element * /main/0 -ucm -nocheckout\n";

// A checkout of `paths` in the default view, to give the later actions
// something to work on.
TActionSpec CheckOut(const std::string& paths = "src/a.c\r\n") {
  return Action("CC_CHECKOUT",
                {{"UseDefaultViewContext", "true"}, {"PathNameStorageString", paths}});
}

class ElementRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sandbox.ConfigureOptions();
    WriteText(sandbox.Path("config spec.txt"), "element * /main/LATEST\n");
  }

  // "$ROOT" stands for the sandbox folder, "$VIEW" for the default view.
  TWords Words() const { return {{"$VIEW", sandbox.ViewPath()}, {"$ROOT", sandbox.Root()}}; }
  std::string Resolved(const std::string& text) const { return ReplaceWords(text, Words()); }

  // Back to the demo world as shipped: no checkouts from earlier rows.
  void ResetWorld() const {
    WriteText(sandbox.Path("demo.xml"),
              ReadText(std::string(VANTRY_SOURCE_DIR) + "/examples/worlds/demo.xml"));
  }

  TRunOutput RunProject(std::vector<TActionSpec> actions,
                        const std::vector<std::string>& flags = {},
                        const std::vector<TProperty>& variables = {}) {
    ReplaceWords(actions, Words());
    std::vector<std::string> arguments{"run",
                                       sandbox.WriteProject("project.xml", variables, actions)};
    arguments.insert(arguments.end(), flags.begin(), flags.end());
    return sandbox.Vantry(arguments);
  }

  TSandbox sandbox;
};

struct TArgvCase {
  const char* name;
  std::vector<TActionSpec> before;  // run first; their runs are not checked
  TActionSpec action;
  TArgv expected;
  std::string cwd = "$VIEW";
};

const TArgvCase kArgvCases[] = {
    {"update a snapshot view",
     {},
     Action("CC_UPDATE", {{"ViewContextPath", "$ROOT/views/snap_view"}}),
     {"update", "-force", "-overwrite"},
     "$ROOT/views/snap_view"},
    {"update: pretend, rename hijacked files, checkin times",
     {},
     Action("CC_UPDATE", {{"ViewContextPath", "$ROOT/views/snap_view"},
                          {"PretendOnly", "true"},
                          {"HijackMode", "hmRename"},
                          {"UpdateTimestamp", "tbCheckin"}}),
     {"update", "-print", "-force", "-rename", "-ptime"},
     "$ROOT/views/snap_view"},
    {"check in path names with every switch",
     {CheckOut()},
     Action("CC_CHECKIN", {{"UseDefaultViewContext", "true"},
                           {"PathNameStorageString", "src/a.c\r\n"},
                           {"Comment", "Release %LABEL%"},
                           {"NoWarnings", "true"},
                           {"PreserveTime", "true"},
                           {"Keep", "true"},
                           {"Remove", "true"},
                           {"IdenticalCheckin", "true"}}),
     {"checkin", "-c", "Release REL_1", "-nwarn", "-ptime", "-keep", "-identical", "src/a.c"}},
    {"check in a named activity in the default view",
     {CheckOut()},
     Action("UCM_CHECKIN", {{"UseDefaultViewContext", "true"},
                            {"ActivityName", "fix_23"},
                            {"VOBSelector", "/vobs/pvob"}}),
     {"checkin", "-nc", "activity:fix_23@/vobs/pvob"}},
    {"check in the current activity of a view path",
     {CheckOut()},
     Action("UCM_CHECKIN", {{"ViewContextPath", "$VIEW"},
                            {"UseCurrentActivity", "true"},
                            {"ActivityName", "feature_login"}}),
     {"checkin", "-nc", "-cact"}},
    {"undo a checkout and keep the file",
     {CheckOut()},
     Action("CC_UNCHECKOUT", {{"UseDefaultViewContext", "true"},
                              {"PathNameStorageString", "src/a.c\r\n"},
                              {"Keep", "true"}}),
     {"uncheckout", "-keep", "src/a.c"}},
    {"undo the activity's checkouts in a view path",
     {CheckOut()},
     Action("UCM_UNCHECKOUT", {{"ViewContextPath", "$VIEW"}}),
     {"uncheckout", "-rm", "-cact"}},
    {"undo the activity's checkouts in the default view, keeping the files",
     {CheckOut()},
     Action("UCM_UNCHECKOUT", {{"UseDefaultViewContext", "true"}, {"Keep", "true"}}),
     {"uncheckout", "-keep", "-cact"}},
    {"find checkouts, long form, recursive",
     {},
     Action("CC_FINDCHECKOUTS", {{"ViewContextPath", "$ROOT/views/snap_view"},
                                 {"UseShort", "false"},
                                 {"Recurse", "true"}}),
     {"lscheckout", "-r"},
     "$ROOT/views/snap_view"},
    {"get the config spec",
     {},
     Action("CC_GETCONFIGSPEC", {{"UseDefaultViewContext", "true"}}),
     {"catcs"}},
    {"set the current config spec again",
     {},
     Action("CC_SETCONFIGSPEC", {{"UseDefaultViewContext", "true"}}),
     {"setcs", "-current"}},
    {"set the stream's config spec",
     {},
     Action("CC_SETCONFIGSPEC", {{"UseDefaultViewContext", "true"}, {"CSpecChoice", "csStream"}}),
     {"setcs", "-stream"}},
    {"set the config spec from a file whose path has a blank",
     {},
     Action("CC_SETCONFIGSPEC", {{"UseDefaultViewContext", "true"},
                                 {"CSpecChoice", "csFile"},
                                 {"CSFilePath", "%ENV:HOME%/../config spec.txt"}}),
     {"setcs", "$ROOT/home/../config spec.txt"}},
    {"generic command with its arguments as typed",
     {},
     Action("CC_GENERIC", {{"UseDefaultViewContext", "true"},
                           {"Command", "describe"},
                           {"Arguments", "-short \"lbtype:%LABEL%@/vobs/src\""}}),
     {"describe", "-short", "lbtype:REL_1.0@/vobs/src"}},
};

TEST_F(ElementRunTest, SettingsReachCleartoolAsExpectedArgv) {
  for (const TArgvCase& row : kArgvCases) {
    SCOPED_TRACE(row.name);
    std::remove(sandbox.JournalFile().c_str());
    ResetWorld();
    std::vector<TActionSpec> actions = row.before;
    actions.push_back(row.action);
    const std::string label = row.action.type == "CC_GENERIC" ? "REL_1.0" : "REL_1";
    const TRunOutput output = RunProject(actions, {}, {{"LABEL", label}});
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

TEST_F(ElementRunTest, MakeElementRunsInTheFolderOfCleartool) {
  // The action has no view context of its own: cleartool starts in its own
  // folder, which the stand-in must find inside a view.
  const std::string tools = sandbox.Path("views/dev_view/tools");
  std::filesystem::create_directories(tools);
  std::filesystem::create_symlink(CLEARTOOL_EXE, tools + "/cleartool");
  ASSERT_EQ(sandbox.Vantry({"options", "set", "CleartoolPath", tools}).exitCode, 0);

  const TRunOutput output =
      RunProject({Action("CC_MKELEM", {{"PathNameStorageString", "$VIEW/src/new.c\r\n"},
                                       {"Comment", "New for %LABEL%"},
                                       {"Checkout", "ccCheckedIn"},
                                       {"UseElementType", "true"},
                                       {"ElementType", "text_file"},
                                       {"PreserveTime", "true"},
                                       {"MakePath", "true"}})},
                 {}, {{"LABEL", "REL_1"}});
  EXPECT_EQ(output.exitCode, 0) << output.out;
  const auto journal = sandbox.Journal();
  ASSERT_THAT(journal, SizeIs(1));
  EXPECT_THAT(journal[0].argv,
              ElementsAreArray(TArgv{"mkelem", "-eltype", "text_file", "-ci", "-ptime", "-mkpath",
                                     "-c", "New for REL_1", sandbox.ViewPath() + "/src/new.c"}));
  EXPECT_EQ(journal[0].cwd, Physical(tools));
}

TEST_F(ElementRunTest, FindCheckoutsReplacesWhatTheVariableHeldAndLaterActionsUseIt) {
  const struct {
    const char* name;
    std::vector<TActionSpec> before;
    std::string stored;  // as vantry -v prints it
  } rows[] = {
      {"two checkouts", {CheckOut("src/a.c\r\nsrc/b c.c\r\n")}, "src/a.c\\nsrc/b c.c\\n"},
      {"no checkouts", {}, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::remove(sandbox.JournalFile().c_str());
    ResetWorld();
    std::vector<TActionSpec> actions = row.before;
    actions.push_back(Action("CC_FINDCHECKOUTS", {{"UseDefaultViewContext", "true"},
                                                  {"Recurse", "true"},
                                                  {"WriteToVariable", "true"},
                                                  {"VariableName", "checkouts"}}));
    actions.push_back(Action("CC_CHECKOUT", {{"UseDefaultViewContext", "true"},
                                             {"PathNameStorageString", "docs/readme.txt\r\n"},
                                             {"Comment", "Found: %CHECKOUTS%"}}));
    const TRunOutput output =
        RunProject(actions, {"-v"}, {{"CHECKOUTS", "text from before the run\r\n"}});
    EXPECT_EQ(output.exitCode, 0) << output.out;
    EXPECT_THAT(output.out, HasSubstr("  CHECKOUTS=" + row.stored + "\n"));
    const auto journal = sandbox.Journal();
    ASSERT_THAT(journal, SizeIs(actions.size()));
    EXPECT_THAT(journal[journal.size() - 2].argv,
                ElementsAreArray(TArgv{"lscheckout", "-short", "-r"}));
    const std::string found = row.before.empty() ? "" : "src/a.c\nsrc/b c.c\n";
    EXPECT_THAT(journal.back().argv, ElementsAreArray(TArgv{"checkout", "-c", "Found: " + found,
                                                            "-nquery", "docs/readme.txt"}));
  }
}

TEST_F(ElementRunTest, GenericCommandStoresItsOutputWithoutATrailingLineBreak) {
  const TRunOutput output =
      RunProject({Action("CC_GENERIC", {{"UseDefaultViewContext", "true"},
                                        {"Command", "lsbl"},
                                        {"Arguments", "-short -component comp_core@/vobs/pvob"},
                                        {"SaveOutput", "true"},
                                        {"VyVariable", "Baselines"}}),
                  Action("CC_CHECKOUT", {{"UseDefaultViewContext", "true"},
                                         {"PathNameStorageString", "src/a.c\r\n"},
                                         {"Comment", "Against %BASELINES%"}})},
                 {"-v"});
  EXPECT_EQ(output.exitCode, 0) << output.out;
  EXPECT_THAT(output.out, HasSubstr("  Baselines=BL_0\\r\\nBL_1\\r\\nBL_2\n"));
  EXPECT_THAT(output.out, HasSubstr("  BL_1\n"));  // the output is logged as well
  const auto journal = sandbox.Journal();
  ASSERT_THAT(journal, SizeIs(2));
  EXPECT_THAT(journal[0].argv,
              ElementsAreArray(TArgv{"lsbl", "-short", "-component", "comp_core@/vobs/pvob"}));
  EXPECT_THAT(journal[1].argv,
              ElementsAreArray(
                  TArgv{"checkout", "-c", "Against BL_0\r\nBL_1\r\nBL_2", "-nquery", "src/a.c"}));
}

TEST_F(ElementRunTest, GetConfigSpecReplacesALongerFileWithExactlyTheConfigSpec) {
  const std::string file = sandbox.Path("out/spec.txt");
  std::filesystem::create_directories(sandbox.Path("out"));
  WriteText(file, std::string(10000, 'x') + "\nan old config spec\n");
  const TRunOutput output =
      RunProject({Action("CC_GETCONFIGSPEC", {{"UseDefaultViewContext", "true"},
                                              {"OutputToFile", "true"},
                                              {"OutputFilePath", "%TARGET%/spec.txt"}})},
                 {}, {{"TARGET", sandbox.Path("out")}});
  EXPECT_EQ(output.exitCode, 0) << output.out;
  EXPECT_EQ(ReadText(file), kDevViewConfigSpec);
  EXPECT_THAT(output.out, HasSubstr("  element * CHECKEDOUT\n"));  // logged too
  ASSERT_THAT(sandbox.Journal(), SizeIs(1));
}

struct TNoStartCase {
  const char* name;
  TActionSpec action;
  std::string message;
};

const TNoStartCase kNoStartCases[] = {
    {"config spec file in a folder that does not exist",
     Action("CC_GETCONFIGSPEC", {{"UseDefaultViewContext", "true"},
                                 {"OutputToFile", "true"},
                                 {"OutputFilePath", "$ROOT/missing/spec.txt"}}),
     "  An error occured trying to open the file \"$ROOT/missing/spec.txt\" for writing : "},
    {"config spec file to set that does not exist",
     Action("CC_SETCONFIGSPEC", {{"UseDefaultViewContext", "true"},
                                 {"CSpecChoice", "csFile"},
                                 {"CSFilePath", "$ROOT/no such spec.txt"}}),
     "  Error: The file you have specified for the config spec does not exist.\n"},
    {"update without a view", Action("CC_UPDATE", {}),
     "No snapshot view to update has been specified."},
    {"check in an activity without a view", Action("UCM_CHECKIN", {{"ActivityName", "fix_23"}}),
     "  Error: The View Context Path you have specified is invalid or does not exist.\n"},
    {"undo the activity's checkouts without a view", Action("UCM_UNCHECKOUT", {}),
     "  Error: The View Context Path you have specified is invalid or does not exist.\n"},
    {"undo the activity's checkouts with stored path names but no view",
     Action("UCM_UNCHECKOUT", {{"PathNameStorageString", "src/a.c\r\n"}}),
     "  Error: You have not specified a View to undo checkout for.\n"},
    {"generic command whose arguments cannot be expanded",
     Action("CC_GENERIC",
            {{"UseDefaultViewContext", "true"}, {"Command", "describe"}, {"Arguments", "%NOPE%"}}),
     "NOPE"},
};

TEST_F(ElementRunTest, FailuresBeforeTheStartRunNoCleartoolAndSayWhy) {
  for (const TNoStartCase& row : kNoStartCases) {
    SCOPED_TRACE(row.name);
    const TRunOutput output = RunProject({row.action});
    EXPECT_EQ(output.exitCode, 1);
    EXPECT_THAT(output.out, HasSubstr(Resolved(row.message)));
    EXPECT_THAT(output.out, HasSubstr("  FAILED: "));
    EXPECT_THAT(sandbox.Journal(), IsEmpty());
  }
  EXPECT_FALSE(std::filesystem::exists(sandbox.Path("missing")));
}

}  // namespace
}  // namespace vantry_test
