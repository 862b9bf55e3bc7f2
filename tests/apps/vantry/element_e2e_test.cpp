// vantry run of the element actions against the cleartool stand-in: the
// folder cleartool starts in and how values split into its argv, the host
// variables and the file the actions write, and the runs that must start
// nothing.

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

// The config spec of the demo's UCM view, as catcs prints it.
constexpr const char* kDevViewConfigSpec =
    "ucm\n"
    "identity UCM.Stream dev_alice@/vobs/pvob 1\n"
    "\n"
    "element * CHECKEDOUT\n"
    "element * .../dev_alice/LATEST\n"
    "element * BL_1 -mkbranch dev_alice\n"
    "element * /main/0 -ucm -nocheckout\n";

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
  TActionSpec action;
  TArgv expected;
  std::string cwd = "$VIEW";
};

// The switches of each action are proven without a process; these rows are
// about what only the real boundary shows: the folder cleartool starts in
// and values with blanks, quotes and expressions split into argv.
const TArgvCase kArgvCases[] = {
    {"update a snapshot view",
     Action("CC_UPDATE", {{"ViewContextPath", "$ROOT/views/snap_view"}}),
     {"update", "-force", "-overwrite"},
     "$ROOT/views/snap_view"},
    {"set the config spec from a file whose path has a blank",
     Action("CC_SETCONFIGSPEC", {{"UseDefaultViewContext", "true"},
                                 {"CSpecChoice", "csFile"},
                                 {"CSFilePath", "%ENV:HOME%/../config spec.txt"}}),
     {"setcs", "$ROOT/home/../config spec.txt"}},
    {"generic command with its arguments as typed",
     Action("CC_GENERIC", {{"UseDefaultViewContext", "true"},
                           {"Command", "describe"},
                           {"Arguments", "-short \"lbtype:%LABEL%@/vobs/src\""}}),
     {"describe", "-short", "lbtype:REL_1.0@/vobs/src"}},
};

TEST_F(ElementRunTest, SettingsReachCleartoolAsExpectedArgv) {
  for (const TArgvCase& row : kArgvCases) {
    SCOPED_TRACE(row.name);
    std::remove(sandbox.JournalFile().c_str());
    const TRunOutput output = RunProject({row.action}, {}, {{"LABEL", "REL_1.0"}});
    EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
    const auto journal = sandbox.Journal();
    ASSERT_THAT(journal, SizeIs(1)) << output.out;
    TArgv expected;
    for (const std::string& argument : row.expected) expected.push_back(Resolved(argument));
    EXPECT_THAT(journal[0].argv, ElementsAreArray(expected));
    EXPECT_EQ(journal[0].cwd, Physical(Resolved(row.cwd)));
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
                                       {"Checkout", "ccCheckedIn"}})},
                 {}, {{"LABEL", "REL_1"}});
  EXPECT_EQ(output.exitCode, 0) << output.out;
  const auto journal = sandbox.Journal();
  ASSERT_THAT(journal, SizeIs(1));
  EXPECT_THAT(journal[0].argv, ElementsAreArray(TArgv{"mkelem", "-ci", "-c", "New for REL_1",
                                                      sandbox.ViewPath() + "/src/new.c"}));
  EXPECT_EQ(journal[0].cwd, Physical(tools));
}

TEST_F(ElementRunTest, FindCheckoutsReplacesWhatTheVariableHeldAndLaterActionsUseIt) {
  const struct {
    const char* name;
    std::vector<TActionSpec> before;
    std::string stored;  // as vantry -v prints it
  } rows[] = {
      {"two checkouts",
       {Action("CC_CHECKOUT", {{"UseDefaultViewContext", "true"},
                               {"PathNameStorageString", "src/a.c\r\nsrc/b c.c\r\n"}})},
       "src/a.c\\nsrc/b c.c\\n"},
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
