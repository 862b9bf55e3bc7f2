// vantry run against the cleartool stand-in: how check-out values split into
// the argv cleartool receives, runs that must start nothing, exit codes,
// --keep-going, --dry-run and the input it refuses.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
using RunTest = TConfiguredTest;

constexpr const char* kOneFile = "src/a.c\r\n";
constexpr const char* kTwoFiles = "src/a.c\r\nsrc/b c.c\r\n";

TActionSpec Checkout(std::vector<TProperty> properties, const std::string& paths = kOneFile) {
  properties.insert(properties.begin(),
                    {{"UseDefaultViewContext", "true"}, {"PathNameStorageString", paths}});
  return {"CC_CHECKOUT", properties, "Check out the sources"};
}

struct TCheckoutCase {
  const char* name;
  std::vector<TProperty> properties;
  std::string paths;
  TArgv expected;  // after "checkout"
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
     {"-out", "$ROOT/home/a copy.c", "-nc", "-nquery", "src/a.c"}},
    {"quotes in a comment group and are dropped",
     {{"Comment", "say \"hi\""}},
     kOneFile,
     {"-c", "say hi", "-nquery", "src/a.c"}},
};

TEST_F(RunTest, CheckoutSettingsReachCleartoolAsExpectedArgv) {
  for (const TCheckoutCase& row : kCheckoutCases) {
    SCOPED_TRACE(row.name);
    const TRunOutput output =
        sandbox.Run({Checkout(row.properties, row.paths)}, {}, {{"LABEL", "REL_1"}});
    TArgv expected{"checkout"};
    expected.insert(expected.end(), row.expected.begin(), row.expected.end());
    const auto journal = sandbox.Journal();
    ASSERT_THAT(journal, SizeIs(1)) << output.out << output.err;
    EXPECT_THAT(journal[0].argv, ElementsAreArray(sandbox.Resolved(expected)));
    EXPECT_EQ(journal[0].cwd, Physical(sandbox.ViewPath()));
    EXPECT_EQ(output.exitCode, journal[0].status == 0 ? 0 : 1) << output.out;
  }
}

// Values given with --var win over the project's; -v prints them all.
TEST_F(RunTest, SkipsDisabledActionsAndPrintsProgressTheLogAndTheOutcome) {
  TActionSpec disabled = Checkout({}, "src/b c.c\r\n");
  disabled.enabled = false;
  const TRunOutput output = sandbox.Run(
      {disabled, Checkout({{"Reserved", "true"}, {"Comment", "Build %LABEL%"}}, kTwoFiles)},
      {"-v", "--var", "LABEL=REL_2", "--var", "EXTRA=a=b"}, {{"LABEL", "REL_1"}});
  EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  EXPECT_THAT(output.out, HasSubstr("Variables:\n  EXTRA=a=b\n  LABEL=REL_2\n"));
  EXPECT_THAT(output.out, HasSubstr("[1/1] ClearCase Check Out: Check out the sources\n"));
  EXPECT_THAT(output.out, HasSubstr("  Program: " + std::string(CLEARTOOL_EXE) + "\n"));
  EXPECT_THAT(output.out, HasSubstr("  Starting Directory: " + sandbox.ViewPath() + "\n"));
  EXPECT_THAT(output.out, HasSubstr("  Command Line: checkout -reserved -c \"Build REL_2\" -nquery "
                                    "\"src/a.c\" \"src/b c.c\"\n"));
  EXPECT_THAT(output.out, HasSubstr("  succeeded in "));
  EXPECT_THAT(output.out, Not(HasSubstr("\033[")));  // no colour into a file
  EXPECT_THAT(output.err, IsEmpty());
  EXPECT_THAT(sandbox.Journal(), SizeIs(1));
}

// The first two actions fail before cleartool starts, the third in it.
TEST_F(RunTest, FailuresSayWhyAndStopTheRunUnlessKeepGoing) {
  const std::vector<TActionSpec> actions{
      {"UCM_SETACTIVITY", {{"ViewContextPath", "/no/such/view"}, {"ActivityName", "fix_23"}}},
      Checkout({{"Comment", "Build %NOPE%"}}),
      Checkout({}, "src/missing.c\r\n"),
      Checkout({})};
  const TRunOutput stopped = sandbox.Run(actions);
  EXPECT_EQ(stopped.exitCode, 1);
  EXPECT_THAT(stopped.out, HasSubstr("  Error: The View Context Path you have specified is "
                                     "invalid or does not exist.\n"));
  EXPECT_THAT(stopped.out, Not(HasSubstr("[2/4]")));
  EXPECT_THAT(stopped.out, HasSubstr("3 not run"));
  EXPECT_THAT(sandbox.Journal(), IsEmpty());

  const TRunOutput kept = sandbox.Run(actions, {"--keep-going"});
  EXPECT_EQ(kept.exitCode, 1);
  EXPECT_THAT(kept.out, HasSubstr("[4/4]"));
  EXPECT_THAT(kept.out, HasSubstr("NOPE"));
  EXPECT_THAT(kept.out, HasSubstr("  cleartool: Error: "));
  EXPECT_THAT(kept.out, HasSubstr("  FAILED: cleartool exited with code "));
  EXPECT_EQ(Count(kept.out, "  FAILED: "), 3u);
  EXPECT_THAT(kept.out, HasSubstr("1 succeeded, 3 failed"));
  EXPECT_THAT(sandbox.Journal(), SizeIs(2));
}

TEST_F(RunTest, DryRunOfThreeHundredCheckoutsStartsNothing) {
  const std::vector<TActionSpec> actions(300, Checkout({{"Reserved", "true"}}, kTwoFiles));
  const TRunOutput output = sandbox.Run(actions, {"--dry-run"});
  EXPECT_EQ(output.exitCode, 0) << output.err;
  EXPECT_EQ(Count(output.out,
                  "  Command Line: checkout -reserved -nc -nquery \"src/a.c\" "
                  "\"src/b c.c\"\n"),
            300u);
  EXPECT_THAT(output.out, HasSubstr("[300/300]"));
  EXPECT_THAT(sandbox.Journal(), IsEmpty());
}

TEST_F(RunTest, UnreadableInputAndACorruptOptionsStoreAreBadUsage) {
  sandbox.WriteProject("unknown.xml", {}, {{"NO_SUCH_TYPE", {}, "", true}});
  WriteText(sandbox.Path("broken.xml"), "<VantryProject version=\"1\">\n  <Actions>\n");
  WriteText(sandbox.Path("nul.xml"),
            "<VantryProject version=\"1\"><Actions><Action type=\"CC_CHECKOUT\">"
            "<Property name=\"PathNameStorageString\" value=\"src/a.c&#0;.bak\"/>"
            "</Action></Actions></VantryProject>\n");
  const struct {
    const char* name;
    TArgv arguments;
    std::string message;
  } rows[] = {
      {"missing project", {"run", sandbox.Path("none.xml")}, "none.xml"},
      {"malformed project", {"run", sandbox.Path("broken.xml")}, "broken.xml:"},
      {"unknown action type", {"run", sandbox.Path("unknown.xml")}, "NO_SUCH_TYPE"},
      {"value holding a NUL", {"run", sandbox.Path("nul.xml")}, "a value holds a NUL character"},
      {"assignment without a name", {"run", sandbox.Path("unknown.xml"), "--var", "=x"}, "--var"},
      {"unknown flag", {"run", sandbox.Path("unknown.xml"), "--fast"}, "--fast"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const TRunOutput output = sandbox.Vantry(row.arguments);
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_THAT(output.err, HasSubstr(row.message));
  }
  // A corrupt options store is refused, and left as it was.
  const std::string corrupt = "<Options>\n  <Key name=\"ClearCase\"\n";
  WriteText(sandbox.OptionsFile(), corrupt);
  const TRunOutput output = sandbox.Run({Checkout({})});
  EXPECT_EQ(output.exitCode, 2);
  EXPECT_THAT(output.err, HasSubstr(sandbox.OptionsFile()));
  EXPECT_EQ(sandbox.Vantry({"options", "set", "DesignTimeout", "1"}).exitCode, 2);
  EXPECT_EQ(ReadText(sandbox.OptionsFile()), corrupt);
  EXPECT_THAT(sandbox.Journal(), IsEmpty());
}

}  // namespace
}  // namespace vantry_test
