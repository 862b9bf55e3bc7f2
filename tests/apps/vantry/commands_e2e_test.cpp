// The runner's other commands: actions, options show/set, script, new, help.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support.h"

namespace vantry_test {
namespace {

using ::testing::HasSubstr;
using ::testing::MatchesRegex;

TEST(ActionsCommandTest, ListsTheCatalogueInRegistrationOrder) {
  TSandbox sandbox;
  const TRunOutput output = sandbox.Vantry({"actions"});
  ASSERT_EQ(output.exitCode, 0) << output.err;
  EXPECT_THAT(output.out, MatchesRegex("TYPE +NAME +CATEGORY\n(.|\n)*"));
  EXPECT_THAT(output.out,
              MatchesRegex("(.|\n)*\nCC_CHECKOUT +ClearCase Check Out +ClearCase\n(.|\n)*"));
  const auto update = output.out.find("\nCC_UPDATE ");
  if (update != std::string::npos) {
    EXPECT_LT(update, output.out.find("\nCC_CHECKOUT "));
  }
}

TEST(OptionsCommandTest, SetValuesAreSavedAndShownByTheNextRun) {
  TSandbox sandbox;
  // One setting per run, except the type: it is stored only while detection
  // is off, so the two travel together.
  const std::vector<std::vector<std::string>> settings{
      {"CleartoolPath", CLEARTOOL_EXE},
      {"ClearCase.DefaultViewPath", sandbox.ViewPath()},
      {"TestForClearCaseType", "false", "clearcasetype", "ccLT"},
      {"DesignTimeout", "8000"},
      {"DesignListLocal", "TRUE"}};
  for (std::vector<std::string> setting : settings) {
    setting.insert(setting.begin(), {"options", "set"});
    const TRunOutput output = sandbox.Vantry(setting);
    ASSERT_EQ(output.exitCode, 0) << setting[2] << ": " << output.err;
  }
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
}

TEST(OptionsCommandTest, TheOptionsFlagChoosesTheStoreBeforeOrAfterTheCommand) {
  TSandbox sandbox;
  const std::string other = sandbox.Path("other.xml");
  ASSERT_EQ(
      sandbox.Vantry({"options", "set", "DesignTimeout", "4321", "--options", other}).exitCode, 0);
  EXPECT_THAT(sandbox.Vantry({"--options", other, "options", "show"}).out,
              HasSubstr("  DesignTimeout = 4321\n"));
  EXPECT_FALSE(std::filesystem::exists(sandbox.OptionsFile()));  // $VANTRY_OPTIONS
}

TEST(OptionsCommandTest, AFolderAsCleartoolPathShowsTheProgramInIt) {
  TSandbox sandbox;
  const std::string folder = std::filesystem::path(CLEARTOOL_EXE).parent_path().string();
  const TRunOutput output = sandbox.Vantry({"options", "set", "CleartoolPath", folder});
  ASSERT_EQ(output.exitCode, 0) << output.err;
  EXPECT_EQ(output.out, "ClearCase.CleartoolPath = " + folder + "/cleartool\n");
}

TEST(OptionsCommandTest, BadSettingsAreRefusedAndLeaveTheStoreAlone) {
  TSandbox sandbox;
  ASSERT_EQ(sandbox.Vantry({"options", "set", "DesignTimeout", "7000"}).exitCode, 0);
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
      {{"options"}, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments.back());
    const TRunOutput output = sandbox.Vantry(row.arguments);
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_THAT(output.err, HasSubstr(row.message));
  }
  EXPECT_EQ(ReadText(sandbox.OptionsFile()), before);
}

TEST(ScriptCommandTest, ReadsAndWritesThroughTheScriptFunction) {
  TSandbox sandbox;
  const TRunOutput written = sandbox.Vantry({"script", "ClearCaseOptions.DesignTimeout=1234"});
  ASSERT_EQ(written.exitCode, 0) << written.err;
  EXPECT_EQ(written.out, "1234\n");
  const TRunOutput read = sandbox.Vantry({"script", "ClearCaseOptions.DesignTimeout"});
  EXPECT_EQ(read.out, "1234\n");
  const TRunOutput all = sandbox.Vantry({"script", "ClearCaseOptions"});
  EXPECT_THAT(all.out, HasSubstr("  DesignTimeout = 1234\n"));
  EXPECT_THAT(sandbox.Vantry({"options", "show"}).out, HasSubstr("  DesignTimeout = 1234\n"));
}

TEST(ScriptCommandTest, BadExpressionsAreBadUsage) {
  TSandbox sandbox;
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

TEST(NewCommandTest, WritesATemplateThatLoadsAndRefusesToOverwrite) {
  TSandbox sandbox;
  const std::string project = sandbox.Path("template.xml");
  const TRunOutput written = sandbox.Vantry({"new", project, "CC_CHECKOUT", "CC_CHECKOUT"});
  ASSERT_EQ(written.exitCode, 0) << written.err;
  const std::string text = ReadText(project);
  int actions = 0;
  for (auto at = text.find("<Action type=\"CC_CHECKOUT\""); at != std::string::npos;
       at = text.find("<Action type=\"CC_CHECKOUT\"", at + 1)) {
    ++actions;
  }
  EXPECT_EQ(actions, 2);
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
}

TEST(NewCommandTest, UnknownTypeWritesNothing) {
  TSandbox sandbox;
  const TRunOutput output = sandbox.Vantry({"new", sandbox.Path("p.xml"), "CC_NOPE"});
  EXPECT_EQ(output.exitCode, 2);
  EXPECT_THAT(output.err, HasSubstr("CC_CHECKOUT"));  // the known types are listed
  EXPECT_FALSE(std::filesystem::exists(sandbox.Path("p.xml")));
}

TEST(HelpTest, CommandsAndNestedCommandsHaveHelp) {
  TSandbox sandbox;
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"--help"}, {"run", "--help"}, {"options", "set", "--help"}}) {
    SCOPED_TRACE(arguments.front());
    const TRunOutput output = sandbox.Vantry(arguments);
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_THAT(output.out, HasSubstr("Usage:"));
  }
}

}  // namespace
}  // namespace vantry_test
