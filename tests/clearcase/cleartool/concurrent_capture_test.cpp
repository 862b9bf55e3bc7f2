// Design-time captures from several threads at once against the cleartool
// stand-in: property pages may list while a build runs. Each thread must get
// exactly what a lone capture gets. The tsan preset runs these under
// ThreadSanitizer.
#ifdef CLEARTOOL_SIM_PATH

#include <stdlib.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "clearcase/cleartool/cleartool_output.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/cleartool/ucm_queries.h"
#include "clearcase/plugin/clearcase_options.h"
#include "stand_in_fixture.h"
#include "vycore/services.h"

namespace clearcase::test {
namespace {


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

using ConcurrentCaptureTest = TStandInTest;

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
