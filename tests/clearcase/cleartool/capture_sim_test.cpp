// The capture against the cleartool stand-in, run as a real program, with a
// private copy of an example world: what the fault suite's listings do not
// look at (every byte of a flood or of binary output) and concurrent captures.
// Failed, hung and crashed runs are the fault suite's.
#ifdef CLEARTOOL_SIM_PATH

#include <stdlib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "clearcase/cleartool/cleartool_output.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/cleartool/ucm_queries.h"
#include "package_fixture.h"

namespace clearcase::test {
namespace {

namespace fs = std::filesystem;

class CaptureSimTest : public cctest::TPackageTest {
 protected:
  void SetUp() override {
    TPackageTest::SetUp();
    vy::SetProcessRunner(nullptr);
    const std::string world = Path("demo.xml");
    fs::copy_file(fs::path(VANTRY_SOURCE_DIR) / "examples/worlds/demo.xml", world);
    setenv("CLEARTOOL_SIM_WORLD", world.c_str(), 1);
    Options().SetClearToolPath(CLEARTOOL_SIM_PATH);
    Options().SetDesignTimeout(60000);  // generous: sanitizers slow every start
  }
  void TearDown() override {
    unsetenv("CLEARTOOL_SIM_FAULT");
    unsetenv("CLEARTOOL_SIM_WORLD");
    TPackageTest::TearDown();
  }

  static std::string Lsvob(const char* fault, bool sorted = false) {
    setenv("CLEARTOOL_SIM_FAULT", fault, 1);
    return CCGetCleartoolOutput("lsvob", "-short", "", sorted);
  }
};

TEST_F(CaptureSimTest, FloodIsCapturedWhole) {
  constexpr std::size_t kBytes = 4000000;
  const std::string text = Lsvob(("flood:" + std::to_string(kBytes)).c_str());
  EXPECT_EQ(text.rfind("flood_name_100000\r\nflood_name_100001\r\n", 0), 0u);
  const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), lines);  // each one a CR LF
  EXPECT_TRUE(text.ends_with("\r\n"));
  EXPECT_EQ(text.size() - lines, kBytes + (kBytes % 18 == 0 ? 0 : 1));
}

TEST_F(CaptureSimTest, BinaryOutputKeepsItsBytes) {
  const std::string expected = std::string("bin\0ary\xff\xfe\x80 name\r\n", 17) +
                               "\xc3\x28 half\r\n\xed\xa0\x80 surrogate\r\n";
  EXPECT_EQ(Lsvob("binary"), expected);
  EXPECT_EQ(Lsvob("binary", true), expected);
}

// Property pages may list while a build runs: each of several threads must
// get exactly what a lone capture gets. The tsan preset runs this suite under
// ThreadSanitizer.
using ConcurrentCaptureTest = CaptureSimTest;

TEST_F(ConcurrentCaptureTest, EveryThreadGetsWhatALoneCaptureGets) {
  const std::vector<std::function<std::string()>> queries{
      [] { return CCGetCleartoolOutput("lsvob", "-short", "", true); },
      [] { return CCGetLabelNames("/vobs/src"); },
      [] { return CCGetTypeNames("attype", "/vobs/src"); },
      [] { return CCGetPVOBNames(); },
      [] { return CCGetUCMStreamsForVOB("/vobs/pvob"); },
      [] { return CCGetUCMPromoLevelsForPVOB("/vobs/pvob"); },
  };
  std::vector<std::string> expected;
  for (const auto& query : queries) {
    expected.push_back(query());
    ASSERT_FALSE(expected.back().empty()) << "query " << expected.size() - 1;
  }
  // Each thread starts at another query, so that different listings overlap.
  constexpr std::size_t kThreads = 4, kRounds = 3;
  std::atomic<int> wrong = 0;
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (std::size_t i = 0; i < kRounds * queries.size(); ++i) {
        const std::size_t q = (i + t) % queries.size();
        if (queries[q]() != expected[q]) ++wrong;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
}  // namespace clearcase::test

#endif  // CLEARTOOL_SIM_PATH
