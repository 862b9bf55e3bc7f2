// Commands that change the world: their messages, and later listings that show the change.
#include <gtest/gtest.h>

#include "sim/cleartool/journal.h"
#include "support.h"

namespace ctsim::test {
namespace {

constexpr const char* kSrc = "views/snap_view/vobs/src/src";
constexpr const char* kDevSrc = "views/dev_view/vobs/src/src";
constexpr const char* kDev = "views/dev_view";

struct Step {
  std::string cwd;
  std::vector<std::string> args;
  std::string out;  // expected standard output, exactly
};

struct ChangeCase {
  const char* name;
  std::vector<Step> steps;  // each must succeed with exactly its output
  Step check;               // a later listing; its output must contain check.out
};

class ChangeTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ChangeTest, LaterListingsShowTheChange) {
  WorldCopy world("demo.xml");
  for (const Step& step : GetParam().steps) {
    Outcome o = world.Run(step.cwd, step.args);
    EXPECT_EQ(o.err, "") << step.args[0];
    EXPECT_EQ(o.status, 0) << step.args[0];
    EXPECT_EQ(o.out, step.out) << step.args[0];
  }
  const Step& check = GetParam().check;
  Outcome o = world.Run(check.cwd, check.args);
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_NE(o.out.find(check.out), std::string::npos) << o.out;
}

INSTANTIATE_TEST_SUITE_P(
    Demo, ChangeTest,
    ::testing::Values(
        ChangeCase{"checkout",
                   {{kSrc,
                     {"checkout", "-reserved", "-c", "fix", "-nquery", "a.c", "b c.c"},
                     "Checked out \"a.c\" from version \"/main/2\".\n"
                     "Checked out \"b c.c\" from version \"/main/1\".\n"}},
                   {kSrc, {"lscheckout", "-short"}, "a.c\nb c.c\n"}},
        ChangeCase{
            "checkin",
            {{kSrc, {"checkout", "-nc", "a.c"}, "Checked out \"a.c\" from version \"/main/2\".\n"},
             {kSrc,
              {"checkin", "-c", "done", "-identical", "a.c"},
              "Checked in \"a.c\" version \"/main/3\".\n"}},
            {kSrc, {"lshistory", "-short", "a.c"}, "a.c@@/main/3\na.c@@/main/2\n"}},
        ChangeCase{"uncheckout",
                   {{kSrc,
                     {"uncheckout", "-keep", "util.h"},
                     "Private version of \"util.h\" saved in \"util.h.keep\".\n"
                     "Checkout cancelled for \"util.h\".\n"}},
                   {kSrc, {"ls", "-short", "util.h"}, "util.h@@/main/3\n"}},
        ChangeCase{
            "checkin_current_activity",
            {{kDevSrc, {"co", "-nc", "a.c"}, "Checked out \"a.c\" from version \"/main/2\".\n"},
             {kDev,
              {"checkin", "-nc", "-cact"},
              "Checked in \"vobs/src/src/a.c\" version \"/main/3\".\n"}},
            {kDevSrc, {"ls", "-short", "a.c"}, "a.c@@/main/3\n"}},
        ChangeCase{
            "uncheckout_activity",
            {{kDevSrc, {"co", "-nc", "a.c"}, "Checked out \"a.c\" from version \"/main/2\".\n"},
             {kDev,
              {"uncheckout", "-rm", "-cact"},
              "Checkout cancelled for \"vobs/src/src/a.c\".\n"}},
            {kDevSrc, {"lscheckout", "-short"}, ""}},
        ChangeCase{"mkelem",
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
        ChangeCase{
            "setcs_default",
            {{"views/snap_view", {"setcs", "-default"}, ""}},
            {"views/snap_view", {"catcs"}, "element * CHECKEDOUT\nelement * /main/LATEST\n"}},
        ChangeCase{"setcs_stream",
                   {{kDev, {"setcs", "-stream"}, ""}},
                   {kDev, {"catcs"}, "element * BL_1 -mkbranch dev_alice\n"}},
        ChangeCase{"mklbtype",
                   {{"",
                     {"mklbtype", "-ordinary", "-nc", "lbtype:REL_2@/vobs/src"},
                     "Created label type \"REL_2\".\n"},
                    {"",
                     {"mklbtype", "-replace", "-global", "-nc", "lbtype:REL_1.0@/vobs/src"},
                     "Replaced definition of label type \"REL_1.0\".\n"}},
                   {"",
                    {"lstype", "-short", "-kind", "lbtype", "-invob", "/vobs/src"},
                    "REL_1.1\nREL_2\n"}},
        ChangeCase{"mklabel_replace",
                   {{kSrc,
                     {"mklabel", "-nc", "lbtype:REL_1.1@/vobs/src", "b c.c"},
                     "Created label \"REL_1.1\" on \"b c.c\" version \"/main/1\".\n"},
                    {kSrc,
                     {"mklabel", "-replace", "-version", "/main/1", "-nc", "REL_1.1", "a.c"},
                     "Moved label \"REL_1.1\" on \"a.c\" from version \"/main/2\" to "
                     "\"/main/1\".\n"}},
                   {kSrc, {"describe", "b c.c"}, "  Labels:\n    REL_1.1\n"}},
        ChangeCase{"mklabel_recurse",
                   {{"views/snap_view/vobs/src",
                     {"mklabel", "-recurse", "-nc", "NIGHTLY", "docs"},
                     "Created label \"NIGHTLY\" on \"docs\" version \"/main/1\".\n"
                     "Created label \"NIGHTLY\" on \"docs/readme.txt\" version \"/main/1\".\n"}},
                   {"views/snap_view/vobs/src",
                    {"describe", "docs/readme.txt@@/main/1"},
                    "    NIGHTLY\n"}},
        ChangeCase{
            "lock_unlock",
            {{"", {"lock", "-nc", "lbtype:REL_1.1@/vobs/src"}, "Locked label type \"REL_1.1\".\n"},
             {"",
              {"unlock", "-nc", "lbtype:REL_0.9@/vobs/src"},
              "Unlocked label type \"REL_0.9\".\n"}},
            {"",
             {"lstype", "-short", "-kind", "lbtype", "-invob", "/vobs/src"},
             "REL_0.9\nREL_1.0\nREL_1.1 (locked)\n"}},
        ChangeCase{
            "lock_obsolete_hides",
            {{"",
              {"lock", "-obsolete", "-nc", "lbtype:NIGHTLY@/vobs/src"},
              "Locked label type \"NIGHTLY\".\n"},
             {kSrc,
              {"lock", "-pname", "-nusers", "alice,bob", "-nc", "a.c"},
              "Locked element \"a.c\".\n"}},
            {"", {"describe", "lbtype:NIGHTLY@/vobs/src"}, "  Locked for all users (obsolete).\n"}},
        ChangeCase{"mkattype",
                   {{"",
                     {"mkattype", "-ordinary", "-vtype", "integer", "-ge", "1", "-default", "5",
                      "-nc", "Priority@/vobs/src"},
                     "Created attribute type \"Priority\".\n"}},
                   {"",
                    {"describe", "attype:Priority@/vobs/src"},
                    "  value type: integer\n  default value: 5\n"}},
        ChangeCase{"mkattr",
                   {{kSrc,
                     {"mkattr", "-pname", "-nc", "BuildNumber@/vobs/src", "42", "a.c"},
                     "Created attribute \"BuildNumber\" on \"a.c@@/main/2\".\n"},
                    {kSrc,
                     {"mkattr", "-replace", "-default", "-pname", "-nc", "Status", "a.c"},
                     "Changed attribute \"Status\" on \"a.c@@/main/2\".\n"},
                    {"",
                     {"mkattr", "-nc", "Status@/vobs/src", "ok", "lbtype:REL_1.0@/vobs/src"},
                     "Created attribute \"Status\" on \"lbtype:REL_1.0@/vobs/src\".\n"}},
                   {kSrc, {"describe", "a.c"}, "    Status = untested\n    BuildNumber = 42\n"}},
        ChangeCase{
            "mkactivity",
            {{kDev,
              {"mkactivity", "-nc", "-headline", "Fix it", "-force", "activity:fix_99@/vobs/pvob"},
              "Created activity \"fix_99\".\n"
              "Set activity \"fix_99\" in view \"dev_alice_view\".\n"}},
            {kDev, {"lsactivity", "-cact", "-short"}, "fix_99\n"}},
        ChangeCase{"setactivity",
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
        ChangeCase{"mkbl",
                   {{kDev,
                     {"mkbl", "-nc", "-all", "-identical", "-full", "BL_3"},
                     "Created baseline \"BL_3\" in component \"comp_core\".\n"}},
                   {"", {"lsbl", "-short", "-stream", "dev_alice@/vobs/pvob"}, "BL_3\n"}},
        ChangeCase{"mkbl_import",
                   {{kDev,
                     {"mkbl", "-nc", "-import", "lbtype:REL_1.0@/vobs/src"},
                     "Created baseline \"REL_1.0\" in component \"comp_core\".\n"}},
                   {"", {"lsbl", "-short", "-component", "comp_core@/vobs/pvob"}, "REL_1.0\n"}},
        ChangeCase{"mkbl_import_components",
                   {{kDev,
                     {"mkbl", "-nc", "-import", "-component", "comp_core@/vobs/pvob",
                      "lbtype:REL_1.1@/vobs/src"},
                     "Created baseline \"REL_1.1\" in component \"comp_core\".\n"}},
                   {"", {"lsbl", "-short", "-component", "comp_core@/vobs/pvob"}, "REL_1.1\n"}},
        ChangeCase{"chbl",
                   {{"",
                     {"chbl", "-nc", "-full", "-level", "TESTED", "baseline:BL_2@/vobs/pvob"},
                     "Changed baseline \"BL_2\".\n"}},
                   {"",
                    {"describe", "baseline:BL_2@/vobs/pvob"},
                    "  label status: Full\n  promotion level: TESTED\n"}},
        ChangeCase{"chstream",
                   {{"",
                     {"chstream", "-nc", "-ntarget", "-generate", "-policy",
                      "POLICY_CHSTREAM_UNRESTRICTED", "-npolicy", "POLICY_DELIVER_REQUIRE_REBASE",
                      "-recommended", "BL_2@/vobs/pvob,DOCS_1@/vobs/pvob", "dev_alice@/vobs/pvob"},
                     "Updated stream \"dev_alice\".\n"}},
                   {"",
                    {"lsstream", "-l", "dev_alice@/vobs/pvob"},
                    "  recommended baselines:\n"
                    "    BL_2@/vobs/pvob (comp_core@/vobs/pvob) (modifiable)\n"
                    "    DOCS_1@/vobs/pvob (comp_docs@/vobs/pvob)\n"
                    "  views:\n    dev_alice_view\n"
                    "  policies:\n    POLICY_CHSTREAM_UNRESTRICTED\n"}}),
    CaseName());

TEST(Change, UpdateNamesTheViewDirectory) {
  WorldCopy world("demo.xml");
  Outcome o = world.Run("views/snap_view", {"update", "-print", "-force", "-rename"});
  std::string dir = world.Path("views/snap_view");
  EXPECT_EQ(o.out, "Processing dir \"" + dir + "\".\nEnd dir \"" + dir + "\".\n");
  EXPECT_EQ(world.Text().find("updated="), std::string::npos);  // -print changes nothing
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

TEST(Change, WorldFileStaysLoadableAndKeepsUnknownContent) {
  WorldCopy world("demo.xml");
  std::string text = world.Text();
  text.insert(text.find("</World>"), "<Note>kept</Note>\n");
  WriteFile(world.world(), text);
  world.Run("", {"mklbtype", "-nc", "lbtype:A@/vobs/src"});
  EXPECT_NE(world.Text().find("<Note>kept</Note>"), std::string::npos);
  EXPECT_EQ(world.Run("", {"lsvob", "-short"}).status, 0);
}

}  // namespace
}  // namespace ctsim::test
