// Commands that change the world, each shown by a later listing. The
// end-to-end action tests show checking out and in (with the listings of
// checkouts and history), making and setting activities, making baselines,
// changing their level and a stream's recommended baselines.
#include <gtest/gtest.h>

#include "support.h"
#include "vycore/command_line.h"

namespace ctsim::test {
namespace {

constexpr const char* kSrc = "views/snap_view/vobs/src/src";

TEST(Change, LaterListingsShowTheChange) {
  struct Case {
    const char* cwd;
    std::vector<const char*> commands;  // changes, each silent on standard error; then a listing
    std::string shown;                  // part of the listing's output
  } cases[] = {
      {kSrc, {"uncheckout -keep util.h", "ls -short util.h"}, "util.h@@/main/3\n"},
      {kSrc,
       {"mkelem -eltype text_file -ci -nc new.c", "mkelem -mkpath -nc lib/x.c",
        "ls -recurse -short"},
       "lib@@/main/0\nlib/x.c@@/main/CHECKEDOUT\nnew.c@@/main/1\n"},
      {"views/snap_view",
       {"setcs -default", "catcs"},
       "element * CHECKEDOUT\nelement * /main/LATEST\n"},
      {"",
       {"mklbtype -ordinary -nc lbtype:REL_2@/vobs/src",
        "mklbtype -replace -global -nc lbtype:REL_1.0@/vobs/src",
        "lstype -short -kind lbtype -invob /vobs/src"},
       "REL_1.1\nREL_2\n"},
      {kSrc,
       {"mklabel -nc lbtype:REL_1.1@/vobs/src \"b c.c\"",
        "mklabel -replace -version /main/1 -nc REL_1.1 a.c", "describe \"b c.c\""},
       "  Labels:\n    REL_1.1\n"},
      {"",
       {"lock -nc lbtype:REL_1.1@/vobs/src", "unlock -nc lbtype:REL_0.9@/vobs/src",
        "lstype -short -kind lbtype -invob /vobs/src"},
       "REL_0.9\nREL_1.0\nREL_1.1 (locked)\n"},
      {"",
       {"mkattype -ordinary -vtype integer -ge 1 -default 5 -nc Priority@/vobs/src",
        "describe attype:Priority@/vobs/src"},
       "  value type: integer\n  default value: 5\n"},
      {kSrc,
       {"mkattr -pname -nc BuildNumber@/vobs/src 42 a.c",
        "mkattr -replace -default -pname -nc Status a.c", "describe a.c"},
       "    Status = untested\n    BuildNumber = 42\n"},
      {kSrc,
       {"mkattype -vtype string -default \\\"new\\\" -nc S@/vobs/src",
        "mkattr -pname -nc S@/vobs/src \"\\\"in test\\\"\" a.c",
        "mkattr -replace -pname -default -nc S@/vobs/src \"b c.c\"", "describe a.c"},
       "    S = in test\n"},
      {"",
       {"chstream -nc -policy POLICY_CHSTREAM_UNRESTRICTED -npolicy "
        "POLICY_DELIVER_REQUIRE_REBASE dev_alice@/vobs/pvob",
        "lsstream -l dev_alice@/vobs/pvob"},
       "  policies:\n    POLICY_CHSTREAM_UNRESTRICTED\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.commands[0]);
    WorldCopy world("demo.xml");
    Outcome o;
    for (const char* command : c.commands) {
      o = world.Run(c.cwd, vy::TokenizeCommandLine(command));
      EXPECT_EQ(o.status, 0) << command << ": " << o.err;
      EXPECT_EQ(o.err, "") << command;
    }
    EXPECT_NE(o.out.find(c.shown), std::string::npos) << o.out;
  }
}

TEST(Change, UpdateLoadsTheViewButPrintOnlyReports) {
  WorldCopy world("demo.xml");
  EXPECT_EQ(world.Run("views/snap_view", {"update", "-print", "-force", "-rename"}).status, 0);
  EXPECT_EQ(world.Text().find("updated="), std::string::npos);
  EXPECT_EQ(world.Run("views/snap_view", {"update", "-force"}).status, 0);
  EXPECT_NE(world.Text().find("updated="), std::string::npos);
}

TEST(Change, PartialFailureKeepsTheChangesMade) {
  WorldCopy world("demo.xml");
  Outcome o = world.Run(kSrc, {"checkout", "-nc", "a.c", "missing.c"});
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err,
            "cleartool: Error: Unable to access \"missing.c\": No such file or directory.\n");
  EXPECT_EQ(world.Run(kSrc, {"lscheckout", "-short"}).out, "a.c\nutil.h\n");
}

}  // namespace
}  // namespace ctsim::test
