#include "clearcase/actions/ucm/make_baseline_actions.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using clearcase::TClearCaseMakeBaselineAction;
using clearcase::TClearCaseMakeBaselineFromLabelAction;

constexpr const char* kNoComponents = "Error: No UCM components selected.";

class MakeBaseline : public cctest::ActionCommandTest {};

TEST_F(MakeBaseline, FromTheStream) {
  CheckCommandLines<TClearCaseMakeBaselineAction>({
      {"defaults: all, incremental, the root name",
       [](auto& a) { a.SetBaselineRootName("BL_%VAR%"); },
       true,
       {"mkbl", "-nc", "-all", "-incremental", "BL_value"}},
      {"all with identical components, full labels",
       [](auto& a) {
         a.SetSelectIdenticalComponents(true);
         a.SetLabelling(clearcase::lbAll);
         a.SetBaselineRootName("BL 2");
         a.SetComment("c");
       },
       true,
       {"mkbl", "-c \"c\"", "-all", "-identical", "-full", "BL 2"}},
      {"components, as stored, no labels, the naming template",
       [](auto& a) {
         a.SetSelectionType(clearcase::slComponents);
         a.SetComponentSelectorStorageString("comp_core@/vobs/pvob\r\n%VAR%\r\n");
         a.SetSelectIdenticalComponents(true);
         a.SetLabelling(clearcase::lbNone);
         a.SetBaselineRootName("ignored");
         a.SetUseBaselineNameTemplate(true);
       },
       true,
       {"mkbl", "-nc", "-component", "comp_core@/vobs/pvob,%VAR%", "-identical", "-nlabel"}},
      {"activities never take -identical",
       [](auto& a) {
         a.SetSelectionType(clearcase::slActivities);
         a.SetActivitySelectorStorageString("fix_23\r\n%VAR%\r\n");
         a.SetSelectIdenticalComponents(true);
         a.SetUseBaselineNameTemplate(true);
       },
       true,
       {"mkbl", "-nc", "-activities", "activity:fix_23,activity:value", "-incremental"}},
      {"no components: the rest is still appended",
       [](auto& a) {
         a.SetSelectionType(clearcase::slComponents);
         a.SetBaselineRootName("BL");
       },
       false,
       {"mkbl", "-nc", "-component", "-incremental", "BL"},
       kNoComponents},
      {"a root name that cannot be expanded",
       [](auto& a) { a.SetBaselineRootName("%NOPE%"); },
       false,
       {"mkbl", "-nc", "-all", "-incremental"},
       "cannot expand Baseline Root Name"},
  });
}

TEST_F(MakeBaseline, FromALabel) {
  CheckCommandLines<TClearCaseMakeBaselineFromLabelAction>({
      {"the label alone",
       [](auto& a) {
         a.SetLabelTypeName("REL_1");
         a.SetVOBSelector("/vobs/src");
         a.SetComponentSelectorStorageString("comp_core\r\n");
       },
       true,
       {"mkbl", "-nc", "-import", "lbtype:REL_1@/vobs/src"}},
      {"restricted to components",
       [](auto& a) {
         a.SetSpecifyComponents(true);
         a.SetComponentSelectorStorageString("comp_core\r\ncomp_web\r\n");
         a.SetLabelTypeName("REL 1");
       },
       true,
       {"mkbl", "-nc", "-import", "-component", "comp_core,comp_web", "lbtype:\"REL 1\""}},
      {"components required but none given",
       [](auto& a) {
         a.SetSpecifyComponents(true);
         a.SetLabelTypeName("REL_1");
       },
       false,
       {"mkbl", "-nc", "-import", "-component", "lbtype:REL_1"},
       kNoComponents},
  });
}

}  // namespace
