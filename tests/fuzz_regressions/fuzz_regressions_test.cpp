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

// Every corpus folder names a target, so that none is left unread.
TEST(FuzzInputs, HoldForEverySeedAndRegression) {
  for (const auto& entry : fs::directory_iterator(kFuzzDir / "corpus")) {
    EXPECT_NE(vyfuzz::FindTarget(entry.path().filename().string()), nullptr) << entry.path();
  }
  for (const vyfuzz::TFuzzTarget& target : vyfuzz::Targets()) {
    SCOPED_TRACE(target.name);
    EXPECT_FALSE(InputsOf("corpus", target.name).empty()) << "no seed corpus";
    for (const char* folder : {"corpus", "regressions"}) {
      for (const fs::path& file : InputsOf(folder, target.name)) {
        EXPECT_EQ(target.run(vytest::ReadAll(file)), "") << file;
      }
    }
  }
}

}  // namespace
