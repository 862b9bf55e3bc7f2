// vantry run against the cleartool stand-in: user text reaches cleartool as
// literal argv (never through a shell), runs that must start nothing, exit
// codes, --keep-going, --var and the input it refuses.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

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

using RunTest = TConfiguredTest;

const TProperty kInView{"UseDefaultViewContext", "true"};

TActionSpec Checkout(std::vector<TProperty> properties, const std::string& paths = "src/a.c\r\n") {
  properties.insert(properties.begin(),
                    {kInView, {"PathNameStorageString", paths}});
  return {"CC_CHECKOUT", properties, "Check out the sources"};
}

// User text reaches cleartool as literal arguments: no shell ever sees it
// (each text would create or fill "$ROOT/pwned", the sandbox's), and a double
// quote in a value, from --var here, never splits the argument it lands in:
// the unquoted-comment rule of old would have checked in src/b c.c.
TEST_F(RunTest, UserTextReachesCleartoolAsLiteralArgv) {
  const TActionSpec checkin{
      "CC_CHECKIN", {kInView, {"PathNameStorageString", "src/a.c\r\n"}, {"Comment", "%MSG%"}}};
  const struct {
    TActionSpec action;
    std::string message;  // the value of MSG
    TArgv expected;       // empty: the check-in with the message as its comment
  } rows[] = {
      {{"CC_GENERIC",
        {kInView,
         {"Command", "describe"},
         {"Arguments",
          "-short \"$(touch $ROOT/pwned)\" `touch $ROOT/pwned`;touch |cat &x >$ROOT/pwned "
          "\"two\nlines\" a\nb"}}},
       "",
       {"describe", "-short", "$(touch $ROOT/pwned)", "`touch", "$ROOT/pwned`;touch", "|cat", "&x",
        ">$ROOT/pwned", "two\nlines", "a\nb"}},
      {checkin,
       "$(touch $ROOT/pwned) `touch $ROOT/pwned`; touch $ROOT/pwned | touch $ROOT/pwned & "
       "echo >$ROOT/pwned\nsecond; line\r\n> third",
       {}},
      {checkin, "ok\" \"src/b c.c", {}},
      {checkin, "Nightly \"full build\"", {}},
      {checkin, "C:\\dir\\ \\\"x\\\\\" \\", {}},
      {checkin, "\t\"\"", {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message);
    const TRunOutput output =
        sandbox_.Run({row.action}, {"--var", "MSG=" + sandbox_.Resolved(row.message)});
    const auto journal = sandbox_.Journal();
    ASSERT_THAT(journal, SizeIs(1)) << output.out << output.err;  // nothing else ran
    EXPECT_THAT(
        journal[0].argv,
        ElementsAreArray(sandbox_.Resolved(
            row.expected.empty() ? TArgv{"checkin", "-c", row.message, "src/a.c"} : row.expected)));
    EXPECT_EQ(journal[0].cwd, std::filesystem::canonical(sandbox_.ViewPath()).string());
    EXPECT_EQ(output.exitCode, journal[0].status == 0 ? 0 : 1) << output.out;
    EXPECT_FALSE(std::filesystem::exists(sandbox_.Path("pwned")));
  }
}

// A string value reaches cleartool in its double quotes only when written
// with escaped quotes; cleartool refuses one without them.
TEST_F(RunTest, AStringAttributeValueIsWrittenWithEscapedQuotes) {
  const auto apply = [](const std::string& value) {
    return TActionSpec{"CC_APPLYATTR",
                       {{"AttributeName", "Status"},
                        {"AttributeValue", value},
                        {"Replace", "true"},
                        {"PathNameStorageString", "$VIEW/src/a.c\r\n"}}};
  };
  TRunOutput output = sandbox_.Run({apply("\\\"passed\\\""), apply("\"\\\"in test\\\"\"")});
  EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  auto journal = sandbox_.Journal();
  ASSERT_THAT(journal, SizeIs(2));
  EXPECT_THAT(journal[0].argv,
              ElementsAreArray(sandbox_.Resolved(TArgv{"mkattr", "-replace", "-pname", "-nc",
                                                      "Status", "\"passed\"", "$VIEW/src/a.c"})));
  EXPECT_EQ(journal[1].argv[5], "\"in test\"");
  output = sandbox_.Run({apply("passed")});
  EXPECT_EQ(output.exitCode, 1);
  EXPECT_THAT(output.err, HasSubstr("cleartool: Error: Value \"passed\" is not valid for value "
                                    "type \"string\""));
}

// A failure before cleartool starts keeps its message's words; the value
// looked at and its origin follow it.
TEST_F(RunTest, FailuresBeforeCleartoolShowTheValueLookedAt) {
  ASSERT_EQ(sandbox_.Vantry({"options", "set", "DefaultViewPath", "%ENV:HOME%/nope"}).exitCode, 0);
  const std::vector<TActionSpec> actions{
      {"UCM_SETACTIVITY", {{"ViewContextPath", "/no/such/view"}, {"ActivityName", "fix_23"}}},
      Checkout({})};
  const TRunOutput stopped = sandbox_.Run(actions);
  EXPECT_EQ(stopped.exitCode, 1);
  EXPECT_THAT(stopped.err, HasSubstr("  Error: The View Context Path you have specified is "
                                     "invalid or does not exist.\n    view context path: "
                                     "/no/such/view (the action's property ViewContextPath)\n"));
  EXPECT_THAT(stopped.err,
              HasSubstr("0 succeeded, 1 failed: [1] UCM Set Current Activity; 1 not run ("));
  const TRunOutput kept = sandbox_.Run(actions, {"--keep-going"});
  EXPECT_EQ(kept.exitCode, 1);
  EXPECT_THAT(kept.err,
              HasSubstr("\n  Error: The Default View you have specified is invalid or does not "
                        "exist. To rectify go to Tools->Options.\n    default view: " +
                        sandbox_.Path("home/nope") + " (options store " + sandbox_.OptionsFile() +
                        ", written as %ENV:HOME%/nope)\n"));
  EXPECT_THAT(kept.err, HasSubstr("0 succeeded, 2 failed"));
  EXPECT_THAT(sandbox_.Journal(), IsEmpty());
}

// A time-out too far ahead to reach is no limit, not an overflow.
TEST_F(RunTest, AHugeTimeOutMeansNoLimit) {
  const TRunOutput output = sandbox_.Run({Checkout({})}, {"--timeout", "9300000000000"});
  EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  EXPECT_THAT(sandbox_.Journal(), SizeIs(1));
}

// A device, a FIFO or a huge file named as project or options store is
// refused at once instead of filling memory or waiting for a writer; so are
// unreadable projects and options stores, which are left as they were.
TEST_F(RunTest, UnreadableInputIsBadUsage) {
  const std::string fifo = sandbox_.Path("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string huge = sandbox_.Path("huge.xml");
  WriteAll(huge, "");
  std::filesystem::resize_file(huge, 65u << 20);
  ExpectBadUsage(sandbox_, {"run", "/dev/zero"}, "\"/dev/zero\" is not a regular file");
  ExpectBadUsage(sandbox_, {"run", fifo}, "is not a regular file");
  ExpectBadUsage(sandbox_, {"run", huge}, "is larger than 64 MB");
  ExpectBadUsage(sandbox_, {"options", "show", "--options", fifo}, "is not a regular file");
  WriteAll(sandbox_.Path("broken.xml"), "<VantryProject version=\"1\">\n  <Actions>\n");
  WriteAll(sandbox_.Path("nul.xml"),
           "<VantryProject version=\"1\"><Actions><Action type=\"CC_CHECKOUT\">"
           "<Property name=\"PathNameStorageString\" value=\"src/a.c&#0;.bak\"/>"
           "</Action></Actions></VantryProject>\n");
  // The element left open, not the end of the file.
  ExpectBadUsage(sandbox_, {"run", sandbox_.Path("broken.xml")}, "broken.xml:2: error: ");
  ExpectBadUsage(sandbox_, {"run", sandbox_.Path("nul.xml")}, "a value holds a NUL character");
  ExpectBadUsage(sandbox_, {"run", sandbox_.Path("none.xml")}, "none.xml");
  // A misspelt property would otherwise check out unreserved.
  ExpectBadUsage(
      sandbox_,
      {"run", sandbox_.WriteProject("typo.xml", {}, {Checkout({{"Reserverd", "true"}})})},
      sandbox_.Path("typo.xml") +
          ":8: error: CC_CHECKOUT has no property \"Reserverd\"; did you mean \"Reserved\"?\n");
  ExpectBadUsage(sandbox_, {"run", sandbox_.Path("broken.xml"), "--var", "=x"}, "--var");
  ExpectBadUsage(sandbox_, {"run", sandbox_.Path("broken.xml"), "--fast"}, "--fast");
  // A corrupt options store is refused, and left as it was.
  const std::string corrupt = "<Options>\n  <Key name=\"ClearCase\"\n";
  WriteAll(sandbox_.OptionsFile(), corrupt);
  ExpectBadUsage(sandbox_, {"run", sandbox_.WriteProject("good.xml", {}, {Checkout({})})},
                 sandbox_.OptionsFile() + ":2: ");
  EXPECT_EQ(ReadAll(sandbox_.OptionsFile()), corrupt);
  EXPECT_THAT(sandbox_.Journal(), IsEmpty());
}

// One action's output, kept in a variable of the run, is read by a later one.
TEST_F(RunTest, FoundCheckoutsFillAVariableThatALaterActionReads) {
  const TRunOutput output = sandbox_.Run(
      {Checkout({}, "src/a.c\r\nsrc/b c.c\r\n"),
       {"CC_FINDCHECKOUTS",
        {kInView, {"Recurse", "true"}, {"WriteToVariable", "true"}, {"VariableName", "found"}}},
       Checkout({{"Comment", "Found: %FOUND%"}}, "docs/readme.txt\r\n")},
      {}, {{"FOUND", ""}});
  EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  const auto journal = sandbox_.Journal();
  ASSERT_THAT(journal, SizeIs(3));
  EXPECT_THAT(journal[2].argv,
              ElementsAreArray(TArgv{"checkout", "-c", "Found: src/a.c\nsrc/b c.c\n", "-nquery",
                                     "docs/readme.txt"}));
}

}  // namespace
}  // namespace vantry_test
