// Every seed and every input that once made a fuzz target fail, fed once
// through the target's entry point: what the fuzzer checks must hold here
// too, with the normal compiler and without the sanitizers.

#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/targets.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

const fs::path kFuzzDir = VANTRY_FUZZ_DIR;

// The files of one target's folder under `folder`; none when it has none.
std::vector<fs::path> InputsOf(const std::string& folder, const std::string& target) {
  std::vector<fs::path> files;
  const fs::path dir = kFuzzDir / folder / target;
  if (!fs::is_directory(dir)) return files;
  for (const auto& entry : fs::directory_iterator(dir)) files.push_back(entry.path());
  return files;
}

std::vector<std::string> TargetNames() {
  std::vector<std::string> names;
  for (const vyfuzz::TFuzzTarget& target : vyfuzz::Targets()) names.emplace_back(target.name);
  return names;
}

class FuzzInputs : public testing::TestWithParam<std::string> {};

TEST_P(FuzzInputs, HoldForEverySeedAndRegression) {
  const vyfuzz::TFuzzTarget* target = vyfuzz::FindTarget(GetParam());
  ASSERT_NE(target, nullptr);
  const std::vector<fs::path> seeds = InputsOf("corpus", GetParam());
  EXPECT_FALSE(seeds.empty()) << "no seed corpus for " << GetParam();
  for (const char* folder : {"corpus", "regressions"}) {
    for (const fs::path& file : InputsOf(folder, GetParam())) {
      EXPECT_EQ(target->run(vytest::ReadAll(file)), "") << file;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzInputs, testing::ValuesIn(TargetNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

TEST(FuzzTargets, EveryCorpusFolderNamesATarget) {
  for (const auto& entry : fs::directory_iterator(kFuzzDir / "corpus")) {
    EXPECT_NE(vyfuzz::FindTarget(entry.path().filename().string()), nullptr) << entry.path();
  }
}

}  // namespace
