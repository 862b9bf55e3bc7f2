#include "clearcase/actions/core/attribute_action.h"

#include "command_cases.h"
#include "package_fixture.h"

namespace {

using Args = std::vector<std::string>;

// Puts the attribute on the command line after the base's part.
class TProbeAction : public clearcase::TClearCaseBaseAttributeAction {
 public:
  std::string GetActionName() const override { return "Probe"; }
  std::string GetCommand() const override { return "probe"; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override {
    const bool base = TClearCaseBaseAttributeAction::GetCommandLine(builder);
    const bool own = withValue ? AddAttributeNameAndValue(builder) : AddAttributeName(builder);
    return own && base;
  }
  bool withValue = true;
};

struct TAttributeCase {
  const char* name;
  bool withValue;  // AddAttributeNameAndValue, else AddAttributeName
  const char* attribute;
  const char* vob;
  const char* value;
  bool useDefault;
  bool ok;
  Args expected;      // after the subcommand
  const char* error;  // part of the last error message
};

// Variables: NAME = "Status", VAL = "in test".
// clang-format off
const TAttributeCase kCases[] = {
    {"blanks are never quoted", false, "My Status", "/vobs/my vob", "", false, true,
     {"My Status@/vobs/my vob"}, ""},
    {"VOB expanded too", false, "%NAME%", "%NAME%", "", false, true, {"Status@Status"}, ""},
    {"empty name", false, "", "/vobs/src", "", false, false, {}, cctest::kNoAttributeName},
    {"name that cannot be expanded", false, "%NOPE%", "", "", false, false, {},
     "cannot expand Attribute Name"},
    {"name and value", true, "Status", "", "%VAL%", false, true, {"Status", "in test"}, ""},
    {"empty value is still an argument", true, "Status", "", "", false, true, {"Status", ""}, ""},
    {"default value ignores the value", true, "Status", "/vobs/src", "passed", true, true,
     {"-default", "Status@/vobs/src"}, ""},
    {"empty name: the value still follows", true, "", "", "passed", false, false, {"passed"},
     cctest::kNoAttributeName},
    {"value that cannot be expanded", true, "Status", "", "%NOPE%", false, false, {"Status"},
     "cannot expand Attribute Value"},
};
// clang-format on

class AttributeAction : public cctest::TPackageTest {};

TEST_F(AttributeAction, NameAndValueOnTheCommandLine) {
  for (const TAttributeCase& c : kCases) {
    SCOPED_TRACE(c.name);
    TProbeAction action;
    action.SetViewContextPath(view_);
    action.SetVariable("NAME", "Status");
    action.SetVariable("VAL", "in test");
    action.withValue = c.withValue;
    action.SetAttributeName(c.attribute);
    action.SetVOBSelector(c.vob);
    action.SetAttributeValue(c.value);
    action.SetUseDefaultAttributeValue(c.useDefault);
    Args expected{"probe"};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    cctest::ExpectBuilt(Build(action), c.ok, expected, c.error);
  }
}

}  // namespace
