// Output formats of the listing commands, exactly as the package's parsers read them.
#include <gtest/gtest.h>

#include "support.h"

namespace ctsim::test {
namespace {

constexpr const char* kSnapSrc = "views/snap_view/vobs/src";
constexpr const char* kDev = "views/dev_view";

struct ListingCase {
  const char* name;
  const char* cwd;
  std::vector<std::string> args;
  std::string out;
  const char* world = "demo.xml";
};

class ListingTest : public ::testing::TestWithParam<ListingCase> {};

TEST_P(ListingTest, PrintsCleartoolsFormat) {
  const ListingCase& c = GetParam();
  WorldCopy world(c.world);
  Outcome o = world.Run(c.cwd, c.args);
  EXPECT_EQ(o.err, "");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Demo, ListingTest,
    ::testing::Values(
        ListingCase{"lsvob",
                    "",
                    {"lsvob"},
                    "* /vobs/pvob               /net/buildhost/vobstore/pvob.vbs public (ucmvob)\n"
                    "* /vobs/src                /net/buildhost/vobstore/src.vbs public\n"},
        ListingCase{"lsvob_short", "", {"lsvob", "-short"}, "/vobs/pvob\n/vobs/src\n"},
        ListingCase{"lstype_locked",
                    "",
                    {"lstype", "-short", "-kind", "lbtype", "-invob", "/vobs/src"},
                    "NIGHTLY\nREL_0.9 (locked)\nREL_1.0\nREL_1.1\n"},
        ListingCase{"lstype_local",
                    "",
                    {"lstype", "-local", "-short", "-kind", "attype", "-invob", "/vobs/src"},
                    "BuildNumber\nStatus\n"},
        ListingCase{"lstype_in_cwd_vob",
                    kSnapSrc,
                    {"lstype", "-short", "-kind", "eltype"},
                    "compressed_file\ndirectory\nfile\ntext_file\n"},
        ListingCase{
            "lspool", "", {"lspool", "-short", "-invob", "/vobs/src"}, "sdft\nddft\ncdft\n"},
        ListingCase{"lshistory",
                    kSnapSrc,
                    {"lshistory", "-short", "src/a.c"},
                    "src/a.c@@/main/2\nsrc/a.c@@/main/dev/1\nsrc/a.c@@/main/dev/0\n"
                    "src/a.c@@/main/dev\nsrc/a.c@@/main/1\nsrc/a.c@@/main/0\nsrc/a.c@@/main\n"
                    "src/a.c@@\n"},
        ListingCase{"lshistory_blank",
                    "views/snap_view/vobs/src/src",
                    {"lshistory", "-short", "b c.c"},
                    "b c.c@@/main/1\nb c.c@@/main/0\nb c.c@@/main\nb c.c@@\n"},
        ListingCase{"ls_recurse",
                    kSnapSrc,
                    {"ls", "-recurse", "-short"},
                    "docs@@/main/1\ndocs/readme.txt@@/main/1\nsrc@@/main/2\nsrc/a.c@@/main/2\n"
                    "src/b c.c@@/main/1\nsrc/util.h@@/main/CHECKEDOUT\n"},
        ListingCase{"lscheckout", kSnapSrc, {"lscheckout", "-short", "-r"}, "src/util.h\n"},
        ListingCase{"lscheckout_here_only", kSnapSrc, {"lscheckout", "-short"}, ""},
        ListingCase{"catcs",
                    "views/snap_view",
                    {"catcs"},
                    "element * CHECKEDOUT\nelement * /main/LATEST\nload /vobs/src\n"},
        ListingCase{"lsactivity",
                    "",
                    {"lsactivity", "-short", "-invob", "/vobs/pvob"},
                    "fix_23\nfeature_login\nintegrate_1\n"},
        ListingCase{"lsactivity_in_stream",
                    "",
                    {"lsactivity", "-short", "-in", "dev_alice@/vobs/pvob"},
                    "fix_23\nfeature_login\n"},
        ListingCase{"lsactivity_in_project",
                    "",
                    {"lsactivity", "-short", "-in", "webshop@/vobs/pvob"},
                    "integrate_1\nfix_23\nfeature_login\n"},
        ListingCase{"lscomp_view", kDev, {"lscomp", "-short"}, "comp_core\ncomp_docs\n"},
        ListingCase{
            "lsfolder", "", {"lsfolder", "-short", "-invob", "/vobs/pvob"}, "RootFolder\nApps\n"},
        ListingCase{"lsproject", "", {"lsproject", "-short", "-invob", "/vobs/pvob"}, "webshop\n"},
        ListingCase{"lsstream_in",
                    "",
                    {"lsstream", "-short", "-in", "webshop@/vobs/pvob"},
                    "webshop_int\ndev_alice\n"},
        ListingCase{"lsbl",
                    "",
                    {"lsbl", "-short", "-stream", "webshop_int@/vobs/pvob"},
                    "BL_0\nBL_1\nBL_2\nDOCS_1\n"},
        ListingCase{"describe_attype",
                    "",
                    {"describe", "attype:Status@/vobs/src"},
                    "attribute type \"Status\"\n  created 2005-01-17T10:50:13 by vobadm\n"
                    "  owner: vobadm\n  group: ccusers\n  scope: this VOB (ordinary type)\n"
                    "  value type: string\n  default value: \"untested\"\n"
                    "  constraint: one per element\n"},
        ListingCase{"describe_pvob",
                    "",
                    {"describe", "vob:/vobs/pvob"},
                    "versioned object base \"/vobs/pvob\"\n"
                    "  created 2005-01-17T10:50:13 by vobadm\n"
                    "  master replica: original@/vobs/pvob\n  replica name: original\n"
                    "  VOB family feature level: 5\n"
                    "  VOB storage host:pathname \"buildhost:/net/buildhost/vobstore/pvob.vbs\"\n"
                    "  VOB storage global pathname \"/net/buildhost/vobstore/pvob.vbs\"\n"
                    "  VOB ownership:\n    owner vobadm\n    group ccusers\n"
                    "  promotion levels:\n    REJECTED\n    INITIAL\n    BUILT\n    TESTED\n"
                    "    RELEASED\n  default promotion level: INITIAL\n"},
        ListingCase{"lsstream_cview",
                    kDev,
                    {"lsstream", "-long", "-cview"},
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
        ListingCase{"lsproject_long",
                    "",
                    {"lsproject", "-l", "webshop@/vobs/pvob"},
                    "project \"webshop\"\n  created 2005-01-17T10:50:13 by vobadm\n"
                    "  owner: vobadm\n  group: ccusers\n  title: webshop\n"
                    "  folder: Apps@/vobs/pvob\n  integration stream: webshop_int@/vobs/pvob\n"
                    "  foundation baselines:\n"
                    "    BL_0@/vobs/pvob (comp_core@/vobs/pvob) (modifiable)\n"
                    "    DOCS_1@/vobs/pvob (comp_docs@/vobs/pvob)\n"
                    "  recommended baselines:\n"
                    "    BL_1@/vobs/pvob (comp_core@/vobs/pvob) (modifiable)\n"
                    "    DOCS_1@/vobs/pvob (comp_docs@/vobs/pvob)\n"
                    "  modifiable components:\n    comp_core@/vobs/pvob\n"
                    "  development streams:\n    dev_alice@/vobs/pvob\n"},
        ListingCase{"version_full",
                    "",
                    {"-version"},
                    "Rational ClearCase 2003.06.00 (Wed May 14 01:26:43 2003)\n"
                    "cleartool                         2003.06.00 (Wed May 14 01:26:43 2003)\n"
                    "db_server                         2003.06.00 (Wed May 14 01:26:43 2003)\n"},
        ListingCase{"version_lt",
                    "",
                    {"-version"},
                    "Rational ClearCase LT Client 2002.05.00 (Mon Oct 29 13:49:09 2001)\n"
                    "cleartool                         2002.05.00 (Mon Oct 29 13:49:09 2001)\n"
                    "db_server                         2002.05.00 (Mon Oct 29 13:49:09 2001)\n",
                    "lt.xml"},
        ListingCase{"windows_lsvob",
                    "",
                    {"lsvob"},
                    "* \\pvob                    \\\\BUILDHOST\\vobstore\\pvob.vbs public "
                    "(ucmvob, replicated)\r\n"
                    "* \\src                     \\\\BUILDHOST\\vobstore\\src.vbs public\r\n",
                    "windows.xml"},
        ListingCase{"windows_lshistory",
                    "views/win_snap/src/app",
                    {"lshistory", "-short", "main.c"},
                    "main.c@@\\main\\2\r\nmain.c@@\\main\\1\r\nmain.c@@\\main\\0\r\n"
                    "main.c@@\\main\r\nmain.c@@\r\n",
                    "windows.xml"},
        ListingCase{"windows_ls",
                    "views/win_snap/src",
                    {"ls", "-r", "-short"},
                    "app@@\\main\\1\r\napp\\main.c@@\\main\\2\r\n",
                    "windows.xml"},
        ListingCase{"windows_activities",
                    "views/win_dev",
                    {"lsstream", "-l", "-cview"},
                    "stream \"app_dev\"\r\n  created 2005-01-17T10:50:13 by vobadm\r\n"
                    "  owner: vobadm\r\n  group: ccusers\r\n  title: app_dev\r\n"
                    "  project: app@\\pvob\r\n  default deliver stream: app_int@\\pvob\r\n"
                    "  contains activities:\r\n    task_7@\\pvob\r\n"
                    "  foundation baselines:\r\n    APP_1@\\pvob (app_comp@\\pvob) (modifiable)\r\n"
                    "  recommended baselines:\r\n  views:\r\n    win_dev\r\n",
                    "windows.xml"}),
    CaseName());

TEST(Listing, ViewPrivateFilesArePlainNames) {
  WorldCopy world("demo.xml");
  WriteFile(world.Path(std::string(kSnapSrc) + "/src/notes.tmp"), "x");
  Outcome o = world.Run(std::string(kSnapSrc) + "/src", {"ls", "-short"});
  EXPECT_EQ(o.out, "a.c@@/main/2\nb c.c@@/main/1\nnotes.tmp\nutil.h@@/main/CHECKEDOUT\n");
}

}  // namespace
}  // namespace ctsim::test
