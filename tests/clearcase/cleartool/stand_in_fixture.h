#pragma once
// Listings against the cleartool stand-in run as a real program: a private
// copy of an example world and the options pointing at the stand-in.
#ifdef CLEARTOOL_SIM_PATH

#include <stdlib.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "clearcase/plugin/clearcase_options.h"
#include "vycore/services.h"

namespace clearcase::test {

class TStandInTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "stand-in-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    UseWorld("demo.xml");
    vy::ResetVyServicesForTesting();
    RegisterOptions();
    ClearCaseOptions()->SetClearToolPath(CLEARTOOL_SIM_PATH);
    ClearCaseOptions()->SetDesignTimeout(60000);  // generous: sanitizers slow every start
  }
  void TearDown() override {
    unsetenv("CLEARTOOL_SIM_FAULT");
    unsetenv("CLEARTOOL_SIM_WORLD");
    vy::ResetVyServicesForTesting();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  // Replaces the world with a copy of examples/worlds/<name>.
  void UseWorld(const std::string& name) {
    std::filesystem::copy_file(std::filesystem::path(VANTRY_SOURCE_DIR) / "examples/worlds" / name,
                               dir_ / name, std::filesystem::copy_options::overwrite_existing);
    setenv("CLEARTOOL_SIM_WORLD", (dir_ / name).c_str(), 1);
  }

  static void Fault(const char* spec) { setenv("CLEARTOOL_SIM_FAULT", spec, 1); }

  std::filesystem::path dir_;
};

}  // namespace clearcase::test

#endif  // CLEARTOOL_SIM_PATH
