// Refusals in cleartool's words (standard error, exit status 1, no change) and warnings.
#include <gtest/gtest.h>

#include "support.h"

namespace ctsim::test {
namespace {

constexpr const char* kSrc = "views/snap_view/vobs/src/src";
constexpr const char* kDev = "views/dev_view";

std::string E(const std::string& message) {
  return "cleartool: Error: " + message + "\n";
}

TEST(Refusal, PrintsErrorAndFailsWithoutChange) {
  struct Case {
    const char* name;
    const char* cwd;
    std::vector<std::string> args;
    std::string err;  // the whole standard error
  } cases[] = {
      {"unknown_option", "", {"lsvob", "-hhj"}, E("Unrecognized option \"-hhj\"")},
      {"unknown_command", "", {"-booh"}, E("Unrecognized command: \"-booh\"")},
      {"missing_operand", kSrc, {"checkout", "-nc"}, E("Missing operand.")},
      {"unknown_vob",
       "",
       {"mklbtype", "-nc", "lbtype:X@/vobs/MA"},
       E("Unable to determine VOB for pathname \"/vobs/MA\".")},
      {"stream_not_found",
       "",
       {"chstream", "-nc", "-generate", "dev@/vobs/pvob"},
       E("stream not found: \"dev@/vobs/pvob\".")},
      {"type_exists",
       "",
       {"mklbtype", "-nc", "lbtype:REL_1.0@/vobs/src"},
       E("Name \"REL_1.0\" already exists.")},
      {"label_applied",
       kSrc,
       {"mklabel", "-nc", "REL_1.0", "a.c"},
       E("Label \"REL_1.0\" is already on \"a.c\" version \"/main/1\".")},
      {"label_locked",
       kSrc,
       {"mklabel", "-nc", "REL_0.9", "a.c"},
       E("Lock on label type \"REL_0.9\" prevents operation \"make label\".")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WorldCopy world("demo.xml");
    std::string before = world.Text();
    Outcome o = world.Run(c.cwd, c.args);
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, c.err);
    EXPECT_EQ(world.Text(), before);
  }
}

TEST(Refusal, OutsideAnyViewNamesTheWorkingDirectory) {
  WorldCopy world("demo.xml");
  EXPECT_EQ(world.Run("", {"catcs"}).err,
            E("Unable to determine view for \"" + world.dir() + "\"."));
}

// The stream's activities are moved away, so it has nothing to baseline.
TEST(Refusal, NothingToBaselineIsAWarning) {
  WorldCopy world("demo.xml");
  std::string text = world.Text();
  const std::string owned = "stream=\"dev_alice\" headline";
  for (size_t at; (at = text.find(owned)) != std::string::npos;) {
    text.replace(at, owned.size(), "stream=\"webshop_int\" headline");
  }
  WriteFile(world.world(), text);
  Outcome o = world.Run(kDev, {"mkbl", "-nc", "-all", "BL_X"});
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(o.err,
            "cleartool: Warning: No changes in stream \"dev_alice\" need a baseline; no baseline "
            "was created.\n");
  EXPECT_EQ(world.Run("", {"lsbl", "-short", "-stream", "dev_alice@/vobs/pvob"}).out, "");
}

TEST(Refusal, WindowsWorldEndsErrorLinesWithCrLf) {
  WorldCopy world("windows.xml");
  EXPECT_EQ(world.Run("", {"lsvob", "-x"}).err, "cleartool: Error: Unrecognized option \"-x\"\r\n");
}

}  // namespace
}  // namespace ctsim::test
