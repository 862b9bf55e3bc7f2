#include "clearcase/actions/ucm/change_stream_action.h"

#include "command_cases.h"

namespace {

using cctest::With;

class ChangeStream : public cctest::ActionCommandTest {};

TEST_F(ChangeStream, CommandLine) {
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

}  // namespace
