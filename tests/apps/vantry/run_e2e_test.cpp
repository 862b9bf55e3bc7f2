// vantry run against the cleartool stand-in: how check-out values split into
// the argv cleartool receives, runs that must start nothing, exit codes,
// --keep-going and --dry-run.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support.h"

namespace vantry_test {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::SizeIs;

using TArgv = std::vector<std::string>;

constexpr const char* kOneFile = "src/a.c\r\n";
constexpr const char* kTwoFiles = "src/a.c\r\nsrc/b c.c\r\n";

TActionSpec Checkout(std::vector<TProperty> properties, const std::string& paths = kOneFile) {
  TActionSpec action;
  action.description = "Check out the sources";
  action.properties = {{"UseDefaultViewContext", "true"}, {"PathNameStorageString", paths}};
  action.properties.insert(action.properties.end(), properties.begin(), properties.end());
  return action;
}

class RunTest : public ::testing::Test {
 protected:
  void SetUp() override { sandbox.ConfigureOptions(); }

  TRunOutput RunProject(const std::vector<TActionSpec>& actions,
                        const std::vector<std::string>& flags = {},
                        const std::vector<TProperty>& variables = {}) {
    TArgv arguments{"run", sandbox.WriteProject("project.xml", variables, actions)};
    arguments.insert(arguments.end(), flags.begin(), flags.end());
    return sandbox.Vantry(arguments);
  }

  TSandbox sandbox;
};

struct TCheckoutCase {
  const char* name;
  std::vector<TProperty> properties;
  std::string paths;
  TArgv expected;  // after "checkout"; "$HOME" stands for the sandbox's home
};

const TCheckoutCase kCheckoutCases[] = {
    {"defaults", {}, kOneFile, {"-nc", "-nquery", "src/a.c"}},
    {"reserved, comment with a variable, a blank in a name",
     {{"Reserved", "true"}, {"Comment", "Build %LABEL%"}},
     kTwoFiles,
     {"-reserved", "-c", "Build REL_1", "-nquery", "src/a.c", "src/b c.c"}},
    {"out path with an environment variable, a blank and blanks around it",
     {{"DataLocation", "coOut"}, {"OutExternalPath", " %ENV:HOME%/a copy.c "}},
     kOneFile,
     {"-out", "$HOME/a copy.c", "-nc", "-nquery", "src/a.c"}},
    {"quotes in a comment group and are dropped",
     {{"Comment", "say \"hi\""}},
     kOneFile,
     {"-c", "say hi", "-nquery", "src/a.c"}},
};

TEST_F(RunTest, CheckoutSettingsReachCleartoolAsExpectedArgv) {
  for (const TCheckoutCase& row : kCheckoutCases) {
    SCOPED_TRACE(row.name);
    std::remove(sandbox.JournalFile().c_str());
    const TRunOutput output =
        RunProject({Checkout(row.properties, row.paths)}, {}, {{"LABEL", "REL_1"}});
    TArgv expected{"checkout"};
    for (std::string argument : row.expected) {
      if (const auto at = argument.find("$HOME"); at != std::string::npos) {
        argument.replace(at, 5, sandbox.Path("home"));
      }
      expected.push_back(argument);
    }
    const auto journal = sandbox.Journal();
    ASSERT_THAT(journal, SizeIs(1)) << output.out << output.err;
    EXPECT_THAT(journal[0].argv, ElementsAreArray(expected));
    EXPECT_EQ(journal[0].cwd, Physical(sandbox.ViewPath()));
    EXPECT_EQ(output.exitCode, journal[0].status == 0 ? 0 : 1) << output.out;
  }
}

TEST_F(RunTest, PrintsProgressTheActionsLogAndTheOutcome) {
  const TRunOutput output =
      RunProject({Checkout({{"Reserved", "true"}, {"Comment", "Build %LABEL%"}}, kTwoFiles)}, {},
                 {{"LABEL", "REL_1"}});
  EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  EXPECT_THAT(output.out, HasSubstr("[1/1] ClearCase Check Out: Check out the sources\n"));
  EXPECT_THAT(output.out, HasSubstr("  Starting Directory: " + sandbox.ViewPath() + "\n"));
  EXPECT_THAT(output.out, HasSubstr("  Command Line: checkout -reserved -c \"Build REL_1\" -nquery "
                                    "\"src/a.c\" \"src/b c.c\"\n"));
  EXPECT_THAT(output.out, HasSubstr("  succeeded in "));
  EXPECT_THAT(output.out, Not(HasSubstr("\033[")));  // no colour into a file
  EXPECT_THAT(output.err, IsEmpty());
}

TEST_F(RunTest, CommandLineValuesOverrideProjectVariablesAndVerboseModePrintsThem) {
  const TRunOutput output =
      RunProject({Checkout({{"Comment", "Build %LABEL%"}})},
                 {"-v", "--var", "LABEL=REL_2", "--var", "EXTRA=a=b"}, {{"LABEL", "REL_1"}});
  ASSERT_THAT(sandbox.Journal(), SizeIs(1)) << output.out;
  EXPECT_THAT(sandbox.Journal()[0].argv, ::testing::Contains("Build REL_2"));
  EXPECT_THAT(output.out, HasSubstr("Variables:\n  EXTRA=a=b\n  LABEL=REL_2\n"));
  EXPECT_THAT(output.out, HasSubstr("  Program: " + std::string(CLEARTOOL_EXE) + "\n"));
}

struct TNoStartCase {
  const char* name;
  std::vector<TProperty> properties;
  std::string message;
};

const TNoStartCase kNoStartCases[] = {
    {"view path that does not exist",
     {{"UseDefaultViewContext", "false"}, {"ViewContextPath", "/nowhere/view"}},
     "  Error: The View Context Path you have specified is invalid or does not exist.\n"},
    {"undefined variable in the comment", {{"Comment", "Build %NOPE%"}}, "NOPE"},
};

TEST_F(RunTest, FailuresBeforeTheStartRunNoProgramAndSayWhy) {
  for (const TNoStartCase& row : kNoStartCases) {
    SCOPED_TRACE(row.name);
    const TRunOutput output = RunProject({Checkout(row.properties)});
    EXPECT_EQ(output.exitCode, 1);
    EXPECT_THAT(output.out, HasSubstr(row.message));
    EXPECT_THAT(output.out, HasSubstr("  FAILED: "));
    EXPECT_THAT(sandbox.Journal(), IsEmpty());
  }
}

// A cleartool path that leads nowhere is a case of the fault suite.
TEST_F(RunTest, AMissingDefaultViewStopsTheRunBeforeCleartoolStarts) {
  ASSERT_EQ(sandbox.Vantry({"options", "set", "DefaultViewPath", sandbox.Path("no/view")}).exitCode,
            0);
  const TRunOutput output = RunProject({Checkout({})});
  EXPECT_EQ(output.exitCode, 1);
  EXPECT_THAT(output.out,
              HasSubstr("  Error: The Default View you have specified is invalid or does not "
                        "exist. To rectify go to Tools->Options.\n"));
  EXPECT_THAT(sandbox.Journal(), IsEmpty());
}

TEST(RunWithoutOptionsTest, MissingCleartoolPathIsReportedAndNothingStarts) {
  TSandbox sandbox;  // no options store, and no cleartool on PATH
  const TRunOutput output =
      sandbox.Vantry({"run", sandbox.WriteProject("p.xml", {}, {Checkout({})})});
  EXPECT_EQ(output.exitCode, 1);
  EXPECT_THAT(output.out, HasSubstr("The path to cleartool.exe has not been specified."));
  EXPECT_THAT(sandbox.Journal(), IsEmpty());
}

TEST_F(RunTest, CleartoolFailureIsReportedWithItsOutput) {
  const TRunOutput output = RunProject({Checkout({}, "src/missing.c\r\n")});
  EXPECT_EQ(output.exitCode, 1);
  EXPECT_THAT(output.out, HasSubstr("  cleartool: Error: "));
  EXPECT_THAT(output.out, HasSubstr("  FAILED: cleartool exited with code "));
  EXPECT_THAT(sandbox.Journal(), SizeIs(1));
}

TEST_F(RunTest, StopsAtTheFirstFailureUnlessKeepGoing) {
  const std::vector<TActionSpec> actions{
      Checkout({{"UseDefaultViewContext", "false"}, {"ViewContextPath", "/nowhere"}}),
      Checkout({})};
  const TRunOutput stopped = RunProject(actions);
  EXPECT_EQ(stopped.exitCode, 1);
  EXPECT_THAT(stopped.out, Not(HasSubstr("[2/2]")));
  EXPECT_THAT(stopped.out, HasSubstr("1 not run"));
  EXPECT_THAT(sandbox.Journal(), IsEmpty());

  const TRunOutput kept = RunProject(actions, {"--keep-going"});
  EXPECT_EQ(kept.exitCode, 1);
  EXPECT_THAT(kept.out, HasSubstr("[2/2]"));
  EXPECT_THAT(kept.out, HasSubstr("1 succeeded, 1 failed"));
  EXPECT_THAT(sandbox.Journal(), SizeIs(1));
}

TEST_F(RunTest, DisabledActionsAreSkipped) {
  TActionSpec disabled = Checkout({}, "src/b c.c\r\n");
  disabled.enabled = false;
  const TRunOutput output = RunProject({disabled, Checkout({})});
  EXPECT_EQ(output.exitCode, 0) << output.out;
  EXPECT_THAT(output.out, HasSubstr("[1/1]"));
  ASSERT_THAT(sandbox.Journal(), SizeIs(1));
  EXPECT_EQ(sandbox.Journal()[0].argv.back(), "src/a.c");
}

TEST_F(RunTest, DryRunOfThreeHundredCheckoutsStartsNothing) {
  const std::vector<TActionSpec> actions(300, Checkout({{"Reserved", "true"}}, kTwoFiles));
  const TRunOutput output = RunProject(actions, {"--dry-run"});
  EXPECT_EQ(output.exitCode, 0) << output.err;
  EXPECT_EQ(Count(output.out,
                  "  Command Line: checkout -reserved -nc -nquery \"src/a.c\" "
                  "\"src/b c.c\"\n"),
            300u);
  EXPECT_THAT(output.out, HasSubstr("[300/300]"));
  EXPECT_THAT(sandbox.Journal(), IsEmpty());
}

TEST_F(RunTest, UnreadableInputIsBadUsage) {
  sandbox.WriteProject("unknown.xml", {}, {{"NO_SUCH_TYPE", {}, "", true}});
  WriteText(sandbox.Path("broken.xml"), "<VantryProject version=\"1\">\n  <Actions>\n");
  const struct {
    const char* name;
    TArgv arguments;
    std::string message;
  } rows[] = {
      {"missing project", {"run", sandbox.Path("none.xml")}, "none.xml"},
      {"malformed project", {"run", sandbox.Path("broken.xml")}, "broken.xml:"},
      {"unknown action type", {"run", sandbox.Path("unknown.xml")}, "NO_SUCH_TYPE"},
      {"assignment without a name", {"run", sandbox.Path("unknown.xml"), "--var", "=x"}, "--var"},
      {"no project", {"run"}, "PROJECT"},
      {"unknown flag", {"run", sandbox.Path("unknown.xml"), "--fast"}, "--fast"},
      {"no command", {}, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const TRunOutput output = sandbox.Vantry(row.arguments);
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_THAT(output.err, HasSubstr(row.message));
  }
  EXPECT_THAT(sandbox.Journal(), IsEmpty());
}

TEST_F(RunTest, CorruptOptionsStoreIsBadUsageAndStaysUntouched) {
  const std::string corrupt = "<Options>\n  <Key name=\"ClearCase\"\n";
  WriteText(sandbox.OptionsFile(), corrupt);
  const TRunOutput output = RunProject({Checkout({})});
  EXPECT_EQ(output.exitCode, 2);
  EXPECT_THAT(output.err, HasSubstr(sandbox.OptionsFile()));
  EXPECT_EQ(sandbox.Vantry({"options", "set", "DesignTimeout", "1"}).exitCode, 2);
  EXPECT_EQ(ReadText(sandbox.OptionsFile()), corrupt);
  EXPECT_THAT(sandbox.Journal(), IsEmpty());
}

}  // namespace
}  // namespace vantry_test
