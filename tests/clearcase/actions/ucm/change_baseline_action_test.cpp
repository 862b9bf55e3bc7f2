#include "clearcase/actions/ucm/change_baseline_action.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using clearcase::TClearCaseChangeBaselineAction;

constexpr const char* kNothingToChange =
    "You must select to either change the Built Level or the Labelling Status of the Baseline. "
    "No change is being made.";

class ChangeBaseline : public cctest::ActionCommandTest {};

TEST_F(ChangeBaseline, CommandLine) {
  CheckCommandLines<TClearCaseChangeBaselineAction>({
      {"a level alone",
       [](auto& a) {
         a.SetAssignLevel(true);
         a.SetPromotionLevel("%VAR%");
         a.SetBaseline("BL_1");
         a.SetProjectVOB("/vobs/pvob");
       },
       true,
       {"chbl", "-nc", "-level value", "baseline:BL_1@/vobs/pvob"}},
      {"incremental labels, recursive by default; no -nrecurse",
       [](auto& a) {
         a.SetTypeChange(clearcase::blIncremental);
         a.SetBaseline("BL_%VAR%");
         a.SetProjectVOB("vobs/pvob");
         a.SetComment("c");
       },
       true,
       {"chbl", "-c \"c\"", "-incremental", "baseline:BL_value@/vobs/pvob"}},
      {"full labels, not recursive, and a level",
       [](auto& a) {
         a.SetTypeChange(clearcase::blFull);
         a.SetRecurse(false);
         a.SetAssignLevel(true);
         a.SetPromotionLevel("TESTED");
         a.SetBaseline("BL_1");
         a.SetProjectVOB("\\pvob");
       },
       true,
       {"chbl", "-nc", "-full", "-nrecurse", "-level TESTED", "baseline:BL_1@\\pvob"}},
      {"an empty project VOB is the tag root alone",
       [](auto& a) {
         a.SetAssignLevel(true);
         a.SetPromotionLevel("BUILT");
         a.SetBaseline("BL_1");
       },
       true,
       {"chbl", "-nc", "-level BUILT", "baseline:BL_1@/"}},
      {"nothing to change: logged, the selector still follows",
       [](auto& a) {
         a.SetRecurse(false);
         a.SetBaseline("BL_1");
         a.SetProjectVOB("/vobs/pvob");
       },
       false,
       {"chbl", "-nc", "baseline:BL_1@/vobs/pvob"},
       kNothingToChange},
      {"a level that cannot be expanded: the rest is still appended",
       [](auto& a) {
         a.SetAssignLevel(true);
         a.SetPromotionLevel("%NOPE%");
         a.SetBaseline("BL_1");
         a.SetProjectVOB("/vobs/pvob");
       },
       false,
       {"chbl", "-nc", "-level %NOPE%", "baseline:BL_1@/vobs/pvob"},
       "cannot expand Promotion Level"},
      {"a project VOB that cannot be expanded",
       [](auto& a) {
         a.SetTypeChange(clearcase::blFull);
         a.SetBaseline("BL_1");
         a.SetProjectVOB("%NOPE%");
       },
       false,
       {"chbl", "-nc", "-full", "baseline:BL_1@/%NOPE%"},
       "cannot expand Project VOB Name"},
      {"runs without a view",
       [](auto& a) {
         a.SetViewContextPath("/no/such/view");
         a.SetTypeChange(clearcase::blFull);
         a.SetBaseline("BL_1");
         a.SetProjectVOB("/vobs/pvob");
       },
       true,
       {"chbl", "-nc", "-full", "baseline:BL_1@/vobs/pvob"}},
  });
}

TEST_F(ChangeBaseline, ArgumentKinds) {
  TClearCaseChangeBaselineAction action;
  action.SetAssignLevel(true);
  action.SetPromotionLevel("BUILT");
  auto builder = vy::CreateCommandLineBuilder();
  ASSERT_TRUE(action.GetCommandLine(*builder));
  ASSERT_EQ(builder->ArgumentCount(), 4u);
  EXPECT_EQ(builder->Argument(2).Kind(), vy::akOptionValue);
  EXPECT_EQ(builder->Argument(2).Value(), "BUILT");
  EXPECT_EQ(builder->Argument(3).Kind(), vy::akRaw);
}

struct TSink : vy::IVyActionValidationError {
  void AddError(const std::string& property, const std::string& message,
                const vy::TVyPersistent* related) override {
    errors.push_back(property + ": " + message + (related == nullptr ? "" : " (options)"));
  }
  Args errors;
};

TEST_F(ChangeBaseline, Validation) {
  const std::string kError =
      "Baseline Change: You must select to either change the Built Level or the Labelling Status "
      "of the Baseline.";
  struct TValidationCase {
    const char* name;
    clearcase::TCCBaselineTypeChange change;
    bool assignLevel;
    bool cleartoolSet;
    bool ok;
    Args errors;
  };
  const TValidationCase cases[] = {
      {"nothing to change", clearcase::blNone, false, true, false, {kError}},
      {"a level alone", clearcase::blNone, true, true, true, {}},
      {"a labelling change alone", clearcase::blIncremental, false, true, true, {}},
      {"no cleartool and nothing to change: both errors",
       clearcase::blNone,
       false,
       false,
       false,
       {"Options: The path to cleartool.exe has not been specified. (options)", kError}},
      {"no cleartool but a change",
       clearcase::blFull,
       false,
       false,
       false,
       {"Options: The path to cleartool.exe has not been specified. (options)"}},
  };
  for (const TValidationCase& c : cases) {
    SCOPED_TRACE(c.name);
    Options().SetClearToolPath(c.cleartoolSet ? cleartool_ : "");
    TClearCaseChangeBaselineAction action;
    action.SetTypeChange(c.change);
    action.SetAssignLevel(c.assignLevel);
    TSink sink;
    EXPECT_EQ(action.Validate(sink), c.ok);
    EXPECT_EQ(sink.errors, c.errors);
  }
}

}  // namespace
