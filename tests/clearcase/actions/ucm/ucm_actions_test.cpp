#include "clearcase/actions/ucm/activity_actions.h"
#include "clearcase/actions/ucm/change_baseline_action.h"
#include "clearcase/actions/ucm/change_stream_action.h"
#include "clearcase/actions/ucm/make_baseline_actions.h"

#include "command_cases.h"

namespace {

using UcmAction = cctest::ActionCommandTest;
using cctest::Args;
using cctest::With;
using clearcase::TClearCaseChangeBaselineAction;
using clearcase::TClearCaseSetActivityAction;

TEST_F(UcmAction, ActivitySet) {
  CheckCommandLines<TClearCaseSetActivityAction>({
      {"never assigned: the current activity", With({}), true, {"setactivity", "-nc", "-cact"}},
      {"named activity with its project VOB",
       [](auto& a) {
         a.SetActivityName("fix_%VAR%");
         a.SetVOBSelector("/vobs/pvob");
         a.SetComment("start");
       },
       true,
       {"setactivity", "-c \"start\"", "activity:fix_value@/vobs/pvob"}},
      {"none wins over the name, which is not even expanded",
       With({"ActivityName=%NOPE%", "SetActivityToNone"}),
       true,
       {"setactivity", "-nc", "-none"}},
      {"an empty name counts", With({"ActivityName="}), true, {"setactivity", "-nc", "activity:"}},
      {"a name that cannot be expanded",
       With({"ActivityName=%NOPE%"}),
       false,
       {"setactivity", "-nc"},
       "cannot expand Activity Name"},
  });
}

TEST_F(UcmAction, ActivityMake) {
  CheckCommandLines<clearcase::TClearCaseMakeActivityAction>({
      {"named, set as current",
       With({"ActivityName=fix_42", "VOBSelector=/vobs/pvob"}),
       true,
       {"mkactivity", "-nc", "-force", "activity:fix_42@/vobs/pvob"}},
      {"headline, no set and a generated name: the stored name is left out",
       With({"ActivityName=fix_42", "Headline=Fix %VAR% now", "DontSetAsCurrent", "Comment=c",
             "AutoGenerateName"}),
       true,
       {"mkactivity", "-c \"c\"", "-headline \"Fix value now\"", "-nset", "-force"}},
      {"a headline that cannot be expanded stops at once",
       With({"ActivityName=fix_42", "Headline=%NOPE%", "DontSetAsCurrent"}),
       false,
       {"mkactivity", "-nc"},
       "cannot expand Headline"},
  });
}

TEST_F(UcmAction, ChangeBaselineCommandLine) {
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

TEST_F(UcmAction, ChangeBaselineValidation) {
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

TEST_F(UcmAction, ChangeStreamCommandLine) {
  CheckCommandLines<clearcase::TClearCaseChangeStreamAction>({
      {"every option, in order",
       With({"Comment=c", "ChangeTarget", "ClearTarget", "NewTargetStream=%VAR%_int",
             "GenerateSpec", "EnablePolicy", "EnablePolicyNames=POLICY_A", "DisablePolicy",
             "DisablePolicyNames=POLICY_%VAR%", "ChangeRecommended", "ClearRecommended",
             "RecommendBaselines=BL_1@/vobs/pvob\r\nBL_2@/vobs/pvob\r\nBL_3@/vobs/pvob\r\n",
             "StreamName=dev_%VAR%", "VOBSelector=vobs/pvob"}),
       true,
       {"chstream", "-c \"c\"", "-target value_int", "-generate", "-policy POLICY_A",
        "-npolicy POLICY_value", "-recommended BL_1@/vobs/pvob,BL_2@/vobs/pvob,BL_3@/vobs/pvob",
        "dev_value@/vobs/pvob"}},
      {"clearing target and recommendations",
       With({"ClearTarget", "ClearRecommended", "NewTargetStream=%NOPE%", "StreamName=dev",
             "VOBSelector=\\pvob"}),
       true,
       {"chstream", "-nc", "-ntarget", "-nrecommended", "dev@\\pvob"}},
      {"recommend the defaults: the list is not read",
       With({"ChangeRecommended", "RecommendDefaults", "RecommendBaselines=%NOPE%",
             "StreamName=dev", "VOBSelector=/vobs/pvob"}),
       true,
       {"chstream", "-nc", "-recommended -default", "dev@/vobs/pvob"}},
      {"a blank line leaves two commas; only the final one goes",
       With({"ChangeRecommended", "RecommendBaselines=BL_1\r\n\r\nBL_2", "StreamName=dev",
             "VOBSelector=/vobs/pvob"}),
       true,
       {"chstream", "-nc", "-recommended BL_1,,BL_2", "dev@/vobs/pvob"}},
      {"an empty stream and VOB: the tag root alone", With({}), true, {"chstream", "-nc", "@/"}},
      {"a target that cannot be expanded: the rest is still appended",
       With({"ChangeTarget", "NewTargetStream=%NOPE%", "GenerateSpec", "StreamName=dev",
             "VOBSelector=/vobs/pvob"}),
       false,
       {"chstream", "-nc", "-target %NOPE%", "-generate", "dev@/vobs/pvob"},
       "cannot expand New Target Stream"},
  });
}

TEST_F(UcmAction, MakeBaselineFromTheStream) {
  CheckCommandLines<clearcase::TClearCaseMakeBaselineAction>({
      {"all with identical components, full labels, the root name",
       With({"SelectIdenticalComponents", "Labelling=lbAll", "BaselineRootName=BL %VAR%",
             "Comment=c"}),
       true,
       {"mkbl", "-c \"c\"", "-all", "-identical", "-full", "BL value"}},
      {"components, as stored, no labels, the naming template",
       With({"SelectionType=slComponents",
             "ComponentSelectorStorageString=comp_core@/vobs/pvob\r\n%VAR%\r\n",
             "SelectIdenticalComponents", "Labelling=lbNone", "BaselineRootName=ignored",
             "UseBaselineNameTemplate"}),
       true,
       {"mkbl", "-nc", "-component", "comp_core@/vobs/pvob,%VAR%", "-identical", "-nlabel"}},
      {"activities never take -identical; incremental labels by default",
       With({"SelectionType=slActivities", "ActivitySelectorStorageString=fix_23\r\n%VAR%\r\n",
             "SelectIdenticalComponents", "UseBaselineNameTemplate"}),
       true,
       {"mkbl", "-nc", "-activities", "activity:fix_23,activity:value", "-incremental"}},
      {"no components: the rest is still appended",
       With({"SelectionType=slComponents", "BaselineRootName=BL"}),
       false,
       {"mkbl", "-nc", "-component", "-incremental", "BL"},
       cctest::kNoComponents},
      {"a root name that cannot be expanded",
       With({"BaselineRootName=%NOPE%"}),
       false,
       {"mkbl", "-nc", "-all", "-incremental"},
       "cannot expand Baseline Root Name"},
  });
}

TEST_F(UcmAction, MakeBaselineFromALabel) {
  CheckCommandLines<clearcase::TClearCaseMakeBaselineFromLabelAction>({
      {"the label alone",
       With({"LabelTypeName=REL_1", "VOBSelector=/vobs/src",
             "ComponentSelectorStorageString=comp_core\r\n"}),
       true,
       {"mkbl", "-nc", "-import", "lbtype:REL_1@/vobs/src"}},
      {"restricted to components",
       With({"SpecifyComponents", "ComponentSelectorStorageString=comp_core\r\ncomp_web\r\n",
             "LabelTypeName=REL 1"}),
       true,
       {"mkbl", "-nc", "-import", "-component", "comp_core,comp_web", "lbtype:\"REL 1\""}},
      {"components required but none given",
       With({"SpecifyComponents", "LabelTypeName=REL_1"}),
       false,
       {"mkbl", "-nc", "-import", "-component", "lbtype:REL_1"},
       cctest::kNoComponents},
  });
}

}  // namespace
