#pragma once
// Fixtures shared by the package's tests: a clean host with the ClearCase
// options registered, a private temporary folder holding a "cleartool" file
// and a view folder, and helpers that build an action's command line.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "clearcase/actions/core/base_action.h"
#include "clearcase/plugin/clearcase_options.h"
#include "vycore/process.h"

namespace cctest {

struct TBuiltCommand {
  bool ok = false;
  std::vector<std::string> arguments;  // as each argument renders
  std::vector<std::string> errors;     // messages sent with the error tag
  std::vector<std::string> argv;       // what cleartool receives after its own name
};

// Records every program start and plays back scripted output; every run exits with 0.
class TRecordingRunner final : public vy::IProcessRunner {
 public:
  vy::TProcessOutcome Run(const vy::TProcessSpec& spec, vy::IProcessSink& sink) override;
  std::vector<vy::TProcessSpec> starts;
  std::vector<std::string> stdoutLines;  // with their terminators
};

class TPackageTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Folders and files inside the test's own temporary folder.
  std::string Path(const std::string& relative) const;
  std::string MakeDir(const std::string& relative) const;
  std::string MakeFile(const std::string& relative, const std::string& content = {}) const;

  clearcase::TVyClearCaseOptions& Options() const;
  // Runs GetCommandLine on a fresh builder.
  TBuiltCommand Build(clearcase::TClearCaseBaseAction& action) const;
  static std::vector<std::string> Errors(const vy::TCustomVyAction& action);

  std::string root_;       // the temporary folder
  std::string cleartool_;  // an existing file the options name
  std::string view_;       // an existing folder used as view
  TRecordingRunner runner_;

 private:
  // Tests may change PATH, the current directory and the folder browser;
  // TearDown puts them back.
  std::optional<std::string> savedPath_;
  std::filesystem::path savedDirectory_;
};

}  // namespace cctest
