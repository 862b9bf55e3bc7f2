// The element actions: one table of their command lines, then what they do with
// cleartool's output and the files they write.
#include "clearcase/actions/element/cleartool_action.h"
#include "clearcase/actions/element/config_spec_actions.h"
#include "clearcase/actions/element/find_checkouts_action.h"
#include "clearcase/actions/element/update_action.h"

#include <gmock/gmock.h>

#include <filesystem>

#include "command_cases.h"

namespace {

using ElementAction = cctest::ActionCommandTest;
using cctest::Args;
using cctest::With;
using clearcase::TClearCaseCleartoolAction;
using clearcase::TClearCaseFindCheckoutsAction;
using clearcase::TClearCaseGetConfigSpecAction;
using clearcase::TClearCaseUpdateAction;

// One row per rule that can go wrong: an order, a combination, an exception, a message.
TEST_F(ElementAction, CommandLines) {
  Options().SetDefaultViewPath(view_);
  // clang-format off
  CheckTypes({
      {"CC_CHECKIN", "every switch, in order, after the comment; keep wins over remove",
       With({"PathNameStorageString=a.c\r\nb c.c@@/main/1\r\n", "Comment=Fix %VAR%",
             "IdenticalCheckin", "Remove", "Keep", "PreserveTime", "NoWarnings"}), true,
       {"checkin", "-c \"Fix value\"", "-nwarn", "-ptime", "-keep", "-identical", "\"a.c\"",
        "\"b c.c@@/main/1\""}},
      {"CC_CHECKIN", "a comment that cannot be expanded is left out and the checkin still runs",
       With({"Comment=Fix %NOPE%", "NoWarnings"}), true, {"checkin", "-nwarn", "\"a.c\""},
       "cannot expand Comment"},
      {"CC_CHECKIN", "no path names", With({"PathNameStorageString=", "Comment=x"}), false,
       {"checkin", "-c \"x\""}, cctest::kNoPaths},
      {"CC_CHECKIN", "a failing base stops the switches but the operands still follow",
       With({"ViewContextPath=/no/such/view", "PathNameStorageString=a.c@@/main/1", "Keep"}),
       false, {"checkin", "\"a.c@@/main/1\""}, cctest::kViewError},
      {"CC_CHECKOUT", "reserved and unreserved; the out path is ignored unless the data goes out",
       With({"Reserved", "Unreserved", "Comment=fix", "OutExternalPath=%NOPE%"}), true,
       {"checkout", "-reserved", "-unreserved", "-c \"fix\"", "-nquery", "\"a.c\""}},
      {"CC_CHECKOUT", "out, ptime and branch in that order",
       With({"DataLocation=coOut", "OutExternalPath=%VAR%/a.c", "SelectionMode=coBranch",
             "BranchSelector=dev", "VersionSelector=/main/3", "PreserveTime"}), true,
       {"checkout", "-out \"value/a.c\"", "-ptime", "-branch \"dev\"", "-nc", "-nquery",
        "\"a.c\""}},
      {"CC_CHECKOUT", "no data, a version",
       With({"DataLocation=coNoData", "SelectionMode=coVersion", "VersionSelector=/main/LATEST",
             "BranchSelector=ignored"}), true,
       {"checkout", "-ndata", "-version \"/main/LATEST\"", "-nc", "-nquery", "\"a.c\""}},
      {"CC_CHECKOUT", "a version that cannot be expanded stops at once",
       With({"Reserved", "SelectionMode=coVersion", "VersionSelector=%NOPE%"}), false,
       {"checkout", "-reserved"}, "cannot expand Version Selector"},
      {"CC_CHECKOUT", "an out path that cannot be expanded stops at once",
       With({"DataLocation=coOut", "OutExternalPath=%NOPE%", "PreserveTime"}), false,
       {"checkout"}, "cannot expand External Pathname"},
      {"CC_CHECKOUT", "no path names: the rest is still appended", With({"PathNameStorageString="}),
       false, {"checkout", "-nc", "-nquery"}, cctest::kNoPaths},
      {"CC_MKELEM", "the new elements stay checked out; an unused element type is not passed",
       With({"PathNameStorageString=a.c\r\nb c.c\r\n", "ElementType=text_file"}), true,
       {"mkelem", "-nc", "\"a.c\"", "\"b c.c\""}},
      {"CC_MKELEM", "every switch, checked in",
       With({"Comment=new", "NoWarnings", "Master", "MakePath", "PreserveTime",
             "Checkout=ccCheckedIn", "ElementType=text_file", "UseElementType"}), true,
       {"mkelem", "-eltype text_file", "-ci", "-ptime", "-mkpath", "-master", "-nwarn",
        "-c \"new\"", "\"a.c\""}},
      {"CC_MKELEM", "preserved time only with a checked-in element",
       With({"PreserveTime", "Checkout=ccNoCheckOut"}), true, {"mkelem", "-nco", "-nc", "\"a.c\""}},
      {"CC_MKELEM", "the element type travels as stored, blanks and expressions included",
       With({"UseElementType", "ElementType=%VAR% file"}), true,
       {"mkelem", "-eltype %VAR% file", "-nc", "\"a.c\""}},
      {"CC_MKELEM", "a comment that cannot be expanded fails; the path names still follow",
       With({"Comment=%NOPE%"}), false, {"mkelem", "\"a.c\""}, "cannot expand Comment"},
      {"CC_MKELEM", "no path names", With({"PathNameStorageString="}), false, {"mkelem", "-nc"},
       cctest::kNoPaths},
      {"CC_UNCHECKOUT", "checked-out data is removed unless kept",
       With({"PathNameStorageString=a.c\r\n%VAR%.c\r\n"}), true,
       {"uncheckout", "-rm", "\"a.c\"", "\"value.c\""}},
  }, {"PathNameStorageString=a.c"});
  const std::string file = MakeFile("my specs/release 1.cs", "element * /main/LATEST\n");
  CheckTypes({
      {"UCM_CHECKIN", "no activity chosen", With({}), true, {"checkin", "-nc", "-cact"}},
      {"UCM_CHECKIN", "named activity with its VOB; stored path names are never appended",
       With({"ActivityName=%VAR% 1", "VOBSelector=/vobs/pvob", "PathNameStorageString=a.c\r\n",
             "Comment=done"}), true,
       {"checkin", "-c \"done\"", "\"activity:value 1@/vobs/pvob\""}},
      {"UCM_CHECKIN", "activity that cannot be expanded", With({"ActivityName=%NOPE%"}), false,
       {"checkin", "-nc"}, "cannot expand Activity Name"},
      {"UCM_UNCHECKOUT", "kept; stored path names are ignored",
       With({"Keep", "PathNameStorageString=a.c\r\nb.c@@/main/1\r\n"}), true,
       {"uncheckout", "-keep", "-cact"}},
      {"UCM_UNCHECKOUT", "the default view passes the view check",
       With({"ViewContextPath=", "UseDefaultViewContext"}), true, {"uncheckout", "-rm", "-cact"}},
      {"UCM_UNCHECKOUT", "no view at all: the base reports it, not the view check",
       With({"ViewContextPath="}), false, {"uncheckout", "-rm", "-cact"}, cctest::kViewError},
      {"UCM_UNCHECKOUT",
       "no view but path names let the base start elsewhere: the view check stops it",
       With({"ViewContextPath=", "PathNameStorageString=a.c"}), false,
       {"uncheckout", "-rm", "-cact"},
       "Error: You have not specified a View to undo checkout for."},
      {"CC_GENERIC", "arguments follow the subcommand exactly as typed, as one argument",
       With({"Command=describe", "Arguments=-fmt \"%%n\" lbtype:%VAR%@/vobs/src  -l"}), true,
       {"describe", "-fmt \"%n\" lbtype:value@/vobs/src  -l"}},
      {"CC_GENERIC", "subcommand not expanded", With({"Command=%VAR%", "Arguments=x"}), true,
       {"%VAR%", "x"}},
      {"CC_GENERIC", "an empty subcommand is not rejected", With({"Arguments=lsvob"}), true,
       {"", "lsvob"}},
      {"CC_GENERIC", "arguments that cannot be expanded",
       With({"Command=describe", "Arguments=%NOPE%"}), false, {"describe"},
       "cannot expand Arguments"},
      {"CC_SETCONFIGSPEC", "the current config spec; the file is read only when chosen",
       With({"CSFilePath=/no/such.cs"}), true, {"setcs", "-current"}},
      {"CC_SETCONFIGSPEC",
       "a file whose path has blanks travels trimmed and quoted as one argument",
       With({"CSpecChoice=csFile", "CSFilePath= " + file + " "}), true,
       {"setcs", "\"" + file + "\""}},
      {"CC_SETCONFIGSPEC", "a file that does not exist",
       With({"CSpecChoice=csFile", "CSFilePath=" + Path("my specs")}), false, {"setcs"},
       "Error: The file you have specified for the config spec does not exist."},
      {"CC_SETCONFIGSPEC", "a file path that cannot be expanded",
       With({"CSpecChoice=csFile", "CSFilePath=%NOPE%/a.cs"}), false, {"setcs"},
       "cannot expand Config Spec File"},
      {"CC_FINDCHECKOUTS", "recursive; a new action lists path names only", With({"Recurse"}),
       true, {"lscheckout", "-short", "-r"}},
      {"CC_UPDATE", "pretend only comes right after the subcommand",
       With({"PretendOnly", "HijackMode=hmNooverwrite", "UpdateTimestamp=tbCurrent"}), true,
       {"update", "-print", "-force", "-noverwrite", "-ctime"}},
      {"CC_UPDATE", "the default view, default options",
       With({"ViewContextPath=", "UseDefaultViewContext"}), true,
       {"update", "-force", "-overwrite"}},
      {"CC_UPDATE", "no view stops after the pretend option",
       With({"ViewContextPath=", "PretendOnly"}), false, {"update", "-print"},
       "Update failed: No snapshot view specified to update!"},
      {"CC_UPDATE", "a view that does not exist fails but the options follow",
       With({"ViewContextPath=/no/such/view"}), false, {"update", "-force", "-overwrite"},
       cctest::kViewError},
  });
  // clang-format on
}

// What a run leaves in a host variable: the cleartool action stores its whole
// output in a variable named as stored, find-checkouts collects its listing.
TEST_F(ElementAction, RunsLeaveTheirOutputInAHostVariable) {
  const struct {
    const char* name;
    bool find;           // find-checkouts, else the cleartool action
    bool enabled;        // WriteToVariable or SaveOutput
    const char* before;  // nullptr: the variable is not defined
    std::string output;
    const char* after;  // nullptr: still not defined
  } rows[] = {
      {"cleartool: no output sets the variable to the empty string", false, true, nullptr, "", ""},
      {"cleartool: blank lines and blanks at both ends are removed", false, true, nullptr,
       "\n  x  y \n\t\n", "x  y"},
      {"cleartool: without SaveOutput nothing is stored", false, false, nullptr, "BL_0\n", nullptr},
      {"no checkouts leave the variable empty", true, true, "text from before", "", ""},
      {"an undefined variable is ignored", true, true, nullptr, "src/a.c\n", nullptr},
      {"without WriteToVariable the variable is left alone", true, false, "kept", "src/a.c\n",
       "kept"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TClearCaseCleartoolAction cleartool;
    cleartool.SetCommand("lsbl");
    cleartool.SetSaveOutput(row.enabled);
    cleartool.SetVyVariable("%BASELINES%");
    TClearCaseFindCheckoutsAction find;
    find.SetWriteToVariable(row.enabled);
    find.SetVariableName("Checkouts");
    clearcase::TClearCaseBaseAction& action =
        row.find ? static_cast<clearcase::TClearCaseBaseAction&>(find) : cleartool;
    const std::string variable = row.find ? "CHECKOUTS" : "%BASELINES%";
    if (row.before != nullptr) action.SetVariable(variable, row.before);
    const Args argv = row.find ? Args{"lscheckout", "-short"} : Args{"lsbl"};
    const vy::TVyRunResult result = RunPrinting(action, argv, row.output);
    EXPECT_TRUE(result.succeeded) << result.reason;
    EXPECT_EQ(action.IsVariableDefined(variable), row.after != nullptr);
    if (row.after != nullptr) {
      EXPECT_EQ(action.GetVariableValue(variable), row.after);
    }
    EXPECT_TRUE(Errors(action).empty());
  }
}

TEST_F(ElementAction, ConfigSpecGetReplacesALongerFileByExactlyWhatCleartoolPrinted) {
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

TEST_F(ElementAction, ConfigSpecGetStopsBeforeCleartoolStartsWhenTheFileCannotBeOpened) {
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

TEST_F(ElementAction, ConfigSpecGetReportsAFailingWriteOnceAndGoesOn) {
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

TEST_F(ElementAction, UpdateValidationAsksForASnapshotView) {
  TClearCaseUpdateAction action;
  cctest::TValidationSink missing;
  EXPECT_FALSE(action.Validate(missing));
  EXPECT_EQ(missing.errors,
            Args{"Update Properties: No snapshot view to update has been specified."});
  action.SetUseDefaultViewContext(true);
  cctest::TValidationSink given;
  EXPECT_TRUE(action.Validate(given));
  EXPECT_TRUE(given.errors.empty());
}

}  // namespace
