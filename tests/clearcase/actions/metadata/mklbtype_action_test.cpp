#include "clearcase/actions/metadata/mklbtype_action.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using clearcase::TClearCaseMkLbTypeAction;

constexpr const char* kNoName =
    "Error: You have not specified the label type selector for your new label type.";
constexpr const char* kNoVob =
    "Error: You have not specified a selector for your new label type's VOB.";

class MkLbType : public cctest::ActionCommandTest {};

TEST_F(MkLbType, CommandLine) {
  CheckCommandLines<TClearCaseMkLbTypeAction>({
      {"defaults with a name and VOB",
       [](auto& a) {
         a.SetLabelTypeName("REL_2");
         a.SetVOBSelector("/vobs/src");
       },
       true,
       {"mklbtype", "-ordinary", "-nc", "lbtype:REL_2@/vobs/src"}},
      {"every flag, in order",
       [](auto& a) {
         a.SetLabelTypeName("REL_%VAR%");
         a.SetVOBSelector("/vobs/src");
         a.SetReplace(true);
         a.SetMakeGlobal(true);
         a.SetAcquire(true);
         a.SetPBranch(true);
         a.SetShared(true);
         a.SetComment("for %VAR%");
       },
       true,
       {"mklbtype", "-replace", "-global", "-acquire", "-pbranch", "-shared", "-c \"for value\"",
        "lbtype:REL_value@/vobs/src"}},
      {"acquire without global stays ordinary",
       [](auto& a) {
         a.SetLabelTypeName("REL_2");
         a.SetVOBSelector("/vobs/src");
         a.SetAcquire(true);
       },
       true,
       {"mklbtype", "-ordinary", "-nc", "lbtype:REL_2@/vobs/src"}},
      {"no VOB: the rest is still appended",
       [](auto& a) {
         a.SetLabelTypeName("REL_2");
         a.SetMakeGlobal(true);
       },
       false,
       {"mklbtype", "-global", "-nc", "lbtype:REL_2"},
       kNoVob},
      {"name that cannot be expanded",
       [](auto& a) {
         a.SetLabelTypeName("%NOPE%");
         a.SetVOBSelector("/vobs/src");
       },
       false,
       {"mklbtype", "-ordinary", "-nc"},
       "cannot expand Label Type Name"},
      {"runs without a view, even when the view is invalid",
       [](auto& a) {
         a.SetViewContextPath("/no/such/view");
         a.SetLabelTypeName("REL_2");
         a.SetVOBSelector("/vobs/src");
       },
       true,
       {"mklbtype", "-ordinary", "-nc", "lbtype:REL_2@/vobs/src"}},
  });
}

TEST_F(MkLbType, MissingNameAndVobAreBothReported) {
  TClearCaseMkLbTypeAction action;
  const auto built = Build(action);
  EXPECT_FALSE(built.ok);
  EXPECT_EQ(built.errors, (Args{kNoName, kNoVob}));
  EXPECT_EQ(built.arguments, (Args{"mklbtype", "-ordinary", "-nc", "lbtype:"}));
}

}  // namespace
