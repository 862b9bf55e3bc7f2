// The runner's command-line conventions: version, help, unknown commands,
// exit codes per command, what goes to which stream, quiet and verbose runs,
// colour and the summary.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support.h"

namespace vantry_test {
namespace {

using ::testing::ContainsRegex;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;

struct TConventionCase {
  std::vector<std::string> arguments;
  int exitCode;
  const char* out;  // a part of standard output ("" : nothing is printed there)
  const char* err;  // a part of standard error
};

const TConventionCase kConventions[] = {
    {{"--version"}, 0, "vantry ", ""},
    {{}, 2, "", "vantry: a command is required\nCommands:\n  run "},
    {{"bogus"}, 2, "", "vantry: unknown command \"bogus\"\nCommands:\n  run "},
    {{"help"}, 0, "Usage: vantry [OPTIONS]", ""},
    {{"help", "options", "set"}, 0, "Usage: vantry options set [OPTIONS] SETTINGS...", ""},
    {{"run", "--help"}, 0, "Usage: vantry run [OPTIONS] PROJECT", ""},
    {{"help", "nope"}, 2, "", "vantry: no command \"nope\"\nCommands:\n"},
    {{"run", "p.vyp", "--timeout", "abc"}, 2, "",
     "--timeout: \"abc\" is not a whole number of milliseconds\n"},
};

TEST(ConventionsTest, VersionHelpUnknownCommandsAndBadNumbers) {
  TSandbox sandbox;
  for (const TConventionCase& row : kConventions) {
    SCOPED_TRACE(testing::PrintToString(row.arguments));
    const TRunOutput output = sandbox.Vantry(row.arguments);
    EXPECT_EQ(output.exitCode, row.exitCode) << output.err;
    if (*row.out == '\0') {
      EXPECT_EQ(output.out, "");
    }
    EXPECT_THAT(output.out, HasSubstr(row.out));
    EXPECT_THAT(output.err, HasSubstr(row.err));
    EXPECT_LT(output.err.size(), 1000u) << "short";
  }
}

// The exit code lines of a command's help.
std::string ExitCodes(const std::string& help) {
  return help.substr(help.find("Exit codes:"));
}

TEST(ConventionsTest, EachCommandsHelpListsItsOwnExitCodes) {
  TSandbox sandbox;
  for (const char* command : {"actions", "options", "new", "script"}) {
    EXPECT_THAT(ExitCodes(sandbox.Vantry({"help", command}).out),
                Not(ContainsRegex("\n  1 ")))
        << command;
  }
  EXPECT_THAT(ExitCodes(sandbox.Vantry({"help", "run"}).out), HasSubstr("\n  1 an action failed\n"));
  EXPECT_THAT(ExitCodes(sandbox.Vantry({"help", "query"}).out),
              HasSubstr("\n  1 cleartool could not be run"));
}

// Every command and every flag the program knows is in the README.
TEST(ConventionsTest, TheReadmeNamesEveryCommandAndFlag) {
  TSandbox sandbox;
  const std::string readme = ReadAll(std::string(VANTRY_SOURCE_DIR) + "/README.md");
  std::set<std::string> names;
  const std::regex command("\n  ([a-z]+) +[A-Z]");
  const std::string list = sandbox.Vantry({}).err;
  for (std::sregex_iterator it(list.begin(), list.end(), command), end; it != end; ++it) {
    names.insert((*it)[1]);
  }
  ASSERT_THAT(names, testing::Contains("script"));
  std::set<std::string> flags;
  const std::regex flag("(--[a-z-]+)");
  for (const std::vector<std::string>& path :
       std::vector<std::vector<std::string>>{{"help"}, {"help", "options", "set"},
                                             {"help", "options", "show"}}) {
    const std::string help = sandbox.Vantry(path).out;
    for (std::sregex_iterator it(help.begin(), help.end(), flag), end; it != end; ++it) {
      flags.insert((*it)[1]);
    }
  }
  for (const std::string& name : names) {
    const std::string help = sandbox.Vantry({"help", name}).out;
    for (std::sregex_iterator it(help.begin(), help.end(), flag), end; it != end; ++it) {
      flags.insert((*it)[1]);
    }
    EXPECT_NE(readme.find("vantry " + name), std::string::npos) << name;
  }
  ASSERT_THAT(flags, testing::Contains("--timeout"));
  for (const std::string& name : flags) EXPECT_NE(readme.find(name), std::string::npos) << name;
}

class StreamsTest : public TConfiguredTest {
 protected:
  // A checkout that works, a disabled one, a label that cleartool refuses and
  // a checkout that a stopped run never reaches; in a fresh world each time.
  std::string Project() const {
    sandbox.ResetWorld();
    const TProperty inView{"UseDefaultViewContext", "true"};
    TActionSpec disabled{"CC_CHECKOUT", {inView, {"PathNameStorageString", "src/util.h\r\n"}}};
    disabled.enabled = false;
    return sandbox.WriteProject(
        "streams.xml", {},
        {{"CC_CHECKOUT", {inView, {"PathNameStorageString", "src/a.c\r\nsrc/b c.c\r\n"}}},
         disabled,
         {"CC_LABEL",
          {inView, {"PathNameStorageString", "src/a.c\r\n"}, {"LabelTypeName", "REL_2"}},
          "Label REL_2"},
         {"CC_CHECKOUT", {inView, {"PathNameStorageString", "docs/readme.txt\r\n"}}}});
  }
};

constexpr const char* kCheckedOut =
    "Checked out \"src/a.c\" from version \"/main/2\".\n"
    "Checked out \"src/b c.c\" from version \"/main/1\".\n";
constexpr const char* kSummary =
    "1 succeeded, 1 failed: [2] ClearCase Apply Label: Label REL_2; 1 not run, 1 disabled action "
    "skipped (";

TEST_F(StreamsTest, ProgramOutputGoesToStdoutAndEverythingElseToStderr) {
  const TRunOutput output = sandbox.Vantry({"run", Project()});
  EXPECT_EQ(output.exitCode, 1);
  EXPECT_EQ(output.out, kCheckedOut);
  EXPECT_THAT(output.err, StartsWith("[1/3] ClearCase Check Out\n  Starting Directory: "));
  EXPECT_THAT(output.err, HasSubstr("\n[2/3] ClearCase Apply Label: Label REL_2\n"));
  EXPECT_THAT(output.err, HasSubstr("\n  cleartool: Error: "));
  EXPECT_THAT(output.err, HasSubstr("\n" + std::string(kSummary)));
  EXPECT_THAT(output.err + output.out, Not(HasSubstr("\033[")));
}

TEST_F(StreamsTest, QuietPrintsErrorsAndTheSummaryAndVerboseTheProgramFirst) {
  const TRunOutput quiet = sandbox.Vantry({"run", "-q", Project()});
  EXPECT_EQ(quiet.exitCode, 1);
  EXPECT_EQ(quiet.out, "");
  // The heading of the failed action only, for its errors.
  EXPECT_THAT(quiet.err, StartsWith("[2/3] ClearCase Apply Label: Label REL_2\n  cleartool: Error: "));
  EXPECT_THAT(quiet.err, Not(HasSubstr("Command Line:")));
  EXPECT_THAT(quiet.err, Not(HasSubstr("succeeded in")));
  EXPECT_THAT(quiet.err, HasSubstr("\n" + std::string(kSummary)));

  const TRunOutput verbose =
      sandbox.Vantry({"run", "-v", Project()}, TSandbox::TStreams::Together);
  EXPECT_THAT(verbose.out,
              HasSubstr("\"src/a.c\" \"src/b c.c\"\n  Program: " + std::string(CLEARTOOL_EXE) +
                        "\n" + kCheckedOut + "  succeeded in "));
}

TEST_F(StreamsTest, ColourOnlyOnATerminalWithoutNoColourOrADumbTerminal) {
  sandbox.SetEnv("TERM", "xterm");
  EXPECT_THAT(sandbox.Vantry({"run", Project()}, TSandbox::TStreams::Terminal).out,
              HasSubstr("\033[31m"));
  EXPECT_THAT(sandbox.Vantry({"run", Project()}, TSandbox::TStreams::Together).out,
              Not(HasSubstr("\033[")));
  sandbox.SetEnv("TERM", "dumb");
  EXPECT_THAT(sandbox.Vantry({"run", Project()}, TSandbox::TStreams::Terminal).out,
              Not(HasSubstr("\033[")));
  sandbox.SetEnv("TERM", "xterm");
  sandbox.SetEnv("NO_COLOR", "1");
  const std::string plain = sandbox.Vantry({"run", Project()}, TSandbox::TStreams::Terminal).out;
  EXPECT_THAT(plain, HasSubstr("Label REL_2"));
  EXPECT_THAT(plain, Not(HasSubstr("\033[")));
}

}  // namespace
}  // namespace vantry_test
