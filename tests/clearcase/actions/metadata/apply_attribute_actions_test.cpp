#include "clearcase/actions/metadata/apply_attribute_actions.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using clearcase::TClearCaseApplyAttributeObjectsAction;
using clearcase::TClearCaseApplyAttributePathNamesAction;

constexpr const char* kNoName = "Error: You have not specified an attribute name.";

class ApplyAttribute : public cctest::ActionCommandTest {};

TEST_F(ApplyAttribute, PathNames) {
  CheckCommandLines<TClearCaseApplyAttributePathNamesAction>({
      {"name, value and path names",
       [](auto& a) {
         a.SetAttributeName("Status");
         a.SetAttributeValue("\"%VAR% ok\"");
         a.SetPathNameStorageString("src/a.c\r\n");
       },
       true,
       {"mkattr", "-pname", "-nc", "Status", "\"value ok\"", "\"src/a.c\""}},
      {"every switch, in order",
       [](auto& a) {
         a.SetReplace(true);
         a.SetRecurse(true);
         a.SetUseVersionSelector(true);
         a.SetVersionSelector("/main/2");
         a.SetComment("c");
         a.SetAttributeName("Status");
         a.SetVOBSelector("/vobs/src");
         a.SetAttributeValue("ignored");
         a.SetUseDefaultAttributeValue(true);
         a.SetPathNameStorageString("src/a.c\r\n");
       },
       true,
       {"mkattr", "-replace", "-recurse", "-version /main/2", "-pname", "-c \"c\"", "-default",
        "Status@/vobs/src", "\"src/a.c\""}},
      {"runs without a view, even when the view is invalid",
       [](auto& a) {
         a.SetViewContextPath("/no/such/view");
         a.SetAttributeName("Status");
         a.SetAttributeValue("1");
         a.SetPathNameStorageString("a.c@@/main/1");
       },
       true,
       {"mkattr", "-pname", "-nc", "Status", "1", "\"a.c@@/main/1\""}},
      {"no name and no path names: both reported, the rest appended",
       [](auto& a) { a.SetAttributeValue("1"); },
       false,
       {"mkattr", "-pname", "-nc", "1"},
       "Action Failed: No pathnames specified to act on."},
      {"a value that cannot be expanded",
       [](auto& a) {
         a.SetAttributeName("Status");
         a.SetAttributeValue("%NOPE%");
         a.SetPathNameStorageString("a.c");
       },
       false,
       {"mkattr", "-pname", "-nc", "Status", "\"a.c\""},
       "cannot expand Attribute Value"},
  });
}

TEST_F(ApplyAttribute, Objects) {
  CheckCommandLines<TClearCaseApplyAttributeObjectsAction>({
      {"never -pname, -recurse or -version",
       [](auto& a) {
         a.SetReplace(true);
         a.SetUseVersionSelector(true);
         a.SetVersionSelector("/main/2");
         a.SetAttributeName("Status");
         a.SetAttributeValue("\"done\"");
         a.SetObjectsStorageString("lbtype:REL_1@/vobs/src\r\nbrtype:my branch\r\n");
       },
       true,
       {"mkattr", "-replace", "-nc", "Status", "\"done\"", "lbtype:REL_1@/vobs/src",
        "\"brtype:my branch\""}},
      {"no name",
       [](auto& a) { a.SetObjectsStorageString("lbtype:REL_1"); },
       false,
       {"mkattr", "-nc", "", "lbtype:REL_1"},
       kNoName},
  });
}

}  // namespace
