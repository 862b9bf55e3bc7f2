// The capture and a few listings against the cleartool stand-in, run as a
// real program: faults, hangs, floods and odd bytes.
#ifdef CLEARTOOL_SIM_PATH

#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "clearcase/cleartool/cleartool_output.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/plugin/clearcase_options.h"
#include "sim/cleartool/live_runs.h"
#include "vycore/services.h"

namespace clearcase::test {
namespace {

namespace fs = std::filesystem;

constexpr auto kMargin = std::chrono::milliseconds(3000);

class CaptureSimTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "capture-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    UseWorld("demo.xml");
    vy::ResetVyServicesForTesting();
    RegisterOptions();
    ClearCaseOptions()->SetClearToolPath(CLEARTOOL_SIM_PATH);
    ClearCaseOptions()->SetDesignTimeout(20000);
  }
  void TearDown() override {
    unsetenv("CLEARTOOL_SIM_FAULT");
    unsetenv("CLEARTOOL_SIM_WORLD");
    vy::ResetVyServicesForTesting();
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  void UseWorld(const std::string& name) {
    fs::copy_file(fs::path(VANTRY_SOURCE_DIR) / "examples/worlds" / name, dir_ / name,
                  fs::copy_options::overwrite_existing);
    setenv("CLEARTOOL_SIM_WORLD", (dir_ / name).c_str(), 1);
  }
  static void Fault(const char* spec) { setenv("CLEARTOOL_SIM_FAULT", spec, 1); }

  fs::path dir_;
};

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
  struct Row {
    const char* name;
    const char* fault;
    const char* command;
    const char* params;
  } rows[] = {
      {"non-zero exit", "exit:3", "lsvob", "-short"},
      {"exit status 1 of a refused command", "", "lsvob", "/vobs/none"},
      {"killed by a signal", "crash", "lsvob", "-short"},
      {"output on standard error only", "stderr-only", "lsvob", "-short"},
      {"unknown subcommand", "", "lsvobs", ""},
  };
  for (const Row& row : rows) {
    Fault(row.fault);
    EXPECT_EQ(CCGetCleartoolOutput(row.command, row.params, "", false), "") << row.name;
  }
}

TEST_F(CaptureSimTest, MissingOrUnstartableProgramGivesEmptyText) {
  for (const fs::path& program : {dir_ / "no-such-cleartool", dir_ / "demo.xml"}) {
    ClearCaseOptions()->SetClearToolPath(program.string());
    EXPECT_EQ(CCGetCleartoolOutput("lsvob", "-short", "", false), "") << program;
    EXPECT_EQ(CCGetClearCaseInstalledType(), ccUnknown) << program;
  }
}

TEST_F(CaptureSimTest, HangEndsAtTheTimeoutWithNothingLeft) {
  const std::string marker = "CAPTURE_SIM_TEST_MARKER=" + std::to_string(getpid());
  setenv("CAPTURE_SIM_TEST_MARKER", std::to_string(getpid()).c_str(), 1);
  ClearCaseOptions()->SetDesignTimeout(0);  // the 500 ms floor
  for (const char* fault : {"hang", "hang-child"}) {
    Fault(fault);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(CCGetCleartoolOutput("lsvob", "-short", "", false), "") << fault;
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(kMinimumDesignTimeout)) << fault;
    EXPECT_LT(elapsed, std::chrono::milliseconds(kMinimumDesignTimeout) + kMargin) << fault;
    EXPECT_EQ(ctsim::ProcessesWithEnvironment(marker), 0) << fault;
  }
  unsetenv("CAPTURE_SIM_TEST_MARKER");
}

TEST_F(CaptureSimTest, FloodIsCapturedWhole) {
  constexpr std::size_t kBytes = 4000000;
  Fault(("flood:" + std::to_string(kBytes)).c_str());
  const std::string text = CCGetCleartoolOutput("lsvob", "-short", "", false);
  ASSERT_GT(text.size(), kBytes);
  EXPECT_EQ(text.rfind("flood_name_100000\r\nflood_name_100001\r\n", 0), 0u);
  EXPECT_TRUE(text.ends_with("\r\n"));
  std::size_t lines = 0;
  for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1)) {
    ASSERT_EQ(text[i - 1], '\r') << "at " << i;
    ++lines;
  }
  EXPECT_EQ(text.size() - lines, kBytes + (kBytes % 18 == 0 ? 0 : 1));
}

TEST_F(CaptureSimTest, BinaryOutputKeepsItsBytes) {
  Fault("binary");
  const std::string printed[] = {std::string("bin\0ary\xff\xfe\x80 name", 15), "\xc3\x28 half",
                                 "\xed\xa0\x80 surrogate"};
  EXPECT_EQ(CCGetCleartoolOutput("lsvob", "-short", "", false),
            printed[0] + "\r\n" + printed[1] + "\r\n" + printed[2] + "\r\n");
  EXPECT_EQ(CCGetCleartoolOutput("lsvob", "-short", "", true),
            printed[0] + "\r\n" + printed[1] + "\r\n" + printed[2] + "\r\n");
}

}  // namespace
}  // namespace clearcase::test

#endif  // CLEARTOOL_SIM_PATH
