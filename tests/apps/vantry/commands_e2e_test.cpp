// The runner's other commands: actions, options show/set, script, new, query --list, help.
// Each listing's answers are in the fault suite.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "support.h"

namespace vantry_test {
namespace {

using ::testing::HasSubstr;

// Whatever case the user types; enumerations list their values, hidden
// properties say so.
TEST(ActionsCommandTest, DescribesOneTypeWithItsPagesAndProperties) {
  TSandbox sandbox;
  const TRunOutput output = sandbox.Vantry({"actions", "cc_Checkout"});
  ASSERT_EQ(output.exitCode, 0) << output.err;
  const std::string squeezed = std::regex_replace(output.out, std::regex("  +"), "|");
  for (const char* line :
       {"CC_CHECKOUT: ClearCase Check Out\n", "\n|Category:|ClearCase\n",
        "\n|Help topic: 4460 (Plugins\\ClearCase.html)\n",
        "\n|Pages:|TClearCaseViewPathNameFrame, TClearCaseExtendedPathNameFrame, "
        "TClearCaseCheckOutFrame, TClearCaseCommentFrame\n",
        "\n|NAME|KIND|DEFAULT|VALUES\n|NoComment|Boolean|true\n|Comment|string|\"\"\n"
        "|PathNameStorageString|string|\"\"|hidden\n",
        "\n|DataLocation|enumeration|coView|coView, coOut, coNoData\n"}) {
    EXPECT_THAT(squeezed, HasSubstr(line));
  }
  ExpectBadUsage(sandbox, {"actions", "CC_NOPE"}, "CC_CHECKOUT");
  // The padding between the columns of the list squeezed to one "|".
  EXPECT_THAT(std::regex_replace(sandbox.Vantry({"actions"}).out, std::regex("  +"), "|"),
              HasSubstr("\nUCM_MAKEBL_LABEL|UCM Make Baseline from Label|ClearCase\n"));
}

// docs/actions.md is what the command prints, so that it never goes stale.
TEST(ActionsCommandTest, TheCheckedInReferenceIsWhatTheCommandPrints) {
  TSandbox sandbox;
  const TRunOutput output = sandbox.Vantry({"actions", "--markdown"});
  ASSERT_EQ(output.exitCode, 0) << output.err;
  EXPECT_EQ(Count(output.out, "\n## "), 26u);
  EXPECT_TRUE(output.out == ReadAll(std::string(VANTRY_SOURCE_DIR) + "/docs/actions.md"))
      << "docs/actions.md is stale: vantry actions --markdown > docs/actions.md";
}

TEST(OptionsCommandTest, SetValuesAreSavedAndShownByTheNextRun) {
  TSandbox sandbox;
  const std::string folder = std::filesystem::path(CLEARTOOL_EXE).parent_path().string();
  const TRunOutput set = sandbox.Vantry({"options", "set", "CleartoolPath", folder});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  EXPECT_EQ(set.out, "ClearCase.CleartoolPath = " + folder + "/cleartool\n");
  // The type is stored only while detection is off, so the two travel together.
  const TRunOutput typed = sandbox.Vantry({"options", "set", "TestForClearCaseType", "false",
                                           "clearcasetype", "ccLT", "DesignListLocal", "TRUE"});
  ASSERT_EQ(typed.exitCode, 0) << typed.err;
  const TRunOutput shown = sandbox.Vantry({"options", "show"});
  for (const std::string& line :
       {std::string("ClearCase:"), "  CleartoolPath = " + std::string(CLEARTOOL_EXE),
        std::string("  ClearCaseType = ccLT"), std::string("  DesignListLocal = true")}) {
    EXPECT_THAT(shown.out, HasSubstr(line + "\n"));
  }
  // --options chooses another store, after the command or before it. Its
  // value that cannot be read is reported where it stands, and the default used.
  const std::string other = sandbox.Path("other.xml");
  WriteAll(other, "<VantryOptions version=\"1\">\n<Options key=\"ClearCase\">\n"
                  "<Value name=\"DesignTimeout\">abc</Value>\n</Options>\n</VantryOptions>\n");
  const TRunOutput unread = sandbox.Vantry({"--options", other, "options", "show"});
  EXPECT_EQ(unread.exitCode, 0);
  EXPECT_THAT(unread.out, HasSubstr("  DesignTimeout = 5000\n"));
  EXPECT_EQ(unread.err, "vantry: " + other +
                            ":3: warning: ClearCase.DesignTimeout: \"abc\" is not a whole "
                            "number; 5000 is used\n");
  ASSERT_EQ(
      sandbox.Vantry({"options", "set", "DesignTimeout", "4321", "--options", other}).exitCode, 0);
  EXPECT_THAT(sandbox.Vantry({"--options", other, "options", "show"}).out,
              HasSubstr("  DesignTimeout = 4321\n"));
}

// Refusals name what the option takes; a setting that another one overrides
// says how to change that one; nothing of a refused command is saved, not
// even a good setting before the bad one.
TEST(OptionsCommandTest, RefusesBadValuesAndWarnsOfAMissingCleartool) {
  TSandbox sandbox;
  ASSERT_EQ(sandbox.Vantry({"options", "set", "DesignTimeout", "4000"}).exitCode, 0);
  const std::string before = ReadAll(sandbox.OptionsFile());
  for (const auto& [settings, message] :
       std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"DesignTimeout", "-5"}, "\"-5\" is out of range: a whole number from 0 to 2147483647"},
           {{"DesignTimeout", "soon"}, "\"soon\" is not a whole number from 0 to 2147483647"},
           {{"DesignTimeout"}, "VALUE"},
           {{"DesignTimeout", "1", "NoSuchOption", "2"}, "NoSuchOption"},
           {{"ClearCaseType", "ccLT"},
            "vantry: ClearCase.ClearCaseType is not set: detection decides the type while "
            "TestForClearCaseType is true"}}) {
    std::vector<std::string> arguments{"options", "set"};
    arguments.insert(arguments.end(), settings.begin(), settings.end());
    ExpectBadUsage(sandbox, arguments, message);
  }
  EXPECT_EQ(ReadAll(sandbox.OptionsFile()), before);
  ASSERT_EQ(chmod(sandbox.OptionsFile().c_str(), 0400), 0);
  ExpectBadUsage(sandbox, {"options", "set", "DesignTimeout", "3"}, "is read-only");
  ASSERT_EQ(chmod(sandbox.OptionsFile().c_str(), 0600), 0);

  const TRunOutput missing =
      sandbox.Vantry({"options", "set", "CleartoolPath", "/opt/nothing/cleartool"});
  EXPECT_EQ(missing.exitCode, 0);
  EXPECT_EQ(missing.err,
            "vantry: warning: ClearCase.CleartoolPath: there is no cleartool at "
            "/opt/nothing/cleartool; the path is stored, but every ClearCase action fails until "
            "it exists\n");
  EXPECT_THAT(ReadAll(sandbox.OptionsFile()), HasSubstr(">/opt/nothing/cleartool<"));
}

// Load, change and save happen under the store's lock: writers at the same
// time all land.
TEST(OptionsCommandTest, ConcurrentWritersLoseNoUpdate) {
  TSandbox sandbox;
  for (int round = 0; round < 8; ++round) {
    SCOPED_TRACE(round);
    const std::string timeout = std::to_string(1000 + round);
    const std::string local = round % 2 == 0 ? "true" : "false";
    const pid_t first = sandbox.Start({"options", "set", "DesignTimeout", timeout});
    const pid_t second = sandbox.Start({"options", "set", "DesignListLocal", local});
    EXPECT_EQ(sandbox.Finish(first).exitCode, 0);
    EXPECT_EQ(sandbox.Finish(second).exitCode, 0);
    const std::string store = ReadAll(sandbox.OptionsFile());
    EXPECT_THAT(store, HasSubstr("<Value name=\"DesignTimeout\">" + timeout + "</Value>"));
    EXPECT_THAT(store, HasSubstr("<Value name=\"DesignListLocal\">" + local + "</Value>"));
  }
}

TEST(ScriptCommandTest, ReadsWritesAndRefusesBadExpressions) {
  TSandbox sandbox;
  const TRunOutput written = sandbox.Vantry({"script", "ClearCaseOptions.DesignTimeout=1234"});
  ASSERT_EQ(written.exitCode, 0) << written.err;
  EXPECT_EQ(written.out, "1234\n");
  EXPECT_EQ(sandbox.Vantry({"script", "ClearCaseOptions.DesignTimeout"}).out, "1234\n");
  EXPECT_THAT(sandbox.Vantry({"options", "show"}).out, HasSubstr("  DesignTimeout = 1234\n"));

  // The refusal of an unknown function lists the known ones.
  ExpectBadUsage(sandbox, {"script", "NoSuchFunction.X"}, "ClearCaseOptions");
  ExpectBadUsage(sandbox, {"script", "ClearCaseOptions.DesignTimeout=soon"}, "soon");
  ExpectBadUsage(sandbox, {"script", "ClearCaseOptions."}, "NAME.PROPERTY");
}

TEST(NewCommandTest, WritesATemplateThatLoadsAndRefusesToOverwriteOrGuess) {
  TSandbox sandbox;
  const std::string project = sandbox.Path("template.xml");
  // Written in the registered spelling, whatever the user typed.
  const TRunOutput written = sandbox.Vantry({"new", project, "CC_CHECKOUT", "cc_checkout"});
  ASSERT_EQ(written.exitCode, 0) << written.err;
  const std::string text = ReadAll(project);
  EXPECT_EQ(Count(text, "<Action type=\"CC_CHECKOUT\""), 2u);
  // The template runs as far as its empty path list.
  sandbox.ConfigureOptions();
  const TRunOutput run = sandbox.Vantry({"run", project, "--dry-run"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_THAT(run.err, HasSubstr("Action Failed: No pathnames specified to act on."));

  ExpectBadUsage(sandbox, {"new", project, "CC_CHECKOUT"}, "--force");
  EXPECT_EQ(ReadAll(project), text);
  // The refusal names the known types.
  ExpectBadUsage(sandbox, {"new", sandbox.Path("p.xml"), "CC_NOPE"}, "CC_CHECKOUT");
  EXPECT_FALSE(std::filesystem::exists(sandbox.Path("p.xml")));
}

TEST(QueryCommandTest, ListNamesFunctionsAndParametersAndBadUsageExitsWithTwo) {
  TSandbox sandbox;
  const TRunOutput list = sandbox.Vantry({"query", "--list"});
  ASSERT_EQ(list.exitCode, 0) << list.err;
  EXPECT_THAT(list.out, HasSubstr("\nCCGetTypeNames Kind VOB\n"));
  ExpectBadUsage(sandbox, {"query", "CCGetNothing"}, "vantry: ");
  ExpectBadUsage(sandbox, {"query", "CCGetTypeNames", "lbtype"}, "vantry: ");
  ExpectBadUsage(sandbox, {"query"}, "vantry: ");
}

// The listing stays empty, as the designer gets it; the command says why.
TEST(QueryCommandTest, ACleartoolFailureIsReportedWithExitCodeOne) {
  TSandbox sandbox;
  sandbox.ConfigureOptions();
  const TRunOutput output = sandbox.Vantry({"query", "CCGetLabelNames", "/vobs/nope"});
  EXPECT_EQ(output.exitCode, 1);
  EXPECT_EQ(output.out, "");
  EXPECT_EQ(output.err,
            "vantry: CCGetLabelNames: cleartool exited with code 1 (cleartool lstype -short -kind "
            "lbtype -invob /vobs/nope)\n  cleartool: Error: Unable to determine VOB for pathname "
            "\"/vobs/nope\".\n");
}

}  // namespace
}  // namespace vantry_test
