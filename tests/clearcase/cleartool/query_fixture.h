#pragma once
// Fixtures of the query tests: the host with the package's options object,
// and a process runner that plays back scripted cleartool output and records
// every run, so that no process starts.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "clearcase/plugin/clearcase_options.h"
#include "vycore/filesystem.h"
#include "vycore/process.h"
#include "vycore/services.h"

namespace clearcase::test {

inline constexpr char kFakeCleartool[] = "/opt/rational/clearcase/bin/cleartool";

// Only the fake cleartool program exists.
class TFakeFileSystem final : public vy::IFileSystem {
 public:
  bool FileExists(const std::string& path) const override { return path == kFakeCleartool; }
  bool DirectoryExists(const std::string&) const override { return false; }
};

class TFakeRunner final : public vy::IProcessRunner {
 public:
  // Output by the run's arguments joined by blanks; runs not listed print nothing.
  std::map<std::string, std::string> outputs;
  bool throws = false;
  std::vector<vy::TProcessSpec> runs;
  std::vector<std::string> joined;  // the arguments of each run, joined by blanks

  vy::TProcessOutcome Run(const vy::TProcessSpec& spec, vy::IProcessSink& sink) override {
    runs.push_back(spec);
    std::string arguments;
    for (const std::string& argument : spec.arguments) {
      arguments += (arguments.empty() ? "" : " ") + argument;
    }
    joined.push_back(arguments);
    if (throws) throw std::runtime_error("sink failed");
    std::string_view text = outputs[arguments];
    while (!text.empty()) {
      const std::size_t length = std::min(text.find('\n'), text.size() - 1) + 1;
      sink.OnStdOut(text.substr(0, length));
      text.remove_prefix(length);
    }
    vy::TProcessOutcome exited;
    exited.kind = vy::TProcessOutcome::Exited;
    exited.exitCode = 0;
    return exited;
  }
};

// One query and the cleartool runs it must make.
struct CommandRow {
  std::function<std::string()> query;
  std::vector<std::string> runs;  // the arguments of each run, joined by blanks
  std::string directory = "/opt/rational/clearcase/bin";
};

// A fresh host with the package's options, cleartool at kFakeCleartool and
// the fake runner in place.
class QueryTest : public testing::Test {
 protected:
  void SetUp() override {
    vy::ResetVyServicesForTesting();
    vy::SetFileSystem(&fileSystem_);
    vy::SetProcessRunner(&runner);
    RegisterOptions();
    Options().SetClearToolPath(kFakeCleartool);
    Options().SetDesignTimeout(5000);
  }
  void TearDown() override {
    vy::SetProcessRunner(nullptr);
    vy::SetFileSystem(nullptr);
    vy::ResetVyServicesForTesting();
  }

  static IVyClearCaseOptions& Options() { return *ClearCaseOptions(); }

  void ExpectRuns(const std::vector<CommandRow>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      runner.runs.clear();
      runner.joined.clear();
      rows[i].query();
      EXPECT_EQ(runner.joined, rows[i].runs) << "row " << i;
      if (!runner.runs.empty()) {
        EXPECT_EQ(runner.runs[0].workingDirectory, rows[i].directory) << "row " << i;
      }
    }
  }

  TFakeRunner runner;

 private:
  TFakeFileSystem fileSystem_;
};

}  // namespace clearcase::test
