#include "clearcase/actions/core/ucm_action.h"

#include "command_cases.h"
#include "package_fixture.h"

namespace {

using Args = std::vector<std::string>;
using TOperation = bool (clearcase::TClearCaseUCMAction::*)(vy::ICommandLineBuilder&);

// Runs one UCM operation after the base's part of the command line.
class TProbeAction : public clearcase::TClearCaseUCMAction {
 public:
  std::string GetActionName() const override { return "Probe"; }
  std::string GetCommand() const override { return "probe"; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override {
    const bool base = TClearCaseUCMAction::GetCommandLine(builder);
    return (this->*operation)(builder) && base;
  }
  TOperation operation = nullptr;
};

constexpr TOperation kName = &clearcase::TClearCaseUCMAction::AddActivityName;
constexpr TOperation kSelectors = &clearcase::TClearCaseUCMAction::AddActivitySelectors;
constexpr TOperation kComponents = &clearcase::TClearCaseUCMAction::AddComponentSelector;

struct TUCMCase {
  const char* name;
  TOperation operation;
  const char* activities;  // ActivitySelectorStorageString
  bool useCurrent;
  const char* vob;
  const char* components;  // ComponentSelectorStorageString
  bool ok;
  Args expected;      // after the subcommand
  const char* error;  // the last error message, or a word of the host's expansion message
};

// Variables: ACT = "fix_23", TWO = two activities on two lines, NONE = "".
// clang-format off
const TUCMCase kCases[] = {
    {"current activity wins", kName, "fix_23\r\n", true, "", "", true, {"-cact"}, ""},
    {"name with the VOB", kName, "fix_23\r\n", false, "/vobs/pvob", "", true,
     {"activity:fix_23@/vobs/pvob"}, ""},
    {"blank in the name: the quotes enclose the kind and the VOB", kName, "fix 23\r\n", false,
     "/vobs/pvob", "", true, {"\"activity:fix 23@/vobs/pvob\""}, ""},
    {"both expanded", kName, "%ACT%\r\n", false, "%ACT%", "", true, {"activity:fix_23@fix_23"}, ""},
    {"only the first counts", kName, "a\r\nb\r\n", false, "", "", true, {"activity:a"}, ""},
    {"name that cannot be expanded", kName, "%NOPE%\r\n", false, "", "", false, {},
     "cannot expand Activity Name"},
    {"selectors: current activity", kSelectors, "a\r\n", true, "", "", true, {"-cact"}, ""},
    {"selectors joined without the VOB", kSelectors, "a\r\nb@/vobs/pvob\r\n", false,
     "/vobs/pvob", "", true, {"activity:a,activity:b@/vobs/pvob"}, ""},
    {"selector expanding to two lines", kSelectors, "%TWO%\r\nc\r\n", false, "", "", true,
     {"activity:x,activity:y,activity:c"}, ""},
    {"expands to nothing", kSelectors, "%NONE%\r\n", false, "", "", true, {"activity:"}, ""},
    {"selector with a blank", kSelectors, "a b\r\n", false, "", "", true, {"\"activity:a b\""}, ""},
    {"two components in one argument", kComponents, "", false, "", "c1@/vobs/pvob\r\nc2\r\n",
     true, {"c1@/vobs/pvob,c2"}, ""},
    {"components are neither expanded nor prefixed", kComponents, "", false, "", "%ACT% x\r\n",
     true, {"\"%ACT% x\""}, ""},
    {"no component", kComponents, "", false, "", "", false, {}, cctest::kNoComponents},
};
// clang-format on

class UCMAction : public cctest::TPackageTest {};

TEST_F(UCMAction, OperationsRenderActivitiesAndComponents) {
  for (const TUCMCase& c : kCases) {
    SCOPED_TRACE(c.name);
    TProbeAction action;
    action.SetViewContextPath(view_);
    action.SetVariable("ACT", "fix_23");
    action.SetVariable("TWO", "x\r\ny\r\n");
    action.SetVariable("NONE", "");
    action.operation = c.operation;
    action.SetActivitySelectorStorageString(c.activities);
    action.SetUseCurrentActivity(c.useCurrent);
    action.SetVOBSelector(c.vob);
    action.SetComponentSelectorStorageString(c.components);
    Args expected{"probe"};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    cctest::ExpectBuilt(Build(action), c.ok, expected, c.error);
  }
}

TEST_F(UCMAction, ActivityNameIsTheFirstSelectorAndReplacesTheList) {
  TProbeAction action;
  action.SetActivitySelectorStorageString("a\r\nb");
  EXPECT_EQ(action.GetActivityName(), "a");
  EXPECT_EQ(action.GetActivitySelectorStorageString(), "a\r\nb\r\n");
  action.SetActivityName("");
  EXPECT_EQ(action.ActivitySelectors(), Args{""});
  EXPECT_EQ(action.GetActivitySelectorStorageString(), "\r\n");
}

}  // namespace
