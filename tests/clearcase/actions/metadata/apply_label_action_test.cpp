#include "clearcase/actions/metadata/apply_label_action.h"

#include "command_cases.h"

namespace {

using cctest::With;

class ApplyLabel : public cctest::ActionCommandTest {};

TEST_F(ApplyLabel, CommandLine) {
  CheckCommandLines<clearcase::TClearCaseApplyLabelAction>({
      {"every flag in its fixed order, then version, comment, label and paths",
       With({"FollowLinks", "Recurse", "Replace", "UseVersionSelector",
             "VersionSelector=/main/%VAR%", "Comment=c", "LabelTypeName=REL_1",
             "VOBSelector=/vobs/src", "PathNameStorageString=src/a.c\r\nsrc/b c.c@@/main/1\r\n"}),
       true,
       {"mklabel", "-replace", "-recurse", "-follow", "-version /main/value", "-c \"c\"",
        "lbtype:REL_1@/vobs/src", "\"src/a.c\"", "\"src/b c.c@@/main/1\""}},
      {"follow without recurse, no path names: everything else is still appended",
       With({"Replace", "FollowLinks", "LabelTypeName=REL_1"}),
       false,
       {"mklabel", "-replace", "-follow", "-nc", "lbtype:REL_1"},
       cctest::kNoPaths},
      {"a version that cannot be expanded does not stop the rest",
       With({"UseVersionSelector", "VersionSelector=%NOPE%", "LabelTypeName=REL_1",
             "PathNameStorageString=src/a.c"}),
       false,
       {"mklabel", "-nc", "lbtype:REL_1", "\"src/a.c\""},
       "cannot expand Version Selector"},
  });
}

}  // namespace
