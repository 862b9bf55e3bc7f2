#include "package_fixture.h"

#include <stdlib.h>

#include <filesystem>

#include "vycore/command_line.h"
#include "vycore/services.h"

namespace cctest {

void TValidationSink::AddError(const std::string& property, const std::string& message,
                               const vy::TVyPersistent* related) {
  const vy::TVyPersistent* options = clearcase::ClearCaseOptions()->GetImplementation();
  const char* mark = related == nullptr ? "" : (related == options ? " (options)" : " (other)");
  errors.push_back(property + ": " + message + mark);
}

void TPackageTest::SetUp() {
  savedDirectory_ = std::filesystem::current_path();
  // Discovery looks for cleartool in the current folder, then on PATH: the
  // stand-in beside the test binaries must not answer for "no path given".
  std::filesystem::current_path(root_.Path());
  ::setenv("PATH", MakeDir("empty-path").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", MakeDir("config").c_str(), 1);
  ::setenv("VANTRY_USER_INI", Path("config/user.ini").c_str(), 1);
  ::setenv("VANTRY_OPTIONS", Path("config/options.xml").c_str(), 1);
  vy::ResetVyServicesForTesting();
  clearcase::RegisterOptions();
  cleartool_ = MakeFile("bin/cleartool");
  view_ = MakeDir("view");
  Options().SetClearToolPath(cleartool_);
  Options().SetDesignTimeout(5000);
}

void TPackageTest::TearDown() {
  std::error_code ignored;
  std::filesystem::current_path(savedDirectory_, ignored);
  vy::SetVyBrowsers(nullptr, nullptr);
  vy::ResetVyServicesForTesting();
}

std::string TPackageTest::MakeDir(const std::string& relative) const {
  std::filesystem::create_directories(Path(relative));
  return Path(relative);
}

std::string TPackageTest::MakeFile(const std::string& relative, const std::string& content) const {
  std::filesystem::create_directories(std::filesystem::path(Path(relative)).parent_path());
  vytest::WriteAll(Path(relative), content);
  return Path(relative);
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
