// Commands that change the world: their messages, and later listings that show the change.
#include <gtest/gtest.h>

#include "support.h"

namespace ctsim::test {
namespace {

constexpr const char* kSrc = "views/snap_view/vobs/src/src";
constexpr const char* kDev = "views/dev_view";

struct Step {
  std::string cwd;
  std::vector<std::string> args;
  std::string out;  // expected standard output, exactly
};

TEST(Change, LaterListingsShowTheChange) {
  struct Case {
    const char* name;
    std::vector<Step> steps;  // each must succeed with exactly its output
    Step check;               // a later listing; its output must contain check.out
  } cases[] = {
      {"checkout",
       {{kSrc,
         {"checkout", "-reserved", "-c", "fix", "-nquery", "a.c", "b c.c"},
         "Checked out \"a.c\" from version \"/main/2\".\n"
         "Checked out \"b c.c\" from version \"/main/1\".\n"}},
       {kSrc, {"lscheckout", "-short"}, "a.c\nb c.c\n"}},
      {"checkin",
       {{kSrc, {"checkout", "-nc", "a.c"}, "Checked out \"a.c\" from version \"/main/2\".\n"},
        {kSrc,
         {"checkin", "-c", "done", "-identical", "a.c"},
         "Checked in \"a.c\" version \"/main/3\".\n"}},
       {kSrc, {"lshistory", "-short", "a.c"}, "a.c@@/main/3\na.c@@/main/2\n"}},
      {"uncheckout",
       {{kSrc,
         {"uncheckout", "-keep", "util.h"},
         "Private version of \"util.h\" saved in \"util.h.keep\".\n"
         "Checkout cancelled for \"util.h\".\n"}},
       {kSrc, {"ls", "-short", "util.h"}, "util.h@@/main/3\n"}},
      {"mkelem",
       {{kSrc,
         {"mkelem", "-eltype", "text_file", "-ci", "-nc", "new.c"},
         "Created element \"new.c\" (type \"text_file\").\n"
         "Checked in \"new.c\" version \"/main/1\".\n"},
        {kSrc,
         {"mkelem", "-mkpath", "-nc", "lib/x.c"},
         "Created element \"lib/x.c\" (type \"text_file\").\n"
         "Checked out \"lib/x.c\" from version \"/main/0\".\n"}},
       {kSrc,
        {"ls", "-recurse", "-short"},
        "lib@@/main/0\nlib/x.c@@/main/CHECKEDOUT\nnew.c@@/main/1\n"}},
      {"setcs_default",
       {{"views/snap_view", {"setcs", "-default"}, ""}},
       {"views/snap_view", {"catcs"}, "element * CHECKEDOUT\nelement * /main/LATEST\n"}},
      {"mklbtype",
       {{"",
         {"mklbtype", "-ordinary", "-nc", "lbtype:REL_2@/vobs/src"},
         "Created label type \"REL_2\".\n"},
        {"",
         {"mklbtype", "-replace", "-global", "-nc", "lbtype:REL_1.0@/vobs/src"},
         "Replaced definition of label type \"REL_1.0\".\n"}},
       {"", {"lstype", "-short", "-kind", "lbtype", "-invob", "/vobs/src"}, "REL_1.1\nREL_2\n"}},
      {"mklabel_replace",
       {{kSrc,
         {"mklabel", "-nc", "lbtype:REL_1.1@/vobs/src", "b c.c"},
         "Created label \"REL_1.1\" on \"b c.c\" version \"/main/1\".\n"},
        {kSrc,
         {"mklabel", "-replace", "-version", "/main/1", "-nc", "REL_1.1", "a.c"},
         "Moved label \"REL_1.1\" on \"a.c\" from version \"/main/2\" to \"/main/1\".\n"}},
       {kSrc, {"describe", "b c.c"}, "  Labels:\n    REL_1.1\n"}},
      {"lock_unlock",
       {{"", {"lock", "-nc", "lbtype:REL_1.1@/vobs/src"}, "Locked label type \"REL_1.1\".\n"},
        {"", {"unlock", "-nc", "lbtype:REL_0.9@/vobs/src"}, "Unlocked label type \"REL_0.9\".\n"}},
       {"",
        {"lstype", "-short", "-kind", "lbtype", "-invob", "/vobs/src"},
        "REL_0.9\nREL_1.0\nREL_1.1 (locked)\n"}},
      {"mkattype",
       {{"",
         {"mkattype", "-ordinary", "-vtype", "integer", "-ge", "1", "-default", "5", "-nc",
          "Priority@/vobs/src"},
         "Created attribute type \"Priority\".\n"}},
       {"",
        {"describe", "attype:Priority@/vobs/src"},
        "  value type: integer\n  default value: 5\n"}},
      {"mkattr",
       {{kSrc,
         {"mkattr", "-pname", "-nc", "BuildNumber@/vobs/src", "42", "a.c"},
         "Created attribute \"BuildNumber\" on \"a.c@@/main/2\".\n"},
        {kSrc,
         {"mkattr", "-replace", "-default", "-pname", "-nc", "Status", "a.c"},
         "Changed attribute \"Status\" on \"a.c@@/main/2\".\n"}},
       {kSrc, {"describe", "a.c"}, "    Status = untested\n    BuildNumber = 42\n"}},
      {"mkactivity",
       {{kDev,
         {"mkactivity", "-nc", "-headline", "Fix it", "-force", "activity:fix_99@/vobs/pvob"},
         "Created activity \"fix_99\".\n"
         "Set activity \"fix_99\" in view \"dev_alice_view\".\n"}},
       {kDev, {"lsactivity", "-cact", "-short"}, "fix_99\n"}},
      {"setactivity",
       {{kDev,
         {"setactivity", "-nc", "activity:feature_login@/vobs/pvob"},
         "Set activity \"feature_login\" in view \"dev_alice_view\".\n"},
        {kDev,
         {"setactivity", "-nc", "-none"},
         "Cleared current activity from view dev_alice_view.\n"},
        {kDev,
         {"setactivity", "-nc", "fix_23"},
         "Set activity \"fix_23\" in view \"dev_alice_view\".\n"}},
       {kDev,
        {"describe", "activity:fix_23@/vobs/pvob"},
        "  current views:\n    dev_alice_view\n"}},
      {"mkbl",
       {{kDev,
         {"mkbl", "-nc", "-all", "-identical", "-full", "BL_3"},
         "Created baseline \"BL_3\" in component \"comp_core\".\n"}},
       {"", {"lsbl", "-short", "-stream", "dev_alice@/vobs/pvob"}, "BL_3\n"}},
      {"chbl",
       {{"",
         {"chbl", "-nc", "-full", "-level", "TESTED", "baseline:BL_2@/vobs/pvob"},
         "Changed baseline \"BL_2\".\n"}},
       {"",
        {"describe", "baseline:BL_2@/vobs/pvob"},
        "  label status: Full\n  promotion level: TESTED\n"}},
      {"chstream",
       {{"",
         {"chstream", "-nc", "-ntarget", "-generate", "-policy", "POLICY_CHSTREAM_UNRESTRICTED",
          "-npolicy", "POLICY_DELIVER_REQUIRE_REBASE", "-recommended",
          "BL_2@/vobs/pvob,DOCS_1@/vobs/pvob", "dev_alice@/vobs/pvob"},
         "Updated stream \"dev_alice\".\n"}},
       {"",
        {"lsstream", "-l", "dev_alice@/vobs/pvob"},
        "  recommended baselines:\n"
        "    BL_2@/vobs/pvob (comp_core@/vobs/pvob) (modifiable)\n"
        "    DOCS_1@/vobs/pvob (comp_docs@/vobs/pvob)\n"
        "  views:\n    dev_alice_view\n"
        "  policies:\n    POLICY_CHSTREAM_UNRESTRICTED\n"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WorldCopy world("demo.xml");
    for (const Step& step : c.steps) {
      Outcome o = world.Run(step.cwd, step.args);
      EXPECT_EQ(o.err, "") << step.args[0];
      EXPECT_EQ(o.status, 0) << step.args[0];
      EXPECT_EQ(o.out, step.out) << step.args[0];
    }
    Outcome o = world.Run(c.check.cwd, c.check.args);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find(c.check.out), std::string::npos) << o.out;
  }
}

TEST(Change, UpdateLoadsTheViewButPrintOnlyReports) {
  WorldCopy world("demo.xml");
  std::string dir = world.Path("views/snap_view");
  std::string report = "Processing dir \"" + dir + "\".\nEnd dir \"" + dir + "\".\n";
  EXPECT_EQ(world.Run("views/snap_view", {"update", "-print", "-force", "-rename"}).out, report);
  EXPECT_EQ(world.Text().find("updated="), std::string::npos);
  EXPECT_EQ(world.Run("views/snap_view", {"update", "-force"}).out,
            report + "Done loading \"" + dir + "\".\n");
  EXPECT_NE(world.Text().find("updated="), std::string::npos);
}

TEST(Change, PartialFailureKeepsTheChangesMade) {
  WorldCopy world("demo.xml");
  Outcome o = world.Run(kSrc, {"checkout", "-nc", "a.c", "missing.c"});
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.out, "Checked out \"a.c\" from version \"/main/2\".\n");
  EXPECT_EQ(o.err,
            "cleartool: Error: Unable to access \"missing.c\": No such file or directory.\n");
  EXPECT_EQ(world.Run(kSrc, {"lscheckout", "-short"}).out, "a.c\nutil.h\n");
}

}  // namespace
}  // namespace ctsim::test
