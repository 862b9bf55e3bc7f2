#include "clearcase/actions/element/update_action.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using clearcase::TClearCaseUpdateAction;

constexpr const char* kNoView = "Update failed: No snapshot view specified to update!";

class Update : public cctest::ActionCommandTest {};

TEST_F(Update, CommandLines) {
  CheckCommandLines<TClearCaseUpdateAction>({
      {"defaults", [](auto&) {}, true, {"update", "-force", "-overwrite"}},
      {"pretend only comes right after the subcommand",
       [](auto& a) {
         a.SetPretendOnly(true);
         a.SetHijackMode(clearcase::hmNooverwrite);
         a.SetUpdateTimestamp(clearcase::tbCurrent);
       },
       true,
       {"update", "-print", "-force", "-noverwrite", "-ctime"}},
      {"rename hijacked files, checkin times",
       [](auto& a) {
         a.SetHijackMode(clearcase::hmRename);
         a.SetUpdateTimestamp(clearcase::tbCheckin);
       },
       true,
       {"update", "-force", "-rename", "-ptime"}},
      {"the default view",
       [&](auto& a) {
         Options().SetDefaultViewPath(view_);
         a.SetViewContextPath("");
         a.SetUseDefaultViewContext(true);
       },
       true,
       {"update", "-force", "-overwrite"}},
      {"no view stops after the pretend option",
       [](auto& a) {
         a.SetViewContextPath("");
         a.SetPretendOnly(true);
       },
       false,
       {"update", "-print"},
       kNoView},
      {"a view that does not exist fails but the options follow",
       [](auto& a) { a.SetViewContextPath("/no/such/view"); },
       false,
       {"update", "-force", "-overwrite"},
       "Error: The View Context Path you have specified is invalid or does not exist."},
  });
}

TEST_F(Update, ValidationAsksForASnapshotView) {
  struct TSink : vy::IVyActionValidationError {
    void AddError(const std::string& property, const std::string& message,
                  const vy::TVyPersistent* related) override {
      errors.push_back(property + ": " + message);
      EXPECT_EQ(related, nullptr);
    }
    Args errors;
  };
  TClearCaseUpdateAction action;
  TSink missing;
  EXPECT_FALSE(action.Validate(missing));
  EXPECT_EQ(missing.errors,
            Args{"Update Properties: No snapshot view to update has been specified."});
  action.SetUseDefaultViewContext(true);
  TSink given;
  EXPECT_TRUE(action.Validate(given));
  EXPECT_TRUE(given.errors.empty());
}

// Saved projects hold the enumerations by these words.
TEST_F(Update, EnumerationsAreStoredByName) {
  TClearCaseUpdateAction action;
  EXPECT_EQ(vy::GetPropertyText(action, "UpdateTimestamp"), "tbDefault");
  EXPECT_TRUE(vy::SetPropertyText(action, "HijackMode", "hmNooverwrite"));
  EXPECT_EQ(action.GetHijackMode(), clearcase::hmNooverwrite);
}

}  // namespace
