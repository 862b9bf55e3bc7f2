#include "package_fixture.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "vycore/command_line.h"
#include "vycore/platform.h"
#include "vycore/services.h"

namespace cctest {

vy::TProcessOutcome TRecordingRunner::Run(const vy::TProcessSpec& spec, vy::IProcessSink& sink) {
  starts.push_back(spec);
  for (const auto& line : stdoutLines) sink.OnStdOut(line);
  vy::TProcessOutcome outcome;
  outcome.kind = vy::TProcessOutcome::Exited;
  outcome.exitCode = 0;
  return outcome;
}

void TPackageTest::SetUp() {
  std::string pattern = (std::filesystem::temp_directory_path() / "cctest.XXXXXX").string();
  const char* created = ::mkdtemp(pattern.data());
  ASSERT_NE(created, nullptr) << "cannot create " << pattern;
  root_ = created;
  savedPath_ = vy::GetEnvironmentVariable("PATH");
  savedDirectory_ = std::filesystem::current_path();
  // Discovery looks for cleartool in the current folder first: the stand-in
  // beside the test binaries must not answer for "no path given".
  std::filesystem::current_path(root_);
  ::setenv("XDG_CONFIG_HOME", MakeDir("config").c_str(), 1);
  ::setenv("VANTRY_USER_INI", Path("config/user.ini").c_str(), 1);
  ::setenv("VANTRY_OPTIONS", Path("config/options.xml").c_str(), 1);
  vy::ResetVyServicesForTesting();
  clearcase::RegisterOptions();
  cleartool_ = MakeFile("bin/cleartool");
  view_ = MakeDir("view");
  Options().SetClearToolPath(cleartool_);
  Options().SetDesignTimeout(5000);
  vy::SetProcessRunner(&runner_);
}

void TPackageTest::TearDown() {
  if (savedPath_) ::setenv("PATH", savedPath_->c_str(), 1);
  std::error_code ignored;
  std::filesystem::current_path(savedDirectory_, ignored);
  vy::SetVyBrowsers(nullptr, nullptr);
  vy::SetProcessRunner(nullptr);
  vy::ResetVyServicesForTesting();
  std::filesystem::remove_all(root_, ignored);
}

std::string TPackageTest::Path(const std::string& relative) const {
  return root_ + "/" + relative;
}

std::string TPackageTest::MakeDir(const std::string& relative) const {
  std::filesystem::create_directories(Path(relative));
  return Path(relative);
}

std::string TPackageTest::MakeFile(const std::string& relative, const std::string& content) const {
  std::filesystem::create_directories(std::filesystem::path(Path(relative)).parent_path());
  std::ofstream(Path(relative), std::ios::binary) << content;
  return Path(relative);
}

clearcase::TVyClearCaseOptions& TPackageTest::Options() const {
  return *clearcase::ClearCaseOptions()->GetImplementation();
}

TBuiltCommand TPackageTest::Build(clearcase::TClearCaseBaseAction& action) const {
  TBuiltCommand built;
  auto builder = vy::CreateCommandLineBuilder();
  action.ClearMessages();
  built.ok = action.GetCommandLine(*builder);
  for (std::size_t i = 0; i < builder->ArgumentCount(); ++i) {
    built.arguments.push_back(builder->Argument(i).Render());
  }
  built.errors = Errors(action);
  built.argv = vy::TokenizeCommandLine(builder->GetCommandLine());
  return built;
}

std::vector<std::string> TPackageTest::Errors(const vy::TCustomVyAction& action) {
  std::vector<std::string> errors;
  for (const auto& message : action.Messages()) {
    if (message.tag == vy::tsError) errors.push_back(message.text);
  }
  return errors;
}

}  // namespace cctest
