// Every seed and every input that once made a fuzz target fail, fed once
// through the target's entry point: what the fuzzer checks must hold here
// too, with the normal compiler and without the sanitizers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz/targets.h"

namespace {

namespace fs = std::filesystem;

struct TInput {
  std::string target;
  fs::path file;
};

std::vector<TInput> InputsIn(const char* folder) {
  std::vector<TInput> inputs;
  const fs::path root = fs::path(VANTRY_FUZZ_DIR) / folder;
  if (!fs::is_directory(root)) return inputs;
  for (const auto& target : fs::directory_iterator(root)) {
    for (const auto& file : fs::directory_iterator(target.path())) {
      inputs.push_back({target.path().filename().string(), file.path()});
    }
  }
  std::sort(inputs.begin(), inputs.end(),
            [](const TInput& a, const TInput& b) { return a.file < b.file; });
  return inputs;
}

std::string Contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string TestName(const testing::TestParamInfo<TInput>& info) {
  std::string name = info.param.target + "_" + info.param.file.filename().string();
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
      '_');
  return name + "_" + std::to_string(info.index);
}

class FuzzInput : public testing::TestWithParam<TInput> {};

TEST_P(FuzzInput, Holds) {
  const vyfuzz::TFuzzTarget* target = vyfuzz::FindTarget(GetParam().target);
  ASSERT_NE(target, nullptr) << "no fuzz target named " << GetParam().target;
  EXPECT_EQ(target->run(Contents(GetParam().file)), "") << GetParam().file;
}

INSTANTIATE_TEST_SUITE_P(Seeds, FuzzInput, testing::ValuesIn(InputsIn("corpus")), TestName);
INSTANTIATE_TEST_SUITE_P(Regressions, FuzzInput, testing::ValuesIn(InputsIn("regressions")),
                         TestName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FuzzInput);

TEST(FuzzTargets, EachHasASeedCorpus) {
  for (const vyfuzz::TFuzzTarget& target : vyfuzz::Targets()) {
    const fs::path corpus = fs::path(VANTRY_FUZZ_DIR) / "corpus" / target.name;
    EXPECT_FALSE(fs::is_empty(corpus)) << corpus;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(VANTRY_FUZZ_DIR) / "corpus"),
                          fs::directory_iterator()),
            static_cast<std::ptrdiff_t>(vyfuzz::Targets().size()));
}

}  // namespace
