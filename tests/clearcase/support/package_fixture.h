#pragma once
// Fixtures shared by the package's tests: a clean host with the ClearCase
// options registered, a private temporary folder holding a "cleartool" file
// and a view folder, an empty PATH, no real process, and helpers that build
// an action's command line.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "clearcase/actions/core/base_action.h"
#include "clearcase/plugin/clearcase_options.h"
#include "test_support.h"
#include "vycore/process.h"

namespace cctest {

struct TBuiltCommand {
  bool ok = false;
  std::vector<std::string> arguments;  // as each argument renders
  std::vector<std::string> errors;     // messages sent with the error tag
  std::vector<std::string> argv;       // what cleartool receives after its own name
};

// Collects validation errors as "Property: message", marked " (options)"
// when they point at the options object, " (other)" at anything else.
struct TValidationSink final : vy::IVyActionValidationError {
  void AddError(const std::string& property, const std::string& message,
                const vy::TVyPersistent* related) override;
  std::vector<std::string> errors;
};

class TPackageTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Folders and files inside the test's own temporary folder.
  std::string Path(const std::string& relative) const { return root_.File(relative); }
  std::string MakeDir(const std::string& relative) const;
  std::string MakeFile(const std::string& relative, const std::string& content = {}) const;

  clearcase::TVyClearCaseOptions& Options() const {
    return *clearcase::ClearCaseOptions()->GetImplementation();
  }
  // Runs GetCommandLine on a fresh builder.
  TBuiltCommand Build(clearcase::TClearCaseBaseAction& action) const;
  static std::vector<std::string> Errors(const vy::TCustomVyAction& action);

  std::string cleartool_;       // an existing file the options name
  std::string view_;            // an existing folder used as view
  vytest::TFakeRunner runner_;  // no real process starts

 private:
  // Tests may change PATH, the current directory and the folder browser;
  // they are put back.
  vytest::TTempDir root_;
  vytest::TScopedEnv path_{"PATH", nullptr};
  std::filesystem::path savedDirectory_;
};

}  // namespace cctest
