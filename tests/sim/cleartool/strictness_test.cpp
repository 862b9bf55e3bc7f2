// Refusals in cleartool's words (standard error, exit status 1, no change) and
// warnings. An unknown VOB and a string value without its quotes are the
// end-to-end runs'.
#include <gtest/gtest.h>

#include <regex>

#include "support.h"
#include "vycore/command_line.h"

namespace ctsim::test {
namespace {

constexpr const char* kSrc = "views/snap_view/vobs/src/src";
constexpr const char* kDev = "views/dev_view";

std::string E(const std::string& message) {
  return "cleartool: Error: " + message + "\n";
}

TEST(Refusal, PrintsErrorAndFailsWithoutChange) {
  struct Case {
    const char* cwd;
    const char* command;
    std::string err;  // the whole standard error
    const char* world = "demo.xml";
  } cases[] = {
      {"", "mkbl -co x", E("Unrecognized option \"-co\"")},  // -comment or -component
      {"", "lsvob -x", "cleartool: Error: Unrecognized option \"-x\"\r\n", "windows.xml"},
      {"", "-booh", E("Unrecognized command: \"-booh\"")},
      {kSrc, "checkout -nc", E("Missing operand.")},
      {"", "chstream -nc -generate dev@/vobs/pvob", E("stream not found: \"dev@/vobs/pvob\".")},
      {"", "mklbtype -nc lbtype:REL_1.0@/vobs/src", E("Name \"REL_1.0\" already exists.")},
      {kSrc, "mklabel -nc REL_1.0 a.c",
       E("Label \"REL_1.0\" is already on \"a.c\" version \"/main/1\".")},
      {kSrc, "mklabel -nc REL_0.9 a.c",
       E("Lock on label type \"REL_0.9\" prevents operation \"make label\".")},
      // Values by their type: a string in its double quotes, a whole number.
      {kSrc, "mkattr -nc BuildNumber 4.5 a.c",
       E("Value \"4.5\" is not valid for value type \"integer\" (a whole number).")},
      {kSrc, "mkattr -nc BuildNumber \\\"42\\\" a.c",
       E("Value \"\"42\"\" is not valid for value type \"integer\" (a whole number).")},
      {"", "mkattype -vtype string -default untested -nc S@/vobs/src",
       E("Value \"untested\" is not valid for value type \"string\" (a string value is written "
         "in double quotes).")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    WorldCopy world(c.world);
    std::string before = world.Text();
    Outcome o = world.Run(c.cwd, vy::TokenizeCommandLine(c.command));
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, c.err);
    EXPECT_EQ(world.Text(), before);
  }
}

TEST(Refusal, NothingToBaselineIsAWarning) {
  WorldCopy world("demo.xml");
  // Moves the stream's activities away, so it has nothing to baseline.
  WriteAll(world.World(), std::regex_replace(world.Text(), std::regex("stream=\"dev_alice\" head"),
                                             "stream=\"webshop_int\" head"));
  Outcome o = world.Run(kDev, {"mkbl", "-nc", "-all", "BL_X"});
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(o.err,
            "cleartool: Warning: No changes in stream \"dev_alice\" need a baseline; no baseline "
            "was created.\n");
  EXPECT_EQ(world.Run("", {"lsbl", "-short", "-stream", "dev_alice@/vobs/pvob"}).out, "");
}

}  // namespace
}  // namespace ctsim::test
