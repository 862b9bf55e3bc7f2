#include "clearcase/actions/element/find_checkouts_action.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using cctest::With;
using clearcase::TClearCaseFindCheckoutsAction;

class FindCheckouts : public cctest::ActionCommandTest {};

TEST_F(FindCheckouts, CommandLines) {
  CheckCommandLines<TClearCaseFindCheckoutsAction>({
      {"a new action lists path names only", With({}), true, {"lscheckout", "-short"}},
      {"recursive, long form", With({"UseShort=false", "Recurse"}), true, {"lscheckout", "-r"}},
      {"short and recursive", With({"Recurse"}), true, {"lscheckout", "-short", "-r"}},
  });
}

struct TVariableCase {
  const char* name;
  bool writeToVariable;
  const char* before;  // nullptr: the variable is not defined
  std::string output;
  const char* after;  // nullptr: still not defined
};

const TVariableCase kVariableCases[] = {
    {"this run's output replaces what the variable held", true, "text from before",
     "src/a.c\nsrc/b c.c\r\nlast", "src/a.c\nsrc/b c.c\r\nlast"},
    {"no checkouts leave the variable empty", true, "text from before", "", ""},
    {"an undefined variable is ignored", true, nullptr, "src/a.c\n", nullptr},
    {"without WriteToVariable the variable is left alone", false, "kept", "src/a.c\n", "kept"},
};

TEST_F(FindCheckouts, CollectsTheListingIntoAHostVariable) {
  for (const TVariableCase& c : kVariableCases) {
    SCOPED_TRACE(c.name);
    TClearCaseFindCheckoutsAction action;
    action.SetWriteToVariable(c.writeToVariable);
    action.SetVariableName("Checkouts");
    if (c.before != nullptr) action.SetVariable("CHECKOUTS", c.before);
    const vy::TVyRunResult result = RunPrinting(action, {"lscheckout", "-short"}, c.output);
    EXPECT_TRUE(result.succeeded) << result.reason;
    EXPECT_EQ(action.IsVariableDefined("CHECKOUTS"), c.after != nullptr);
    if (c.after != nullptr) {
      EXPECT_EQ(action.GetVariableValue("CHECKOUTS"), c.after);
    }
    EXPECT_TRUE(Errors(action).empty());
  }
}

}  // namespace
