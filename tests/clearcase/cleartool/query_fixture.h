#pragma once
// Fixtures of the query tests: the host with the package's options object,
// and a process runner that plays back scripted cleartool output and records
// every run, so that most tests start no process.

#include <gtest/gtest.h>

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

inline vy::TProcessOutcome Outcome(vy::TProcessOutcome::Kind kind, int exitCode = -1) {
  vy::TProcessOutcome outcome;
  outcome.kind = kind;
  outcome.exitCode = exitCode;
  return outcome;
}

class TFakeRunner final : public vy::IProcessRunner {
 public:
  // Output by the run's arguments joined by blanks; runs not listed print nothing.
  std::map<std::string, std::string> outputs;
  vy::TProcessOutcome outcome = Outcome(vy::TProcessOutcome::Exited, 0);
  bool throws = false;
  std::vector<vy::TProcessSpec> runs;

  vy::TProcessOutcome Run(const vy::TProcessSpec& spec, vy::IProcessSink& sink) override {
    runs.push_back(spec);
    if (throws) throw std::runtime_error("sink failed");
    std::string_view text = outputs[Arguments(runs.size() - 1)];
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      sink.OnStdOut(text.substr(0, end == std::string_view::npos ? text.size() : end + 1));
      text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return outcome;
  }

  std::string Arguments(std::size_t run) const {
    std::string joined;
    for (const std::string& argument : runs.at(run).arguments) {
      joined += (joined.empty() ? "" : " ") + argument;
    }
    return joined;
  }
  std::vector<std::string> AllArguments() const {
    std::vector<std::string> all;
    for (std::size_t run = 0; run < runs.size(); ++run) all.push_back(Arguments(run));
    return all;
  }
};

// One query and the cleartool runs it must make.
struct CommandRow {
  const char* name;
  std::function<std::string()> query;
  std::vector<std::string> runs;  // the arguments of each run, joined by blanks
  std::string directory = "/opt/rational/clearcase/bin";
};

// One query, what cleartool prints for each run, and the query's answer.
struct AnswerRow {
  const char* name;
  std::map<std::string, std::string> printed;  // by the run's arguments joined by blanks
  std::function<std::string()> query;
  std::string expected;
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

  template <std::size_t N>
  void ExpectRuns(const CommandRow (&rows)[N]) {
    for (const CommandRow& row : rows) {
      runner.runs.clear();
      row.query();
      EXPECT_EQ(runner.AllArguments(), row.runs) << row.name;
      if (!runner.runs.empty()) {
        EXPECT_EQ(runner.runs[0].workingDirectory, row.directory) << row.name;
      }
    }
  }

  template <std::size_t N>
  void ExpectAnswers(const AnswerRow (&rows)[N]) {
    for (const AnswerRow& row : rows) {
      runner.outputs = row.printed;
      EXPECT_EQ(row.query(), row.expected) << row.name;
    }
  }

  TFakeRunner runner;

 private:
  TFakeFileSystem fileSystem_;
};

}  // namespace clearcase::test
