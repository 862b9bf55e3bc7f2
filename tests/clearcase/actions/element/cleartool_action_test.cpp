#include "clearcase/actions/element/cleartool_action.h"

#include "command_cases.h"
#include "vycore/run.h"

namespace {

using cctest::Args;
using cctest::With;
using clearcase::TClearCaseCleartoolAction;

class Cleartool : public cctest::ActionCommandTest {};

TEST_F(Cleartool, CommandLines) {
  CheckCommandLines<TClearCaseCleartoolAction>({
      {"arguments follow the subcommand exactly as typed, as one argument",
       With({"Command=describe", "Arguments=-fmt \"%%n\" lbtype:%VAR%@/vobs/src  -l"}),
       true,
       {"describe", "-fmt \"%n\" lbtype:value@/vobs/src  -l"}},
      {"the subcommand is not expanded",
       With({"Command=%VAR%", "Arguments=x"}),
       true,
       {"%VAR%", "x"}},
      {"an empty subcommand is not rejected", With({"Arguments=lsvob"}), true, {"", "lsvob"}},
      {"arguments that cannot be expanded",
       With({"Command=describe", "Arguments=%NOPE%"}),
       false,
       {"describe"},
       "cannot expand Arguments"},
      {"a failing base still gets the arguments",
       With({"ViewContextPath=/no/such/view", "Command=lsvob", "Arguments=-s"}),
       false,
       {"lsvob", "-s"},
       "Error: The View Context Path you have specified is invalid or does not exist."},
  });
}

struct TOutputCase {
  const char* name;
  bool saveOutput;
  Args output;        // pieces of standard output as the program prints them
  const char* value;  // nullptr: the variable is not set
};

const TOutputCase kOutputCases[] = {
    {"three lines joined by CR LF without a trailing one",
     true,
     {"BL_0\n", "BL_1\r\n", "BL_2\n"},
     "BL_0\r\nBL_1\r\nBL_2"},
    {"no output sets the variable to the empty string", true, {}, ""},
    {"blank lines and blanks at both ends are removed", true, {"\n", "  x  y \n", "\t\n"}, "x  y"},
    {"without SaveOutput nothing is stored", false, {"BL_0\n"}, nullptr},
};

TEST_F(Cleartool, StoresTheWholeOutputInAHostVariable) {
  for (const TOutputCase& c : kOutputCases) {
    SCOPED_TRACE(c.name);
    TClearCaseCleartoolAction action;
    action.SetViewContextPath(view_);
    action.SetCommand("lsbl");
    action.SetSaveOutput(c.saveOutput);
    action.SetVyVariable("%BASELINES%");  // used as stored
    runner_.starts.clear();
    runner_.stdoutLines = c.output;
    const vy::TVyRunResult result = vy::RunAction(action, {});
    EXPECT_TRUE(result.succeeded) << result.reason;
    ASSERT_EQ(runner_.starts.size(), 1u);
    EXPECT_EQ(action.IsVariableDefined("%BASELINES%"), c.value != nullptr);
    if (c.value != nullptr) {
      EXPECT_EQ(action.GetVariableValue("%BASELINES%"), c.value);
    }
  }
}

}  // namespace
