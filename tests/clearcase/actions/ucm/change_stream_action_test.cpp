#include "clearcase/actions/ucm/change_stream_action.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using clearcase::TClearCaseChangeStreamAction;

class ChangeStream : public cctest::ActionCommandTest {};

TEST_F(ChangeStream, CommandLine) {
  CheckCommandLines<TClearCaseChangeStreamAction>({
      {"the stream alone",
       [](auto& a) {
         a.SetStreamName("dev_%VAR%");
         a.SetVOBSelector("/vobs/pvob");
       },
       true,
       {"chstream", "-nc", "dev_value@/vobs/pvob"}},
      {"every option, in order",
       [](auto& a) {
         a.SetComment("c");
         a.SetChangeTarget(true);
         a.SetClearTarget(true);
         a.SetNewTargetStream("%VAR%_int");
         a.SetGenerateSpec(true);
         a.SetEnablePolicy(true);
         a.SetEnablePolicyNames("POLICY_A");
         a.SetDisablePolicy(true);
         a.SetDisablePolicyNames("POLICY_%VAR%");
         a.SetChangeRecommended(true);
         a.SetClearRecommended(true);
         a.SetRecommendBaselines("BL_1@/vobs/pvob\r\nBL_2@/vobs/pvob\r\nBL_3@/vobs/pvob\r\n");
         a.SetStreamName("dev");
         a.SetVOBSelector("vobs/pvob");
       },
       true,
       {"chstream", "-c \"c\"", "-target value_int", "-generate", "-policy POLICY_A",
        "-npolicy POLICY_value", "-recommended BL_1@/vobs/pvob,BL_2@/vobs/pvob,BL_3@/vobs/pvob",
        "dev@/vobs/pvob"}},
      {"clearing target and recommendations",
       [](auto& a) {
         a.SetClearTarget(true);
         a.SetClearRecommended(true);
         a.SetNewTargetStream("%NOPE%");
         a.SetStreamName("dev");
         a.SetVOBSelector("\\pvob");
       },
       true,
       {"chstream", "-nc", "-ntarget", "-nrecommended", "dev@\\pvob"}},
      {"recommend the defaults: the list is not read",
       [](auto& a) {
         a.SetChangeRecommended(true);
         a.SetRecommendDefaults(true);
         a.SetRecommendBaselines("%NOPE%");
         a.SetStreamName("dev");
         a.SetVOBSelector("/vobs/pvob");
       },
       true,
       {"chstream", "-nc", "-recommended -default", "dev@/vobs/pvob"}},
      {"a blank line leaves two commas; only the final one goes",
       [](auto& a) {
         a.SetChangeRecommended(true);
         a.SetRecommendBaselines("BL_1\r\n\r\nBL_2");
         a.SetStreamName("dev");
         a.SetVOBSelector("/vobs/pvob");
       },
       true,
       {"chstream", "-nc", "-recommended BL_1,,BL_2", "dev@/vobs/pvob"}},
      {"an empty stream and VOB: the tag root alone",
       [](auto&) {},
       true,
       {"chstream", "-nc", "@/"}},
      {"a target that cannot be expanded: the rest is still appended",
       [](auto& a) {
         a.SetChangeTarget(true);
         a.SetNewTargetStream("%NOPE%");
         a.SetGenerateSpec(true);
         a.SetStreamName("dev");
         a.SetVOBSelector("/vobs/pvob");
       },
       false,
       {"chstream", "-nc", "-target %NOPE%", "-generate", "dev@/vobs/pvob"},
       "cannot expand New Target Stream"},
      {"a stream that cannot be expanded",
       [](auto& a) {
         a.SetStreamName("%NOPE%");
         a.SetVOBSelector("/vobs/pvob");
       },
       false,
       {"chstream", "-nc", "%NOPE%@/vobs/pvob"},
       "cannot expand Stream Name"},
  });
}

TEST_F(ChangeStream, OwnArgumentsAreRawWithTheirValues) {
  TClearCaseChangeStreamAction action;
  action.SetChangeTarget(true);
  action.SetNewTargetStream("webshop_int");
  action.SetStreamName("dev");
  auto builder = vy::CreateCommandLineBuilder();
  ASSERT_TRUE(action.GetCommandLine(*builder));
  ASSERT_EQ(builder->ArgumentCount(), 4u);
  EXPECT_EQ(builder->Argument(2).Text(), "-target");
  EXPECT_EQ(builder->Argument(2).Value(), "webshop_int");
  EXPECT_EQ(builder->Argument(2).Kind(), vy::akRaw);
  EXPECT_EQ(builder->Argument(3).Kind(), vy::akRaw);
  EXPECT_EQ(builder->GetCommandLine(), "chstream -nc -target webshop_int dev@/");
}

}  // namespace
