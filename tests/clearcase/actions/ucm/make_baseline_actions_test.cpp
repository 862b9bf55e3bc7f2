#include "clearcase/actions/ucm/make_baseline_actions.h"

#include "command_cases.h"

namespace {

using cctest::With;

class MakeBaseline : public cctest::ActionCommandTest {};

TEST_F(MakeBaseline, FromTheStream) {
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

TEST_F(MakeBaseline, FromALabel) {
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
