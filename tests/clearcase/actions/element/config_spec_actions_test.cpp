#include "clearcase/actions/element/config_spec_actions.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "command_cases.h"
#include "vycore/filesystem.h"
#include "vycore/run.h"

namespace {

using cctest::Args;
using clearcase::TClearCaseGetConfigSpecAction;
using clearcase::TClearCaseSetConfigSpecAction;

constexpr const char* kNoFile =
    "Error: The file you have specified for the config spec does not exist.";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class ConfigSpec : public cctest::ActionCommandTest {};

TEST_F(ConfigSpec, SetCommandLines) {
  const std::string file = MakeFile("my specs/release 1.cs", "element * /main/LATEST\n");
  CheckCommandLines<TClearCaseSetConfigSpecAction>({
      {"a new action reprocesses the current config spec",
       [](auto&) {},
       true,
       {"setcs", "-current"}},
      {"the default config spec",
       [](auto& a) { a.SetCSpecChoice(clearcase::csDefault); },
       true,
       {"setcs", "-default"}},
      {"the stream's config spec",
       [](auto& a) { a.SetCSpecChoice(clearcase::csStream); },
       true,
       {"setcs", "-stream"}},
      {"a file whose path has blanks travels quoted as one argument",
       [&](auto& a) {
         a.SetCSpecChoice(clearcase::csFile);
         a.SetVariable("SPECS", Path("my specs"));
         a.SetCSFilePath(" %SPECS%/release 1.cs ");
       },
       true,
       {"setcs", "\"" + file + "\""}},
      {"the file is read only when chosen",
       [](auto& a) { a.SetCSFilePath("/no/such.cs"); },
       true,
       {"setcs", "-current"}},
      {"a file that does not exist",
       [&](auto& a) {
         a.SetCSpecChoice(clearcase::csFile);
         a.SetCSFilePath(Path("my specs"));
       },
       false,
       {"setcs"},
       kNoFile},
      {"a file path that cannot be expanded",
       [](auto& a) {
         a.SetCSpecChoice(clearcase::csFile);
         a.SetCSFilePath("%NOPE%/a.cs");
       },
       false,
       {"setcs"},
       "cannot expand Config Spec File"},
      {"a failing base still gets its option",
       [](auto& a) { a.SetViewContextPath("/no/such/view"); },
       false,
       {"setcs", "-current"},
       "Error: The View Context Path you have specified is invalid or does not exist."},
  });
}

// Knows one view folder and one file; nothing else exists.
class TFakeFileSystem final : public vy::IFileSystem {
 public:
  bool FileExists(const std::string& path) const override {
    return path == "/virtual/cs.txt" || path == cleartool;
  }
  bool DirectoryExists(const std::string& path) const override { return path == "/virtual"; }
  std::string cleartool;
};

TEST_F(ConfigSpec, TheFileIsLookedUpThroughTheHostsFileSystem) {
  TFakeFileSystem files;
  files.cleartool = cleartool_;
  vy::SetFileSystem(&files);
  TClearCaseSetConfigSpecAction action;
  action.SetViewContextPath("/virtual");
  action.SetCSpecChoice(clearcase::csFile);
  action.SetCSFilePath("/virtual/cs.txt");
  const auto built = Build(action);
  vy::SetFileSystem(nullptr);
  EXPECT_TRUE(built.ok);
  EXPECT_EQ(built.arguments, (Args{"setcs", "\"/virtual/cs.txt\""}));
}

class GetConfigSpec : public ConfigSpec {
 protected:
  vy::TVyRunResult Run(TClearCaseGetConfigSpecAction& action, const Args& output) {
    action.SetViewContextPath(view_);
    runner_.starts.clear();
    runner_.stdoutLines = output;
    return vy::RunAction(action, {});
  }
};

TEST_F(GetConfigSpec, WithoutAFileTheConfigSpecIsOnlyLogged) {
  TClearCaseGetConfigSpecAction action;
  action.SetOutputFilePath(Path("spec.txt"));
  EXPECT_TRUE(Run(action, {"element * CHECKEDOUT\n"}).succeeded);
  ASSERT_EQ(runner_.starts.size(), 1u);
  EXPECT_EQ(runner_.starts[0].arguments, Args{"catcs"});
  EXPECT_EQ(runner_.starts[0].workingDirectory, view_);
  EXPECT_EQ(action.Messages().back().text, "element * CHECKEDOUT");
  EXPECT_FALSE(std::filesystem::exists(Path("spec.txt")));
}

TEST_F(GetConfigSpec, ALongerFileIsReplacedByExactlyWhatCleartoolPrinted) {
  const std::string file = MakeFile("out/spec.txt", std::string(5000, 'x') + "\nold spec\n");
  TClearCaseGetConfigSpecAction action;
  action.SetOutputToFile(true);
  action.SetVariable("OUT", Path("out"));
  action.SetOutputFilePath("%OUT%/spec.txt");
  const auto result = Run(action, {"element * CHECKEDOUT\r\n", "element * /main/LATEST\n", "load"});
  EXPECT_TRUE(result.succeeded) << result.reason;
  EXPECT_EQ(ReadFile(file), "element * CHECKEDOUT\r\nelement * /main/LATEST\nload");
  EXPECT_TRUE(Errors(action).empty());

  // The next run starts from an empty file again, even without output.
  EXPECT_TRUE(Run(action, {}).succeeded);
  EXPECT_EQ(ReadFile(file), "");
}

TEST_F(GetConfigSpec, AFileThatCannotBeOpenedStopsTheRunBeforeCleartoolStarts) {
  const std::string file = Path("missing/spec.txt");
  const struct {
    const char* name;
    std::string path;
    std::string error;
  } rows[] = {
      {"folder that does not exist", file,
       "An error occured trying to open the file \"" + file +
           "\" for writing : No such file or directory"},
      {"path that cannot be expanded", "%NOPE%/spec.txt", "cannot expand Output File Path"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TClearCaseGetConfigSpecAction action;
    action.SetOutputToFile(true);
    action.SetOutputFilePath(row.path);
    EXPECT_FALSE(Run(action, {"element * CHECKEDOUT\n"}).succeeded);
    EXPECT_TRUE(runner_.starts.empty());
    const auto errors = Errors(action);
    ASSERT_FALSE(errors.empty());
    EXPECT_NE(errors.back().find(row.error), std::string::npos) << errors.back();
  }
  EXPECT_FALSE(std::filesystem::exists(Path("missing")));
}

TEST_F(GetConfigSpec, AFailingWriteIsReportedOnceAndTheRunGoesOn) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "needs /dev/full";
  TClearCaseGetConfigSpecAction action;
  action.SetOutputToFile(true);
  action.SetOutputFilePath("/dev/full");
  EXPECT_TRUE(Run(action, {"element * CHECKEDOUT\n", "element * /main/LATEST\n"}).succeeded);
  EXPECT_EQ(Errors(action),
            Args{"An error occured whilst writing to the file. The file could not be written."});
  EXPECT_EQ(action.Messages().back().text, "element * /main/LATEST");  // still logged
}

}  // namespace
