#include "clearcase/actions/metadata/apply_label_action.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using clearcase::TClearCaseApplyLabelAction;

class ApplyLabel : public cctest::ActionCommandTest {};

TEST_F(ApplyLabel, CommandLine) {
  CheckCommandLines<TClearCaseApplyLabelAction>({
      {"defaults",
       [](auto& a) {
         a.SetLabelTypeName("REL_1");
         a.SetPathNameStorageString("src/a.c\r\n");
       },
       true,
       {"mklabel", "-nc", "lbtype:REL_1", "\"src/a.c\""}},
      {"every flag in its fixed order, then version, comment, label and paths",
       [](auto& a) {
         a.SetFollowLinks(true);
         a.SetRecurse(true);
         a.SetReplace(true);
         a.SetUseVersionSelector(true);
         a.SetVersionSelector("/main/%VAR%");
         a.SetComment("c");
         a.SetLabelTypeName("REL_1");
         a.SetVOBSelector("/vobs/src");
         a.SetPathNameStorageString("src/a.c\r\nsrc/b c.c@@/main/1\r\n");
       },
       true,
       {"mklabel", "-replace", "-recurse", "-follow", "-version /main/value", "-c \"c\"",
        "lbtype:REL_1@/vobs/src", "\"src/a.c\"", "\"src/b c.c@@/main/1\""}},
      {"follow without recurse",
       [](auto& a) {
         a.SetFollowLinks(true);
         a.SetLabelTypeName("REL_1");
         a.SetPathNameStorageString("src");
       },
       true,
       {"mklabel", "-follow", "-nc", "lbtype:REL_1", "\"src\""}},
      {"no path names: everything else is still appended",
       [](auto& a) {
         a.SetReplace(true);
         a.SetLabelTypeName("REL_1");
       },
       false,
       {"mklabel", "-replace", "-nc", "lbtype:REL_1"},
       "Action Failed: No pathnames specified to act on."},
      {"a version that cannot be expanded does not stop the rest",
       [](auto& a) {
         a.SetUseVersionSelector(true);
         a.SetVersionSelector("%NOPE%");
         a.SetLabelTypeName("REL_1");
         a.SetPathNameStorageString("src/a.c");
       },
       false,
       {"mklabel", "-nc", "lbtype:REL_1", "\"src/a.c\""},
       "cannot expand Version Selector"},
  });
}

}  // namespace
