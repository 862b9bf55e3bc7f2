// Refusals in cleartool's words: standard error, exit status 1, and no change.
#include <gtest/gtest.h>

#include "support.h"

namespace ctsim::test {
namespace {

constexpr const char* kSrc = "views/snap_view/vobs/src/src";
constexpr const char* kDev = "views/dev_view";

struct RefusalCase {
  const char* name;
  const char* cwd;
  std::vector<std::string> args;
  std::string err;  // the whole standard error
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, PrintsErrorAndFails) {
  const RefusalCase& c = GetParam();
  WorldCopy world("demo.xml");
  std::string before = world.Text();
  Outcome o = world.Run(c.cwd, c.args);
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(o.err, c.err);
  EXPECT_EQ(world.Text(), before);
}

std::string E(const std::string& message) {
  return "cleartool: Error: " + message + "\n";
}

INSTANTIATE_TEST_SUITE_P(
    Demo, RefusalTest,
    ::testing::Values(
        RefusalCase{"unknown_option", "", {"lsvob", "-hhj"}, E("Unrecognized option \"-hhj\"")},
        RefusalCase{"unknown_command", "", {"-booh"}, E("Unrecognized command: \"-booh\"")},
        RefusalCase{"no_command", "", {}, E("No command given.")},
        RefusalCase{"missing_operand", kSrc, {"checkout", "-nc"}, E("Missing operand.")},
        RefusalCase{"missing_value",
                    kSrc,
                    {"checkout", "-nc", "-out"},
                    E("Option \"-out\" requires an argument.")},
        RefusalCase{"unknown_vob",
                    "",
                    {"mklbtype", "-nc", "lbtype:X@/vobs/MA"},
                    E("Unable to determine VOB for pathname \"/vobs/MA\".")},
        RefusalCase{"unknown_stream",
                    "",
                    {"chstream", "-nc", "-generate", "dev"},
                    E("Unable to determine VOB for pathname \".\".")},
        RefusalCase{"stream_not_found",
                    "",
                    {"chstream", "-nc", "-generate", "dev@/vobs/pvob"},
                    E("stream not found: \"dev@/vobs/pvob\".")},
        RefusalCase{"type_exists",
                    "",
                    {"mklbtype", "-nc", "lbtype:REL_1.0@/vobs/src"},
                    E("Name \"REL_1.0\" already exists.")},
        RefusalCase{"locked_type_replace",
                    "",
                    {"mklbtype", "-replace", "-nc", "lbtype:REL_0.9@/vobs/src"},
                    E("Lock on label type \"REL_0.9\" prevents operation \"make label type\".")},
        RefusalCase{"label_applied",
                    kSrc,
                    {"mklabel", "-nc", "REL_1.0", "a.c"},
                    E("Label \"REL_1.0\" is already on \"a.c\" version \"/main/1\".")},
        RefusalCase{"label_locked",
                    kSrc,
                    {"mklabel", "-nc", "REL_0.9", "a.c"},
                    E("Lock on label type \"REL_0.9\" prevents operation \"make label\".")},
        RefusalCase{"label_type_missing",
                    kSrc,
                    {"mklabel", "-nc", "NOPE", "a.c"},
                    E("Label type not found: \"NOPE\".")},
        RefusalCase{"outside_vob",
                    "",
                    {"lshistory", "-short", "x.c"},
                    E("Pathname is not within a VOB: \"x.c\"")},
        RefusalCase{"already_checked_out",
                    kSrc,
                    {"checkout", "-nc", "util.h"},
                    E("Element \"util.h\" is already checked out to view \"snap_view\".")},
        RefusalCase{"not_checked_out",
                    kSrc,
                    {"checkin", "-nc", "a.c"},
                    E("Element \"a.c\" is not checked out.")},
        RefusalCase{"branch_missing",
                    kSrc,
                    {"checkout", "-nc", "-branch", "/main/maint_1.0", "a.c"},
                    E("Branch \"/main/maint_1.0\" not found for element \"a.c\".")},
        RefusalCase{"exclusive_options",
                    "views/snap_view",
                    {"update", "-force", "-overwrite", "-rename"},
                    E("Options \"-overwrite\" and \"-rename\" are mutually exclusive.")},
        RefusalCase{"attype_bad_default",
                    "",
                    {"mkattype", "-vtype", "integer", "-default", "many", "-nc", "N@/vobs/src"},
                    E("Value \"many\" is not valid for value type \"integer\".")},
        RefusalCase{"attype_bad_vtype",
                    "",
                    {"mkattype", "-vtype", "float", "-nc", "N@/vobs/src"},
                    E("Invalid value type: \"float\".")},
        RefusalCase{"attr_exists",
                    kSrc,
                    {"mkattr", "-pname", "-nc", "Status@/vobs/src", "x", "a.c"},
                    E("Attribute \"Status\" already exists on \"a.c@@/main/2\".")},
        RefusalCase{"attr_no_default",
                    kSrc,
                    {"mkattr", "-default", "-pname", "-nc", "BuildNumber", "a.c"},
                    E("Attribute type \"BuildNumber\" has no default value.")},
        RefusalCase{"already_locked",
                    "",
                    {"lock", "-nc", "lbtype:REL_0.9@/vobs/src"},
                    E("Object is already locked: label type \"REL_0.9\".")},
        RefusalCase{"not_locked",
                    "",
                    {"unlock", "-nc", "lbtype:REL_1.0@/vobs/src"},
                    E("Object is not locked: label type \"REL_1.0\".")},
        RefusalCase{"activity_missing",
                    kDev,
                    {"setactivity", "-nc", "nope"},
                    E("activity not found: \"nope\".")},
        RefusalCase{"activity_other_stream",
                    kDev,
                    {"setactivity", "-nc", "integrate_1"},
                    E("Activity \"integrate_1\" is not in stream \"dev_alice\".")},
        RefusalCase{"activity_exists",
                    kDev,
                    {"mkactivity", "-nc", "-force", "fix_23"},
                    E("Name \"fix_23\" already exists.")},
        RefusalCase{"no_stream",
                    "views/snap_view",
                    {"mkbl", "-nc", "-all", "-incremental"},
                    E("View \"snap_view\" is not attached to a stream.")},
        RefusalCase{"bad_level",
                    "",
                    {"chbl", "-nc", "-level", "GOLD", "BL_1@/vobs/pvob"},
                    E("Promotion level \"GOLD\" is not defined in VOB \"/vobs/pvob\".")},
        RefusalCase{"already_full",
                    "",
                    {"chbl", "-nc", "-full", "BL_0@/vobs/pvob"},
                    E("Baseline \"BL_0\" is already fully labeled.")},
        RefusalCase{"baseline_missing",
                    "",
                    {"chbl", "-nc", "-full", "baseline:BL_9@/vobs/pvob"},
                    E("baseline not found: \"BL_9@/vobs/pvob\".")},
        RefusalCase{"bad_policy",
                    "",
                    {"chstream", "-nc", "-policy", "X", "dev_alice@/vobs/pvob"},
                    E("Unknown policy: \"X\".")},
        RefusalCase{"lstype_bad_kind",
                    "",
                    {"lstype", "-short", "-kind", "xxtype", "-invob", "/vobs/src"},
                    E("Invalid object kind: \"xxtype\".")},
        RefusalCase{"lsstream_not_ucm",
                    "",
                    {"lsstream", "-short", "-invob", "/vobs/src"},
                    E("\"/vobs/src\" is not a UCM project VOB.")},
        RefusalCase{"setcs_missing_file",
                    "views/snap_view",
                    {"setcs", "nope.cs"},
                    E("Unable to access \"nope.cs\": No such file or directory.")}),
    CaseName());

TEST(Refusal, NamesTheWorkingDirectory) {
  WorldCopy world("demo.xml");
  EXPECT_EQ(world.Run("", {"catcs"}).err,
            E("Unable to determine view for \"" + world.dir() + "\"."));
  EXPECT_EQ(world.Run(kDev, {"update", "-force"}).err,
            E("Not a snapshot view: \"" + world.Path(kDev) + "\"."));
}

TEST(Refusal, LockExemptsListedUsers) {
  WorldCopy world("demo.xml");
  // The branch type maint_1.0 is locked except for alice; the tests run as "tester".
  std::string text = world.Text();
  text.insert(text.find("<Version id=\"1\" comment=\"First cut.\">"),
              "<Branch name=\"maint_1.0\"><Version id=\"0\"/></Branch>");
  WriteFile(world.world(), text);
  Outcome o = world.Run(kSrc, {"co", "-nc", "-branch", "/main/maint_1.0", "a.c"});
  EXPECT_EQ(o.err, E("Lock on branch type prevents operation \"checkout\"."));
  text.replace(text.find("nusers=\"alice\""), 14, "nusers=\"tester\"");
  WriteFile(world.world(), text);
  EXPECT_EQ(world.Run(kSrc, {"co", "-nc", "-branch", "/main/maint_1.0", "a.c"}).status, 0);
}

TEST(Refusal, NoWorldIsAClearError) {
  Outcome o = Execute("", "/", "u", {"lsvob"});
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err,
            E("No world file: set CLEARTOOL_SIM_WORLD to the world of the cleartool stand-in."));
  o = Execute("/nonexistent/world.xml", "/", "u", {"lsvob"});
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err.rfind("cleartool: Error: Unable to open world file", 0), 0u);
}

TEST(Refusal, WindowsWorldEndsErrorLinesWithCrLf) {
  WorldCopy world("windows.xml");
  EXPECT_EQ(world.Run("", {"lsvob", "-x"}).err, "cleartool: Error: Unrecognized option \"-x\"\r\n");
}

}  // namespace
}  // namespace ctsim::test
