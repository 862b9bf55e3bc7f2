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
      {"an empty project VOB: the tag root alone",
       With({"AssignLevel", "PromotionLevel=BUILT"}),
       true,
       {"chbl", "-nc", "-level BUILT", "baseline:@/"}},
      {"a level that cannot be expanded: the rest is still appended",
       With({"AssignLevel", "PromotionLevel=%NOPE%", "Baseline=BL_1", "ProjectVOB=/vobs/pvob"}),
       false,
       {"chbl", "-nc", "-level %NOPE%", "baseline:BL_1@/vobs/pvob"},
       "cannot expand Promotion Level"},
  });
}

TEST_F(ChangeBaseline, Validation) {
  const std::string kError =
      "Baseline Change: You must select to either change the Built Level or the Labelling Status "
      "of the Baseline.";
  const std::string kNoCleartool =
      "Options: The path to cleartool.exe has not been specified. (options)";
  const struct {
    const char* name;
    clearcase::TCCBaselineTypeChange change;
    bool assignLevel;
    bool cleartoolSet;
    Args errors;  // none: valid
  } cases[] = {
      {"nothing to change", clearcase::blNone, false, true, {kError}},
      {"a level alone", clearcase::blNone, true, true, {}},
      {"a labelling change alone", clearcase::blIncremental, false, true, {}},
      {"no cleartool, no change", clearcase::blNone, false, false, {kNoCleartool, kError}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Options().SetClearToolPath(c.cleartoolSet ? cleartool_ : "");
    TClearCaseChangeBaselineAction action;
    action.SetTypeChange(c.change);
    action.SetAssignLevel(c.assignLevel);
    cctest::TValidationSink sink;
    EXPECT_EQ(action.Validate(sink), c.errors.empty());
    EXPECT_EQ(sink.errors, c.errors);
  }
}

}  // namespace
