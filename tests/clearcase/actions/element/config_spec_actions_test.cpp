#include "clearcase/actions/element/config_spec_actions.h"

#include <gmock/gmock.h>

#include <filesystem>

#include "command_cases.h"

namespace {

using cctest::Args;
using cctest::With;
using clearcase::TClearCaseGetConfigSpecAction;

class ConfigSpec : public cctest::ActionCommandTest {};

TEST_F(ConfigSpec, SetCommandLines) {
  const std::string file = MakeFile("my specs/release 1.cs", "element * /main/LATEST\n");
  CheckCommandLines<clearcase::TClearCaseSetConfigSpecAction>({
      {"the current config spec; the file is read only when chosen",
       With({"CSFilePath=/no/such.cs"}),
       true,
       {"setcs", "-current"}},
      {"a file whose path has blanks travels trimmed and quoted as one argument",
       With({"CSpecChoice=csFile", "CSFilePath= " + file + " "}),
       true,
       {"setcs", "\"" + file + "\""}},
      {"a file that does not exist",
       With({"CSpecChoice=csFile", "CSFilePath=" + Path("my specs")}),
       false,
       {"setcs"},
       "Error: The file you have specified for the config spec does not exist."},
      {"a file path that cannot be expanded",
       With({"CSpecChoice=csFile", "CSFilePath=%NOPE%/a.cs"}),
       false,
       {"setcs"},
       "cannot expand Config Spec File"},
  });
}

TEST_F(ConfigSpec, GetReplacesALongerFileByExactlyWhatCleartoolPrinted) {
  const std::string old = std::string(5000, 'x') + "\nold spec\n";
  const std::string file = MakeFile("out/spec.txt", old);
  TClearCaseGetConfigSpecAction action;
  action.SetVariable("OUT", Path("out"));
  action.SetOutputFilePath("%OUT%/spec.txt");
  EXPECT_TRUE(RunPrinting(action, {"catcs"}, "element * CHECKEDOUT\n").succeeded);
  EXPECT_EQ(runner_.specs.at(0).workingDirectory, view_);
  EXPECT_EQ(action.Messages().back().text, "element * CHECKEDOUT");
  EXPECT_EQ(vytest::ReadAll(file), old);  // without OutputToFile the config spec is only logged

  action.SetOutputToFile(true);
  const auto result =
      RunPrinting(action, {"catcs"}, "element * CHECKEDOUT\r\nelement * /main/LATEST\nload");
  EXPECT_TRUE(result.succeeded) << result.reason;
  EXPECT_EQ(vytest::ReadAll(file), "element * CHECKEDOUT\r\nelement * /main/LATEST\nload");
  EXPECT_TRUE(Errors(action).empty());

  // The next run starts from an empty file again, even without output.
  EXPECT_TRUE(RunPrinting(action, {"catcs"}, "").succeeded);
  EXPECT_EQ(vytest::ReadAll(file), "");
}

TEST_F(ConfigSpec, GetStopsBeforeCleartoolStartsWhenTheFileCannotBeOpened) {
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
    EXPECT_FALSE(RunPrinting(action, {"catcs"}, "element * CHECKEDOUT\n").succeeded);
    EXPECT_THAT(Errors(action), testing::Contains(testing::HasSubstr(row.error)));
  }
  EXPECT_FALSE(std::filesystem::exists(Path("missing")));
}

TEST_F(ConfigSpec, GetReportsAFailingWriteOnceAndGoesOn) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "needs /dev/full";
  TClearCaseGetConfigSpecAction action;
  action.SetOutputToFile(true);
  action.SetOutputFilePath("/dev/full");
  EXPECT_TRUE(
      RunPrinting(action, {"catcs"}, "element * CHECKEDOUT\nelement * /main/LATEST\n").succeeded);
  EXPECT_EQ(Errors(action),
            Args{"An error occured whilst writing to the file. The file could not be written."});
  EXPECT_EQ(action.Messages().back().text, "element * /main/LATEST");  // still logged
}

}  // namespace
