// Output formats of the listing commands, exactly as the package's parsers read them.
#include <gtest/gtest.h>

#include "support.h"
#include "vycore/command_line.h"

namespace ctsim::test {
namespace {

constexpr const char* kSnapSrc = "views/snap_view/vobs/src";
constexpr const char* kDev = "views/dev_view";

TEST(Listing, PrintsCleartoolsFormat) {
  struct Case {
    const char* cwd;
    const char* command;
    std::string out;
    const char* world = "demo.xml";
  } cases[] = {
      {"", "lsvob",
       "* /vobs/pvob               /net/buildhost/vobstore/pvob.vbs public (ucmvob)\n"
       "* /vobs/src                /net/buildhost/vobstore/src.vbs public\n"},
      {"", "lsvob -short", "/vobs/pvob\n/vobs/src\n"},
      {"", "lstype -short -kind lbtype -invob /vobs/src",
       "NIGHTLY\nREL_0.9 (locked)\nREL_1.0\nREL_1.1\n"},
      {"", "lstype -local -short -kind attype -invob /vobs/src", "BuildNumber\nStatus\n"},
      {kSnapSrc, "lshistory -short src/a.c",
       "src/a.c@@/main/2\nsrc/a.c@@/main/dev/1\nsrc/a.c@@/main/dev/0\n"
       "src/a.c@@/main/dev\nsrc/a.c@@/main/1\nsrc/a.c@@/main/0\nsrc/a.c@@/main\n"
       "src/a.c@@\n"},
      {kSnapSrc, "lscheckout -short -r", "src/util.h\n"},
      {kSnapSrc, "lscheckout -short", ""},
      {"views/snap_view", "catcs",
       "element * CHECKEDOUT\nelement * /main/LATEST\nload /vobs/src\n"},
      {"", "describe vob:/vobs/pvob",
       "versioned object base \"/vobs/pvob\"\n"
       "  created 2005-01-17T10:50:13 by vobadm\n"
       "  master replica: original@/vobs/pvob\n  replica name: original\n"
       "  VOB family feature level: 5\n"
       "  VOB storage host:pathname \"buildhost:/net/buildhost/vobstore/pvob.vbs\"\n"
       "  VOB storage global pathname \"/net/buildhost/vobstore/pvob.vbs\"\n"
       "  VOB ownership:\n    owner vobadm\n    group ccusers\n"
       "  promotion levels:\n    REJECTED\n    INITIAL\n    BUILT\n    TESTED\n"
       "    RELEASED\n  default promotion level: INITIAL\n"},
      {kDev, "lsstream -long -cview",
       "stream \"dev_alice\"\n  created 2005-01-17T10:50:13 by vobadm\n"
       "  owner: vobadm\n  group: ccusers\n  title: dev_alice\n"
       "  project: webshop@/vobs/pvob\n"
       "  default deliver stream: webshop_int@/vobs/pvob\n"
       "  contains activities:\n    fix_23@/vobs/pvob\n    feature_login@/vobs/pvob\n"
       "  foundation baselines:\n"
       "    BL_1@/vobs/pvob (comp_core@/vobs/pvob) (modifiable)\n"
       "    DOCS_1@/vobs/pvob (comp_docs@/vobs/pvob)\n"
       "  recommended baselines:\n  views:\n    dev_alice_view\n"
       "  policies:\n    POLICY_DELIVER_REQUIRE_REBASE\n"},
      {"", "-version",
       "Rational ClearCase 2003.06.00 (Wed May 14 01:26:43 2003)\n"
       "cleartool                         2003.06.00 (Wed May 14 01:26:43 2003)\n"
       "db_server                         2003.06.00 (Wed May 14 01:26:43 2003)\n"},
      {"", "-version",
       "Rational ClearCase LT Client 2002.05.00 (Mon Oct 29 13:49:09 2001)\n"
       "cleartool                         2002.05.00 (Mon Oct 29 13:49:09 2001)\n"
       "db_server                         2002.05.00 (Mon Oct 29 13:49:09 2001)\n",
       "lt.xml"},
      {"views/win_snap/src", "ls -r -short", "app@@\\main\\1\r\napp\\main.c@@\\main\\2\r\n",
       "windows.xml"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    WorldCopy world(c.world);
    Outcome o = world.Run(c.cwd, vy::TokenizeCommandLine(c.command));
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, c.out);
  }
}

TEST(Listing, RecursiveListingShowsCheckoutsAndViewPrivateNames) {
  WorldCopy world("demo.xml");
  WriteAll(world.Path(std::string(kSnapSrc) + "/src/notes.tmp"), "x");
  Outcome o = world.Run(kSnapSrc, {"ls", "-recurse", "-short"});
  EXPECT_EQ(o.out,
            "docs@@/main/1\ndocs/readme.txt@@/main/1\nsrc@@/main/2\nsrc/a.c@@/main/2\n"
            "src/b c.c@@/main/1\nsrc/notes.tmp\nsrc/util.h@@/main/CHECKEDOUT\n");
}

}  // namespace
}  // namespace ctsim::test
