#include "clearcase/actions/element/update_action.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using cctest::With;
using clearcase::TClearCaseUpdateAction;

class Update : public cctest::ActionCommandTest {};

TEST_F(Update, CommandLines) {
  Options().SetDefaultViewPath(view_);
  CheckCommandLines<TClearCaseUpdateAction>({
      {"pretend only comes right after the subcommand",
       With({"PretendOnly", "HijackMode=hmNooverwrite", "UpdateTimestamp=tbCurrent"}),
       true,
       {"update", "-print", "-force", "-noverwrite", "-ctime"}},
      {"rename hijacked files, checkin times",
       With({"HijackMode=hmRename", "UpdateTimestamp=tbCheckin"}),
       true,
       {"update", "-force", "-rename", "-ptime"}},
      {"the default view, default options",
       With({"ViewContextPath=", "UseDefaultViewContext"}),
       true,
       {"update", "-force", "-overwrite"}},
      {"no view stops after the pretend option",
       With({"ViewContextPath=", "PretendOnly"}),
       false,
       {"update", "-print"},
       "Update failed: No snapshot view specified to update!"},
      {"a view that does not exist fails but the options follow",
       With({"ViewContextPath=/no/such/view"}),
       false,
       {"update", "-force", "-overwrite"},
       cctest::kViewError},
  });
}

TEST_F(Update, ValidationAsksForASnapshotView) {
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
