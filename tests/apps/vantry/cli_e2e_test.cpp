// The runner's command-line conventions: version, help, unknown commands,
// exit codes per command, what goes to which stream, quiet and verbose runs,
// colour and the summary; and the README and the stand-in's walkthrough
// that describe them.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support.h"

namespace vantry_test {
namespace {

using ::testing::HasSubstr;
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
    // Each command's help lists its own exit codes.
    {{"help", "run"}, 0, "\n  1 an action failed\n", ""},
    {{"help", "query"}, 0, "\n  1 cleartool could not be run", ""},
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
  std::vector<std::vector<std::string>> helps{{"help"}, {"help", "options", "set"},
                                              {"help", "options", "show"}};
  for (const std::string& name : names) {
    helps.push_back({"help", name});
    EXPECT_NE(readme.find("vantry " + name), std::string::npos) << name;
  }
  std::set<std::string> flags;
  const std::regex flag("(--[a-z-]+)");
  for (const std::vector<std::string>& path : helps) {
    const std::string help = sandbox.Vantry(path).out;
    for (std::sregex_iterator it(help.begin(), help.end(), flag), end; it != end; ++it) {
      flags.insert((*it)[1]);
    }
  }
  ASSERT_THAT(flags, testing::Contains("--timeout"));
  for (const std::string& name : flags) EXPECT_NE(readme.find(name), std::string::npos) << name;
}

// The stand-in's walkthrough (the first shell block after its heading), run
// as the page writes it, on a machine whose user has no options yet.
TEST(StandInWalkthroughTest, WorksAsWrittenOnAFreshMachine) {
  TSandbox sandbox;
  const std::string page = ReadAll(std::string(VANTRY_SOURCE_DIR) + "/docs/cleartool-stand-in.md");
  const std::size_t start =
      page.find("```sh\n", page.find("## Trying a build project without a ClearCase server"));
  ASSERT_NE(start, std::string::npos);
  std::string script = page.substr(start + 6, page.find("```\n", start + 6) - start - 6);
  ASSERT_THAT(script, HasSubstr("cleartool sim-layout"));
  // This build instead of the one the page names, a sandbox instead of /tmp/world.
  const std::string bin = std::filesystem::path(VANTRY_EXE).parent_path().string();
  script = std::regex_replace(script, std::regex("\\$PWD/build/dev/bin"), bin);
  script = std::regex_replace(script, std::regex("/tmp/world"), sandbox.Path("world"));
  for (const char* name : {"VANTRY_OPTIONS", "VANTRY_PLUGIN_PATH", "CLEARTOOL_SIM_WORLD"})
    sandbox.UnsetEnv(name);
  const TRunOutput output = sandbox.Shell(script, VANTRY_SOURCE_DIR);
  EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  EXPECT_THAT(output.out, HasSubstr("dev_alice_view           " + sandbox.Path("world/views/dev_view")));
  EXPECT_THAT(output.out, HasSubstr("Checked out \"src/a.c\" from version \"/main/2\".\n"));
  EXPECT_THAT(output.err, HasSubstr("\n1 succeeded ("));
  // The options went where a new user's go.
  EXPECT_TRUE(std::filesystem::exists(sandbox.Path("config/vantry/options.xml")));
}

class StreamsTest : public TConfiguredTest {
 protected:
  // A checkout that works, a disabled one, a label that cleartool refuses and
  // a checkout that a stopped run never reaches; in a fresh world each time.
  // The label is a variable of the project.
  std::string Project() const {
    sandbox_.ResetWorld();
    const TProperty inView{"UseDefaultViewContext", "true"};
    TActionSpec disabled{"CC_CHECKOUT", {inView, {"PathNameStorageString", "src/util.h\r\n"}}};
    disabled.enabled = false;
    return sandbox_.WriteProject(
        "streams.xml", {{"LABEL", "REL_1"}},
        {{"CC_CHECKOUT", {inView, {"PathNameStorageString", "src/a.c\r\nsrc/b c.c\r\n"}}},
         disabled,
         {"CC_LABEL",
          {inView, {"PathNameStorageString", "src/a.c\r\n"}, {"LabelTypeName", "%LABEL%"}},
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
  const TRunOutput output = sandbox_.Vantry({"run", Project()});
  EXPECT_EQ(output.exitCode, 1);
  EXPECT_EQ(output.out, kCheckedOut);
  EXPECT_THAT(output.err, StartsWith("[1/3] ClearCase Check Out\n  Starting Directory: "));
  EXPECT_THAT(output.err, HasSubstr("\n[2/3] ClearCase Apply Label: Label REL_2\n"));
  EXPECT_THAT(output.err, HasSubstr("\n  cleartool: Error: "));
  EXPECT_THAT(output.err, HasSubstr("\n" + std::string(kSummary)));
  EXPECT_THAT(output.err + output.out, Not(HasSubstr("\033[")));
  // --keep-going runs the action after the failure too.
  const TRunOutput kept = sandbox_.Vantry({"run", Project(), "--keep-going"});
  EXPECT_EQ(kept.exitCode, 1);
  EXPECT_THAT(kept.err, HasSubstr("\n  FAILED: cleartool exited with code 1 ("));
  EXPECT_THAT(kept.err,
              HasSubstr("\n2 succeeded, 1 failed: [2] ClearCase Apply Label: Label REL_2; "
                        "1 disabled action skipped ("));
}

TEST_F(StreamsTest, QuietPrintsErrorsAndTheSummaryAndVerboseTheProgramFirst) {
  const TRunOutput quiet = sandbox_.Vantry({"run", "-q", Project()});
  EXPECT_EQ(quiet.exitCode, 1);
  EXPECT_EQ(quiet.out, "");
  // The heading of the failed action only, for its errors.
  EXPECT_THAT(quiet.err, StartsWith("[2/3] ClearCase Apply Label: Label REL_2\n  cleartool: Error: "));
  EXPECT_THAT(quiet.err, Not(HasSubstr("Command Line:")));
  EXPECT_THAT(quiet.err, Not(HasSubstr("succeeded in")));
  EXPECT_THAT(quiet.err, HasSubstr("\n" + std::string(kSummary)));

  // Values given with --var win over the project's; -v prints them all.
  const TRunOutput verbose =
      sandbox_.Vantry({"run", "-v", Project(), "--var", "LABEL=REL_2", "--var", "EXTRA=a=b"},
                     TSandbox::TStreams::Together);
  EXPECT_THAT(verbose.out, HasSubstr("Variables:\n  EXTRA=a=b\n  LABEL=REL_2\n"));
  EXPECT_THAT(verbose.out, HasSubstr("  Command Line: mklabel -nc lbtype:REL_2 \"src/a.c\"\n"));
  EXPECT_THAT(verbose.out,
              HasSubstr("\"src/a.c\" \"src/b c.c\"\n  Program: " + std::string(CLEARTOOL_EXE) +
                        "\n" + kCheckedOut + "  succeeded in "));
}

TEST_F(StreamsTest, ColourOnlyOnATerminalWithoutNoColourOrADumbTerminal) {
  const struct {
    const char* term;
    const char* noColor;  // nullptr: not set
    TSandbox::TStreams streams;
    bool coloured;
  } rows[] = {{"xterm", nullptr, TSandbox::TStreams::Terminal, true},
              {"dumb", nullptr, TSandbox::TStreams::Terminal, false},
              {"xterm", "1", TSandbox::TStreams::Terminal, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.term) + (row.noColor ? " NO_COLOR" : ""));
    sandbox_.SetEnv("TERM", row.term);
    if (row.noColor) sandbox_.SetEnv("NO_COLOR", row.noColor);
    const std::string out = sandbox_.Vantry({"run", Project()}, row.streams).out;
    EXPECT_THAT(out, HasSubstr("Label REL_2"));
    EXPECT_EQ(out.find("\033[31m") != std::string::npos, row.coloured) << out;
    EXPECT_EQ(out.find("\033[") != std::string::npos, row.coloured);
  }
}

}  // namespace
}  // namespace vantry_test
