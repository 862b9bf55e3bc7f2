// The runner's other commands: actions, options show/set, script, new, query --list, help.
// Each listing's answers are in the fault suite.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "support.h"

namespace vantry_test {
namespace {

using ::testing::HasSubstr;

TEST(ActionsCommandTest, ListsTheWholeCatalogueInRegistrationOrder) {
  TSandbox sandbox;
  const TRunOutput output = sandbox.Vantry({"actions"});
  ASSERT_EQ(output.exitCode, 0) << output.err;
  std::string expected = "TYPE|NAME|CATEGORY\n";
  for (const char* row : {"CC_UPDATE|ClearCase Update Snapshot View",
                          "CC_CHECKOUT|ClearCase Check Out",
                          "CC_CHECKIN|ClearCase Check In",
                          "CC_UNCHECKOUT|ClearCase Undo Checkout",
                          "CC_FINDCHECKOUTS|ClearCase Find Checkouts",
                          "CC_MKELEM|ClearCase Make Element",
                          "CC_MKLBTYPE|ClearCase Make Label Type",
                          "CC_LABEL|ClearCase Apply Label",
                          "CC_MKATTRTYPE|ClearCase Make Attribute Type",
                          "CC_APPLYATTR|ClearCase Apply Attribute (Paths)",
                          "CC_APPLYATTR_OBJ|ClearCase Apply Attribute (Objects)",
                          "CC_LOCK|ClearCase Lock (Paths)",
                          "CC_UNLOCK|ClearCase Unlock (Paths)",
                          "CC_LOCK_OBJ|ClearCase Lock (Objects)",
                          "CC_UNLOCK_OBJ|ClearCase Unlock (Objects)",
                          "CC_GENERIC|ClearCase Run Cleartool (Generic)",
                          "CC_GETCONFIGSPEC|ClearCase Get Config Spec",
                          "CC_SETCONFIGSPEC|ClearCase Set Config Spec",
                          "UCM_MAKEACTIVITY|UCM Make Activity",
                          "UCM_SETACTIVITY|UCM Set Current Activity",
                          "UCM_CHECKIN|UCM Check In Files for Activity",
                          "UCM_UNCHECKOUT|UCM Undo Checkouts for Activity",
                          "UCM_MAKEBL|UCM Make Baseline",
                          "UCM_MAKEBL_LABEL|UCM Make Baseline from Label",
                          "CC_CHANGEBASELINE|UCM Change Baseline",
                          "CC_CHANGESTREAM|UCM Change Stream"}) {
    expected += std::string(row) + "|ClearCase\n";
  }
  // The padding between the columns squeezed to one "|".
  EXPECT_EQ(std::regex_replace(output.out, std::regex("  +"), "|"), expected);
}

TEST(OptionsCommandTest, SetValuesAreSavedAndShownByTheNextRunAndBadOnesRefused) {
  TSandbox sandbox;
  const std::string folder = std::filesystem::path(CLEARTOOL_EXE).parent_path().string();
  const TRunOutput set = sandbox.Vantry({"options", "set", "CleartoolPath", folder});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  EXPECT_EQ(set.out, "ClearCase.CleartoolPath = " + folder + "/cleartool\n");
  // One setting per run, except the type: it is stored only while detection
  // is off, so the two travel together.
  const std::vector<std::vector<std::string>> settings{
      {"ClearCase.DefaultViewPath", sandbox.ViewPath()},
      {"TestForClearCaseType", "false", "clearcasetype", "ccLT"},
      {"DesignTimeout", "8000"},
      {"DesignListLocal", "TRUE"}};
  for (std::vector<std::string> setting : settings) {
    setting.insert(setting.begin(), {"options", "set"});
    const TRunOutput output = sandbox.Vantry(setting);
    ASSERT_EQ(output.exitCode, 0) << setting[2] << ": " << output.err;
  }
  // --options chooses another store, after the command or before it.
  const std::string other = sandbox.Path("other.xml");
  ASSERT_EQ(
      sandbox.Vantry({"options", "set", "DesignTimeout", "4321", "--options", other}).exitCode, 0);
  EXPECT_THAT(sandbox.Vantry({"--options", other, "options", "show"}).out,
              HasSubstr("  DesignTimeout = 4321\n"));

  const TRunOutput shown = sandbox.Vantry({"options", "show"});
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_THAT(shown.out, HasSubstr("ClearCase:\n"));
  for (const std::string& line :
       {"  CleartoolPath = " + std::string(CLEARTOOL_EXE),
        "  DefaultViewPath = " + sandbox.ViewPath(), std::string("  ClearCaseType = ccLT"),
        std::string("  TestForClearCaseType = false"), std::string("  DesignTimeout = 8000"),
        std::string("  DesignListLocal = true")}) {
    EXPECT_THAT(shown.out, HasSubstr(line + "\n"));
  }

  // Bad settings are refused and leave the store alone.
  const std::string before = ReadText(sandbox.OptionsFile());
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } rows[] = {
      {{"options", "set", "DesignTimeout", "soon"}, "DesignTimeout"},
      {{"options", "set", "NoSuchOption", "1"}, "NoSuchOption"},
      {{"options", "set", "Other.DesignTimeout", "1"}, "Other.DesignTimeout"},
      {{"options", "set", "DesignTimeout"}, "VALUE"},
      {{"options", "set", "DesignTimeout", "1", "NoSuchOption", "2"}, "NoSuchOption"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments.back());
    const TRunOutput output = sandbox.Vantry(row.arguments);
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_THAT(output.err, HasSubstr(row.message));
  }
  EXPECT_EQ(ReadText(sandbox.OptionsFile()), before);
}

TEST(ScriptCommandTest, ReadsAndWritesThroughTheScriptFunctionAndRefusesBadExpressions) {
  TSandbox sandbox;
  const TRunOutput written = sandbox.Vantry({"script", "ClearCaseOptions.DesignTimeout=1234"});
  ASSERT_EQ(written.exitCode, 0) << written.err;
  EXPECT_EQ(written.out, "1234\n");
  EXPECT_EQ(sandbox.Vantry({"script", "ClearCaseOptions.DesignTimeout"}).out, "1234\n");
  EXPECT_THAT(sandbox.Vantry({"script", "ClearCaseOptions"}).out,
              HasSubstr("  DesignTimeout = 1234\n"));
  EXPECT_THAT(sandbox.Vantry({"options", "show"}).out, HasSubstr("  DesignTimeout = 1234\n"));

  const struct {
    std::string expression;
    std::string message;
  } rows[] = {
      {"NoSuchFunction.X", "ClearCaseOptions"},  // the known functions are listed
      {"ClearCaseOptions.NoSuchProperty", "DesignTimeout"},
      {"ClearCaseOptions.DesignTimeout=soon", "soon"},
      {"ClearCaseOptions.", "NAME.PROPERTY"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.expression);
    const TRunOutput output = sandbox.Vantry({"script", row.expression});
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_THAT(output.err, HasSubstr(row.message));
  }
}

TEST(NewCommandTest, WritesATemplateThatLoadsAndRefusesToOverwriteOrGuess) {
  TSandbox sandbox;
  const std::string project = sandbox.Path("template.xml");
  const TRunOutput written = sandbox.Vantry({"new", project, "CC_CHECKOUT", "CC_CHECKOUT"});
  ASSERT_EQ(written.exitCode, 0) << written.err;
  const std::string text = ReadText(project);
  EXPECT_EQ(Count(text, "<Action type=\"CC_CHECKOUT\""), 2u);
  EXPECT_THAT(text, HasSubstr("<Property name=\"PathNameStorageString\""));
  // The template runs as far as its empty path list.
  sandbox.ConfigureOptions();
  const TRunOutput run = sandbox.Vantry({"run", project, "--dry-run"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_THAT(run.out, HasSubstr("Action Failed: No pathnames specified to act on."));

  const TRunOutput again = sandbox.Vantry({"new", project, "CC_CHECKOUT"});
  EXPECT_EQ(again.exitCode, 2);
  EXPECT_THAT(again.err, HasSubstr("--force"));
  EXPECT_EQ(ReadText(project), text);
  EXPECT_EQ(sandbox.Vantry({"new", project, "CC_CHECKOUT", "--force"}).exitCode, 0);
  EXPECT_NE(ReadText(project), text);

  const TRunOutput unknown = sandbox.Vantry({"new", sandbox.Path("p.xml"), "CC_NOPE"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_THAT(unknown.err, HasSubstr("CC_CHECKOUT"));  // the known types are listed
  EXPECT_FALSE(std::filesystem::exists(sandbox.Path("p.xml")));
}

TEST(QueryCommandTest, ListNamesFunctionsAndParametersAndBadUsageExitsWithTwo) {
  TSandbox sandbox;
  const TRunOutput list = sandbox.Vantry({"query", "--list"});
  ASSERT_EQ(list.exitCode, 0) << list.err;
  for (const char* line :
       {"CCGetVOBNames\n", "CCGetTypeNames Kind VOB\n", "CCGetHistory Path Dir\n",
        "CCGetUCMBaselinesForProject Project PVOB\n"}) {
    EXPECT_THAT(list.out, HasSubstr(line));
  }
  const std::vector<std::vector<std::string>> calls = {
      {"query", "CCGetNothing"}, {"query", "CCGetTypeNames", "lbtype"}, {"query"}};
  for (const auto& call : calls) {
    SCOPED_TRACE(call.back());
    const TRunOutput output = sandbox.Vantry(call);
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_EQ(output.out, "");
    EXPECT_THAT(output.err, HasSubstr("vantry: "));
  }
}

TEST(HelpTest, CommandsAndNestedCommandsHaveHelp) {
  TSandbox sandbox;
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"--help"}, {"options", "set", "--help"}}) {
    SCOPED_TRACE(arguments.front());
    const TRunOutput output = sandbox.Vantry(arguments);
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_THAT(output.out, HasSubstr("Usage:"));
  }
}

}  // namespace
}  // namespace vantry_test
