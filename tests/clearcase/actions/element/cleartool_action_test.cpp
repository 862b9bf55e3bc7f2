#include "clearcase/actions/element/cleartool_action.h"

#include "command_cases.h"

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
      {"subcommand not expanded", With({"Command=%VAR%", "Arguments=x"}), true, {"%VAR%", "x"}},
      {"an empty subcommand is not rejected", With({"Arguments=lsvob"}), true, {"", "lsvob"}},
      {"arguments that cannot be expanded",
       With({"Command=describe", "Arguments=%NOPE%"}),
       false,
       {"describe"},
       "cannot expand Arguments"},
  });
}

struct TOutputCase {
  const char* name;
  bool saveOutput;
  std::string output;
  const char* value;  // nullptr: the variable is not set
};

const TOutputCase kOutputCases[] = {
    {"three lines joined by CR LF without a trailing one", true, "BL_0\nBL_1\r\nBL_2\n",
     "BL_0\r\nBL_1\r\nBL_2"},
    {"no output sets the variable to the empty string", true, "", ""},
    {"blank lines and blanks at both ends are removed", true, "\n  x  y \n\t\n", "x  y"},
    {"without SaveOutput nothing is stored", false, "BL_0\n", nullptr},
};

TEST_F(Cleartool, StoresTheWholeOutputInAHostVariable) {
  for (const TOutputCase& c : kOutputCases) {
    SCOPED_TRACE(c.name);
    TClearCaseCleartoolAction action;
    action.SetCommand("lsbl");
    action.SetSaveOutput(c.saveOutput);
    action.SetVyVariable("%BASELINES%");  // used as stored
    const vy::TVyRunResult result = RunPrinting(action, {"lsbl"}, c.output);
    EXPECT_TRUE(result.succeeded) << result.reason;
    EXPECT_EQ(action.IsVariableDefined("%BASELINES%"), c.value != nullptr);
    if (c.value != nullptr) {
      EXPECT_EQ(action.GetVariableValue("%BASELINES%"), c.value);
    }
  }
}

}  // namespace
