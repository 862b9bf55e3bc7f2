// The listings' output formats are held by the end-to-end listing answers;
// here what the demo world's answers do not show.
#include <gtest/gtest.h>

#include "support.h"

namespace ctsim::test {
namespace {

constexpr const char* kSnapSrc = "views/snap_view/vobs/src";

TEST(Listing, RecursiveListingShowsCheckoutsAndViewPrivateNames) {
  WorldCopy world("demo.xml");
  WriteAll(world.Path(std::string(kSnapSrc) + "/src/notes.tmp"), "x");
  Outcome o = world.Run(kSnapSrc, {"ls", "-recurse", "-short"});
  EXPECT_EQ(o.out,
            "docs@@/main/1\ndocs/readme.txt@@/main/1\nsrc@@/main/2\nsrc/a.c@@/main/2\n"
            "src/b c.c@@/main/1\nsrc/notes.tmp\nsrc/util.h@@/main/CHECKEDOUT\n");
}

// The other worlds exist for these answers: an LT banner, and Windows line
// ends and separators.
TEST(Listing, OtherWorldsAnswerInTheirOwnWay) {
  WorldCopy lt("lt.xml");
  EXPECT_EQ(lt.Run("", {"-version"}).out.rfind("Rational ClearCase LT Client 2002.05.00 (", 0), 0u);
  WorldCopy windows("windows.xml");
  EXPECT_EQ(windows.Run("views/win_snap/src", {"ls", "-r", "-short"}).out,
            "app@@\\main\\1\r\napp\\main.c@@\\main\\2\r\n");
}

}  // namespace
}  // namespace ctsim::test
