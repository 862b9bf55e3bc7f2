// The capture and a few listings against the cleartool stand-in, run as a
// real program. Hangs, floods and odd bytes are the process layer's own tests.
#ifdef CLEARTOOL_SIM_PATH

#include <stdlib.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "clearcase/cleartool/cleartool_output.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/plugin/clearcase_options.h"
#include "stand_in_fixture.h"
#include "vycore/services.h"

namespace clearcase::test {
namespace {

namespace fs = std::filesystem;

using CaptureSimTest = TStandInTest;

TEST_F(CaptureSimTest, ListsVobTags) {
  EXPECT_EQ(CCGetCleartoolOutput("lsvob", "-short", "", false), "/vobs/pvob\r\n/vobs/src\r\n");
  EXPECT_EQ(CCGetLabelNames("/vobs/src"), "NIGHTLY\r\nREL_0.9\r\nREL_1.0\r\nREL_1.1\r\n");
}

TEST_F(CaptureSimTest, WindowsOutputEndsLinesWithCrLfOnce) {
  UseWorld("windows.xml");
  EXPECT_EQ(CCGetVOBNames(), "\\pvob\r\n\\src\r\n");
  EXPECT_EQ(CCGetLabelNames("\\src"), "REL_1\r\nREL_OLD\r\n");
}

TEST_F(CaptureSimTest, FailedRunsGiveEmptyText) {
  // A non-zero exit, a crash, and output on standard error only.
  for (const char* fault : {"exit:3", "crash", "stderr-only"}) {
    Fault(fault);
    EXPECT_EQ(CCGetCleartoolOutput("lsvob", "-short", "", false), "") << fault;
  }
}

TEST_F(CaptureSimTest, MissingOrUnstartableProgramGivesEmptyText) {
  for (const fs::path& program : {dir_ / "no-such-cleartool", dir_ / "demo.xml"}) {
    ClearCaseOptions()->SetClearToolPath(program.string());
    EXPECT_EQ(CCGetCleartoolOutput("lsvob", "-short", "", false), "") << program;
    EXPECT_EQ(CCGetClearCaseInstalledType(), ccUnknown) << program;
  }
}

}  // namespace
}  // namespace clearcase::test

#endif  // CLEARTOOL_SIM_PATH
