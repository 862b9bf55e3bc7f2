#include "clearcase/actions/metadata/apply_attribute_actions.h"

#include "command_cases.h"

namespace {

using cctest::With;

class ApplyAttribute : public cctest::ActionCommandTest {};

// The value goes on as it expands and is command-line text: a string value
// reaches cleartool in its double quotes only when they are escaped.
TEST_F(ApplyAttribute, PathNames) {
  CheckArgv<clearcase::TClearCaseApplyAttributePathNamesAction>({
      {"a string value; runs without a view, even when the view is invalid",
       [](auto& a) {
         a.SetViewContextPath("/no/such/view");
         a.SetAttributeName("Status");
         a.SetAttributeValue("\"\\\"%VAR% ok\\\"\"");
         a.SetPathNameStorageString("src/a.c\r\n");
       },
       true,
       {"mkattr", "-pname", "-nc", "Status", "\"value ok\"", "src/a.c"}},
      {"quotes that are not escaped only group",
       With({"AttributeName=Status", "AttributeValue=\"a b\"", "PathNameStorageString=a.c"}),
       true,
       {"mkattr", "-pname", "-nc", "Status", "a b", "a.c"}},
  });
  CheckCommandLines<clearcase::TClearCaseApplyAttributePathNamesAction>({
      {"every switch, in order",
       With({"Replace", "Recurse", "UseVersionSelector", "VersionSelector=/main/2", "Comment=c",
             "AttributeName=Status", "VOBSelector=/vobs/src", "AttributeValue=ignored",
             "UseDefaultAttributeValue", "PathNameStorageString=src/a.c\r\n"}),
       true,
       {"mkattr", "-replace", "-recurse", "-version /main/2", "-pname", "-c \"c\"", "-default",
        "Status@/vobs/src", "\"src/a.c\""}},
      {"no name and no path names: both reported, the rest appended",
       With({"AttributeValue=1"}),
       false,
       {"mkattr", "-pname", "-nc", "1"},
       cctest::kNoPaths},
      {"a value that cannot be expanded",
       With({"AttributeName=Status", "AttributeValue=%NOPE%", "PathNameStorageString=a.c"}),
       false,
       {"mkattr", "-pname", "-nc", "Status", "\"a.c\""},
       "cannot expand Attribute Value"},
  });
}

TEST_F(ApplyAttribute, Objects) {
  CheckCommandLines<clearcase::TClearCaseApplyAttributeObjectsAction>({
      {"a number value; no -pname",
       With({"Replace", "AttributeName=Count", "AttributeValue=1",
             "ObjectsStorageString=lbtype:REL_1@/vobs/src\r\nbrtype:my branch\r\n"}),
       true,
       {"mkattr", "-replace", "-nc", "Count", "1", "lbtype:REL_1@/vobs/src",
        "\"brtype:my branch\""}},
      {"no name",
       With({"ObjectsStorageString=lbtype:REL_1"}),
       false,
       {"mkattr", "-nc", "", "lbtype:REL_1"},
       cctest::kNoAttributeName},
  });
}

}  // namespace
