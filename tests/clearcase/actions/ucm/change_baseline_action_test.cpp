#include "clearcase/actions/ucm/change_baseline_action.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using cctest::With;
using clearcase::TClearCaseChangeBaselineAction;

class ChangeBaseline : public cctest::ActionCommandTest {};

TEST_F(ChangeBaseline, CommandLine) {
  CheckCommandLines<TClearCaseChangeBaselineAction>({
      {"a level alone; runs without a view",
       [](auto& a) {
         a.SetViewContextPath("/no/such/view");
         a.SetAssignLevel(true);
         a.SetPromotionLevel("%VAR%");
         a.SetBaseline("BL_1");
         a.SetProjectVOB("/vobs/pvob");
       },
       true,
       {"chbl", "-nc", "-level value", "baseline:BL_1@/vobs/pvob"}},
      {"incremental labels, recursive by default; no -nrecurse",
       With({"TypeChange=blIncremental", "Baseline=BL_%VAR%", "ProjectVOB=vobs/pvob", "Comment=c"}),
       true,
       {"chbl", "-c \"c\"", "-incremental", "baseline:BL_value@/vobs/pvob"}},
      {"full labels, not recursive, and a level",
       With({"TypeChange=blFull", "Recurse=false", "AssignLevel", "PromotionLevel=TESTED",
             "Baseline=BL_1", "ProjectVOB=\\pvob"}),
       true,
       {"chbl", "-nc", "-full", "-nrecurse", "-level TESTED", "baseline:BL_1@\\pvob"}},
      {"nothing to change: logged, the selector still follows",
       With({"Recurse=false", "Baseline=BL_1", "ProjectVOB=/vobs/pvob"}),
       false,
       {"chbl", "-nc", "baseline:BL_1@/vobs/pvob"},
       "You must select to either change the Built Level or the Labelling Status of the Baseline. "
       "No change is being made."},
      {"a level that cannot be expanded: the rest is still appended",
       With({"AssignLevel", "PromotionLevel=%NOPE%", "Baseline=BL_1", "ProjectVOB=/vobs/pvob"}),
       false,
       {"chbl", "-nc", "-level %NOPE%", "baseline:BL_1@/vobs/pvob"},
       "cannot expand Promotion Level"},
  });
}

// An empty project VOB is the tag root alone.
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
  EXPECT_EQ(builder->GetCommandLine(), "chbl -nc -level BUILT baseline:@/");
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
  const std::string kNoCleartool =
      "Options: The path to cleartool.exe has not been specified. (options)";
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
      {"no cleartool, no change", clearcase::blNone, false, false, false, {kNoCleartool, kError}},
      {"no cleartool but a change", clearcase::blFull, false, false, false, {kNoCleartool}},
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
