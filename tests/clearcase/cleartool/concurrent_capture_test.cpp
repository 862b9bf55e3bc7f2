// Design-time captures from several threads at once against the cleartool
// stand-in: property pages may list while a build runs. Each thread must get
// exactly what a lone capture gets. The tsan preset runs these under
// ThreadSanitizer.
#ifdef CLEARTOOL_SIM_PATH

#include <stdlib.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "clearcase/cleartool/cleartool_output.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/cleartool/ucm_queries.h"
#include "clearcase/plugin/clearcase_options.h"
#include "vycore/services.h"

namespace clearcase::test {
namespace {

namespace fs = std::filesystem;

constexpr int kThreads = 4;
constexpr int kRounds = 3;

struct TQuery {
  const char* name;
  std::function<std::string()> run;
};

const std::vector<TQuery>& Queries() {
  static const std::vector<TQuery> queries{
      {"lsvob", [] { return CCGetCleartoolOutput("lsvob", "-short", "", true); }},
      {"labels", [] { return CCGetLabelNames("/vobs/src"); }},
      {"attribute types", [] { return CCGetTypeNames("attype", "/vobs/src"); }},
      {"project VOBs", [] { return CCGetPVOBNames(); }},
      {"streams", [] { return CCGetUCMStreamsForVOB("/vobs/pvob"); }},
      {"promotion levels", [] { return CCGetUCMPromoLevelsForPVOB("/vobs/pvob"); }},
  };
  return queries;
}

class ConcurrentCaptureTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "concurrent-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    fs::copy_file(fs::path(VANTRY_SOURCE_DIR) / "examples/worlds/demo.xml", dir_ / "demo.xml");
    setenv("CLEARTOOL_SIM_WORLD", (dir_ / "demo.xml").c_str(), 1);
    vy::ResetVyServicesForTesting();
    RegisterOptions();
    ClearCaseOptions()->SetClearToolPath(CLEARTOOL_SIM_PATH);
    ClearCaseOptions()->SetDesignTimeout(60000);  // generous: sanitizers slow every start
  }
  void TearDown() override {
    unsetenv("CLEARTOOL_SIM_WORLD");
    vy::ResetVyServicesForTesting();
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  fs::path dir_;
};

TEST_F(ConcurrentCaptureTest, EveryThreadGetsWhatALoneCaptureGets) {
  std::vector<std::string> expected;
  for (const TQuery& query : Queries()) {
    expected.push_back(query.run());
    ASSERT_FALSE(expected.back().empty()) << query.name;
  }

  // Each thread starts at another query, so that different listings overlap.
  std::vector<std::vector<std::string>> wrong(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      const std::size_t count = Queries().size();
      for (std::size_t i = 0; i < kRounds * count; ++i) {
        const std::size_t q = (i + static_cast<std::size_t>(t)) % count;
        if (Queries()[q].run() != expected[q]) wrong[t].push_back(Queries()[q].name);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();

  for (int t = 0; t < kThreads; ++t) EXPECT_THAT(wrong[t], testing::IsEmpty()) << "thread " << t;
}

}  // namespace
}  // namespace clearcase::test

#endif  // CLEARTOOL_SIM_PATH
