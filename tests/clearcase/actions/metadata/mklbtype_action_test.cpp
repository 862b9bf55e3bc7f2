#include "clearcase/actions/metadata/mklbtype_action.h"

#include "command_cases.h"

namespace {

using cctest::With;
using clearcase::TClearCaseMkLbTypeAction;

constexpr const char* kNoName =
    "Error: You have not specified the label type selector for your new label type.";
constexpr const char* kNoVob =
    "Error: You have not specified a selector for your new label type's VOB.";

class MkLbType : public cctest::ActionCommandTest {};

TEST_F(MkLbType, CommandLine) {
  CheckCommandLines<TClearCaseMkLbTypeAction>({
      {"acquire without global stays ordinary; runs without a view, even when it is invalid",
       [](auto& a) {
         a.SetViewContextPath("/no/such/view");
         a.SetLabelTypeName("REL_2");
         a.SetVOBSelector("/vobs/src");
         a.SetAcquire(true);
       },
       true,
       {"mklbtype", "-ordinary", "-nc", "lbtype:REL_2@/vobs/src"}},
      {"every flag, in order",
       With({"LabelTypeName=REL_%VAR%", "VOBSelector=/vobs/src", "Replace", "MakeGlobal", "Acquire",
             "PBranch", "Shared", "Comment=for %VAR%"}),
       true,
       {"mklbtype", "-replace", "-global", "-acquire", "-pbranch", "-shared", "-c \"for value\"",
        "lbtype:REL_value@/vobs/src"}},
      {"no VOB: the rest is still appended",
       With({"LabelTypeName=REL_2", "MakeGlobal"}),
       false,
       {"mklbtype", "-global", "-nc", "lbtype:REL_2"},
       kNoVob},
      {"name that cannot be expanded",
       With({"LabelTypeName=%NOPE%", "VOBSelector=/vobs/src"}),
       false,
       {"mklbtype", "-ordinary", "-nc"},
       "cannot expand Label Type Name"},
  });
}

TEST_F(MkLbType, MissingNameAndVobAreBothReported) {
  TClearCaseMkLbTypeAction action;
  const auto built = Build(action);
  EXPECT_FALSE(built.ok);
  EXPECT_EQ(built.errors, (cctest::Args{kNoName, kNoVob}));
  EXPECT_EQ(built.arguments, (cctest::Args{"mklbtype", "-ordinary", "-nc", "lbtype:"}));
}

}  // namespace
