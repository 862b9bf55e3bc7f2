#include "clearcase/actions/element/config_spec_actions.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "command_cases.h"
#include "vycore/run.h"

namespace {

using cctest::Args;
using cctest::With;
using clearcase::TClearCaseGetConfigSpecAction;

class ConfigSpec : public cctest::ActionCommandTest {
 protected:
  vy::TVyRunResult Run(TClearCaseGetConfigSpecAction& action, const Args& output) {
    action.SetViewContextPath(view_);
    runner_.starts.clear();
    runner_.stdoutLines = output;
    return vy::RunAction(action, {});
  }
};

TEST_F(ConfigSpec, SetCommandLines) {
  const std::string file = MakeFile("my specs/release 1.cs", "element * /main/LATEST\n");
  CheckCommandLines<clearcase::TClearCaseSetConfigSpecAction>({
      {"the current config spec; the file is read only when chosen",
       With({"CSFilePath=/no/such.cs"}),
       true,
       {"setcs", "-current"}},
      {"the default config spec", With({"CSpecChoice=csDefault"}), true, {"setcs", "-default"}},
      {"the stream's config spec", With({"CSpecChoice=csStream"}), true, {"setcs", "-stream"}},
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
      {"a failing base still gets its option",
       With({"ViewContextPath=/no/such/view"}),
       false,
       {"setcs", "-current"},
       "Error: The View Context Path you have specified is invalid or does not exist."},
  });
}

TEST_F(ConfigSpec, GetReplacesALongerFileByExactlyWhatCleartoolPrinted) {
  const std::string old = std::string(5000, 'x') + "\nold spec\n";
  const std::string file = MakeFile("out/spec.txt", old);
  const auto read = [&file] {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  };
  TClearCaseGetConfigSpecAction action;
  action.SetVariable("OUT", Path("out"));
  action.SetOutputFilePath("%OUT%/spec.txt");
  EXPECT_TRUE(Run(action, {"element * CHECKEDOUT\n"}).succeeded);
  ASSERT_EQ(runner_.starts.size(), 1u);
  EXPECT_EQ(runner_.starts[0].arguments, Args{"catcs"});
  EXPECT_EQ(runner_.starts[0].workingDirectory, view_);
  EXPECT_EQ(action.Messages().back().text, "element * CHECKEDOUT");
  EXPECT_EQ(read(), old);  // without OutputToFile the config spec is only logged

  action.SetOutputToFile(true);
  const auto result = Run(action, {"element * CHECKEDOUT\r\n", "element * /main/LATEST\n", "load"});
  EXPECT_TRUE(result.succeeded) << result.reason;
  EXPECT_EQ(read(), "element * CHECKEDOUT\r\nelement * /main/LATEST\nload");
  EXPECT_TRUE(Errors(action).empty());

  // The next run starts from an empty file again, even without output.
  EXPECT_TRUE(Run(action, {}).succeeded);
  EXPECT_EQ(read(), "");
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
    EXPECT_FALSE(Run(action, {"element * CHECKEDOUT\n"}).succeeded);
    EXPECT_TRUE(runner_.starts.empty());
    const auto errors = Errors(action);
    ASSERT_FALSE(errors.empty());
    EXPECT_NE(errors.back().find(row.error), std::string::npos) << errors.back();
  }
  EXPECT_FALSE(std::filesystem::exists(Path("missing")));
}

TEST_F(ConfigSpec, GetReportsAFailingWriteOnceAndGoesOn) {
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
