#include "clearcase/actions/element/checkout_action.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using cctest::With;
using clearcase::TClearCaseCheckoutAction;

class Checkout : public cctest::ActionCommandTest {};

Args WithPaths(Args head) {
  head.insert(head.end(), {"\"src/a.c\"", "\"src/b c.c\""});
  return head;
}

TEST_F(Checkout, CommandLines) {
  CheckCommandLines<TClearCaseCheckoutAction>(
      {
          {"reserved and unreserved; the out path is ignored unless the data goes out",
           With({"Reserved", "Unreserved", "Comment=fix", "OutExternalPath=%NOPE%"}), true,
           WithPaths({"checkout", "-reserved", "-unreserved", "-c \"fix\"", "-nquery"})},
          {"out, ptime and branch in that order",
           With({"DataLocation=coOut", "OutExternalPath=%VAR%/a.c", "SelectionMode=coBranch",
                 "BranchSelector=dev", "VersionSelector=/main/3", "PreserveTime"}),
           true,
           WithPaths(
               {"checkout", "-out \"value/a.c\"", "-ptime", "-branch \"dev\"", "-nc", "-nquery"})},
          {"no data, a version",
           With({"DataLocation=coNoData", "SelectionMode=coVersion", "VersionSelector=/main/LATEST",
                 "BranchSelector=ignored"}),
           true, WithPaths({"checkout", "-ndata", "-version \"/main/LATEST\"", "-nc", "-nquery"})},
          {"a version that cannot be expanded stops at once",
           With({"Reserved", "SelectionMode=coVersion", "VersionSelector=%NOPE%"}),
           false,
           {"checkout", "-reserved"},
           "cannot expand Version Selector"},
          {"an out path that cannot be expanded stops at once",
           With({"DataLocation=coOut", "OutExternalPath=%NOPE%", "PreserveTime"}),
           false,
           {"checkout"},
           "cannot expand External Pathname"},
          {"no path names: the rest is still appended",
           With({"PathNameStorageString="}),
           false,
           {"checkout", "-nc", "-nquery"},
           cctest::kNoPaths},
      },
      {"PathNameStorageString=src/a.c\r\nsrc/b c.c\r\n"});
}

TEST_F(Checkout, CleartoolReceivesEachQuotedValueAsOneArgument) {
  TClearCaseCheckoutAction action;
  action.SetViewContextPath(view_);
  With({"PathNameStorageString=src/b c.c", "Comment=fix it", "DataLocation=coOut",
        "OutExternalPath=/tmp/out dir/b.c"})(action);
  EXPECT_EQ(Build(action).argv,
            (Args{"checkout", "-out", "/tmp/out dir/b.c", "-c", "fix it", "-nquery", "src/b c.c"}));
}

}  // namespace
