// The UCM actions: one table of their command lines, then the change of a
// baseline's validation.
#include "clearcase/actions/ucm/change_baseline_action.h"

#include "command_cases.h"

namespace {

using UcmAction = cctest::ActionCommandTest;
using cctest::Args;
using cctest::With;
using clearcase::TClearCaseChangeBaselineAction;

// One row per rule that can go wrong: an order, a combination, an exception, a message.
TEST_F(UcmAction, CommandLines) {
  // clang-format off
  CheckTypes({
      {"UCM_SETACTIVITY", "never assigned: the current activity", With({}), true,
       {"setactivity", "-nc", "-cact"}},
      {"UCM_SETACTIVITY", "named activity with its project VOB",
       [](auto& a) {
         a.SetComment("start");  // not published: set by its page only
         With({"ActivityName=fix_%VAR%", "VOBSelector=/vobs/pvob"})(a);
       }, true, {"setactivity", "-c \"start\"", "activity:fix_value@/vobs/pvob"}},
      {"UCM_SETACTIVITY", "none wins over the name, which is not even expanded",
       With({"ActivityName=%NOPE%", "SetActivityToNone"}), true, {"setactivity", "-nc", "-none"}},
      {"UCM_SETACTIVITY", "an empty name counts", With({"ActivityName="}), true,
       {"setactivity", "-nc", "activity:"}},
      {"UCM_SETACTIVITY", "a name that cannot be expanded", With({"ActivityName=%NOPE%"}), false,
       {"setactivity", "-nc"}, "cannot expand Activity Name"},
      {"UCM_MAKEACTIVITY", "named, set as current",
       With({"ActivityName=fix_42", "VOBSelector=/vobs/pvob"}), true,
       {"mkactivity", "-nc", "-force", "activity:fix_42@/vobs/pvob"}},
      {"UCM_MAKEACTIVITY", "headline, no set and a generated name: the stored name is left out",
       With({"ActivityName=fix_42", "Headline=Fix %VAR% now", "DontSetAsCurrent", "Comment=c",
             "AutoGenerateName"}), true,
       {"mkactivity", "-c \"c\"", "-headline \"Fix value now\"", "-nset", "-force"}},
      {"UCM_MAKEACTIVITY", "a headline that cannot be expanded stops at once",
       With({"ActivityName=fix_42", "Headline=%NOPE%", "DontSetAsCurrent"}), false,
       {"mkactivity", "-nc"}, "cannot expand Headline"},
      {"CC_CHANGEBASELINE", "a level alone; runs without a view",
       cctest::WithoutView({"AssignLevel", "PromotionLevel=%VAR%", "Baseline=BL_1",
                            "ProjectVOB=/vobs/pvob"}), true,
       {"chbl", "-nc", "-level value", "baseline:BL_1@/vobs/pvob"}},
      {"CC_CHANGEBASELINE", "incremental labels, recursive by default; no -nrecurse",
       With({"TypeChange=blIncremental", "Baseline=BL_%VAR%", "ProjectVOB=vobs/pvob", "Comment=c"}),
       true, {"chbl", "-c \"c\"", "-incremental", "baseline:BL_value@/vobs/pvob"}},
      {"CC_CHANGEBASELINE", "full labels, not recursive, and a level",
       With({"TypeChange=blFull", "Recurse=false", "AssignLevel", "PromotionLevel=TESTED",
             "Baseline=BL_1", "ProjectVOB=\\pvob"}), true,
       {"chbl", "-nc", "-full", "-nrecurse", "-level TESTED", "baseline:BL_1@\\pvob"}},
      {"CC_CHANGEBASELINE", "nothing to change: logged, the selector still follows",
       With({"Recurse=false", "Baseline=BL_1", "ProjectVOB=/vobs/pvob"}), false,
       {"chbl", "-nc", "baseline:BL_1@/vobs/pvob"},
       "You must select to either change the Built Level or the Labelling Status of the Baseline. "
       "No change is being made."},
      {"CC_CHANGEBASELINE", "an empty project VOB: the tag root alone",
       With({"AssignLevel", "PromotionLevel=BUILT"}), true,
       {"chbl", "-nc", "-level BUILT", "baseline:@/"}},
      {"CC_CHANGEBASELINE", "a level that cannot be expanded: the rest is still appended",
       With({"AssignLevel", "PromotionLevel=%NOPE%", "Baseline=BL_1", "ProjectVOB=/vobs/pvob"}),
       false, {"chbl", "-nc", "-level %NOPE%", "baseline:BL_1@/vobs/pvob"},
       "cannot expand Promotion Level"},
      {"CC_CHANGESTREAM", "every option, in order",
       With({"Comment=c", "ChangeTarget", "ClearTarget", "NewTargetStream=%VAR%_int",
             "GenerateSpec", "EnablePolicy", "EnablePolicyNames=POLICY_A", "DisablePolicy",
             "DisablePolicyNames=POLICY_%VAR%", "ChangeRecommended", "ClearRecommended",
             "RecommendBaselines=BL_1@/vobs/pvob\r\nBL_2@/vobs/pvob\r\nBL_3@/vobs/pvob\r\n",
             "StreamName=dev_%VAR%", "VOBSelector=vobs/pvob"}), true,
       {"chstream", "-c \"c\"", "-target value_int", "-generate", "-policy POLICY_A",
        "-npolicy POLICY_value", "-recommended BL_1@/vobs/pvob,BL_2@/vobs/pvob,BL_3@/vobs/pvob",
        "dev_value@/vobs/pvob"}},
      {"CC_CHANGESTREAM", "clearing target and recommendations",
       With({"ClearTarget", "ClearRecommended", "NewTargetStream=%NOPE%", "StreamName=dev",
             "VOBSelector=\\pvob"}), true,
       {"chstream", "-nc", "-ntarget", "-nrecommended", "dev@\\pvob"}},
      {"CC_CHANGESTREAM", "recommend the defaults: the list is not read",
       With({"ChangeRecommended", "RecommendDefaults", "RecommendBaselines=%NOPE%",
             "StreamName=dev", "VOBSelector=/vobs/pvob"}), true,
       {"chstream", "-nc", "-recommended -default", "dev@/vobs/pvob"}},
      {"CC_CHANGESTREAM", "a blank line leaves two commas; only the final one goes",
       With({"ChangeRecommended", "RecommendBaselines=BL_1\r\n\r\nBL_2", "StreamName=dev",
             "VOBSelector=/vobs/pvob"}), true,
       {"chstream", "-nc", "-recommended BL_1,,BL_2", "dev@/vobs/pvob"}},
      {"CC_CHANGESTREAM", "a target that cannot be expanded: the rest is still appended",
       With({"ChangeTarget", "NewTargetStream=%NOPE%", "GenerateSpec", "StreamName=dev",
             "VOBSelector=/vobs/pvob"}), false,
       {"chstream", "-nc", "-target %NOPE%", "-generate", "dev@/vobs/pvob"},
       "cannot expand New Target Stream"},
      {"UCM_MAKEBL", "all with identical components, full labels, the root name",
       With({"SelectIdenticalComponents", "Labelling=lbAll", "BaselineRootName=BL %VAR%",
             "Comment=c"}), true,
       {"mkbl", "-c \"c\"", "-all", "-identical", "-full", "BL value"}},
      {"UCM_MAKEBL", "components, as stored, no labels, the naming template",
       With({"SelectionType=slComponents",
             "ComponentSelectorStorageString=comp_core@/vobs/pvob\r\n%VAR%\r\n",
             "SelectIdenticalComponents", "Labelling=lbNone", "BaselineRootName=ignored",
             "UseBaselineNameTemplate"}), true,
       {"mkbl", "-nc", "-component", "comp_core@/vobs/pvob,%VAR%", "-identical", "-nlabel"}},
      {"UCM_MAKEBL", "activities never take -identical; incremental labels by default",
       With({"SelectionType=slActivities", "ActivitySelectorStorageString=fix_23\r\n%VAR%\r\n",
             "SelectIdenticalComponents", "UseBaselineNameTemplate"}), true,
       {"mkbl", "-nc", "-activities", "activity:fix_23,activity:value", "-incremental"}},
      {"UCM_MAKEBL", "no components: the rest is still appended",
       With({"SelectionType=slComponents", "BaselineRootName=BL"}), false,
       {"mkbl", "-nc", "-component", "-incremental", "BL"}, cctest::kNoComponents},
      {"UCM_MAKEBL", "a root name that cannot be expanded", With({"BaselineRootName=%NOPE%"}),
       false, {"mkbl", "-nc", "-all", "-incremental"}, "cannot expand Baseline Root Name"},
      {"UCM_MAKEBL_LABEL", "the label alone",
       With({"LabelTypeName=REL_1", "VOBSelector=/vobs/src",
             "ComponentSelectorStorageString=comp_core\r\n"}), true,
       {"mkbl", "-nc", "-import", "lbtype:REL_1@/vobs/src"}},
      {"UCM_MAKEBL_LABEL", "restricted to components; a label's quote follows the colon",
       With({"SpecifyComponents", "ComponentSelectorStorageString=comp_core\r\ncomp_web\r\n",
             "LabelTypeName=REL 1", "VOBSelector=/vobs/src"}), true,
       {"mkbl", "-nc", "-import", "-component", "comp_core,comp_web",
        "lbtype:\"REL 1@/vobs/src\""}},
      {"UCM_MAKEBL_LABEL", "components required but none given",
       With({"SpecifyComponents", "LabelTypeName=REL_1"}), false,
       {"mkbl", "-nc", "-import", "-component", "lbtype:REL_1"}, cctest::kNoComponents},
  });
  // clang-format on
}

TEST_F(UcmAction, ChangeBaselineValidation) {
  const std::string kError =
      "Baseline Change: You must select to either change the Built Level or the Labelling Status "
      "of the Baseline.";
  const std::string kNoCleartool =
      "Options: The path to cleartool.exe has not been specified. (options)";
  const struct {
    const char* name;
    clearcase::TCCBaselineTypeChange change;
    bool cleartoolSet;
    Args errors;  // none: valid
  } cases[] = {
      {"nothing to change", clearcase::blNone, true, {kError}},
      {"a labelling change alone", clearcase::blIncremental, true, {}},
      {"no cleartool, no change", clearcase::blNone, false, {kNoCleartool, kError}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Options().SetClearToolPath(c.cleartoolSet ? cleartool_ : "");
    TClearCaseChangeBaselineAction action;
    action.SetTypeChange(c.change);
    cctest::TValidationSink sink;
    EXPECT_EQ(action.Validate(sink), c.errors.empty());
    EXPECT_EQ(sink.errors, c.errors);
  }
}

}  // namespace
