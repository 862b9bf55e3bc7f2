// The metadata actions: one table of their command lines.
#include "clearcase/actions/metadata/mklbtype_action.h"

#include "command_cases.h"

namespace {

using MetadataAction = cctest::ActionCommandTest;
using cctest::With;
using clearcase::TClearCaseMkLbTypeAction;

constexpr const char* kNoName =
    "Error: You have not specified the label type selector for your new label type.";
constexpr const char* kNoVob =
    "Error: You have not specified a selector for your new label type's VOB.";

// One row per rule that can go wrong: an order, a combination, an exception, a message.
TEST_F(MetadataAction, CommandLines) {
  // clang-format off
  CheckTypes({
      {"CC_APPLYATTR", "every switch, in order",
       With({"Replace", "Recurse", "UseVersionSelector", "VersionSelector=/main/2", "Comment=c",
             "AttributeName=Status", "VOBSelector=/vobs/src", "AttributeValue=ignored",
             "UseDefaultAttributeValue", "PathNameStorageString=src/a.c\r\n"}), true,
       {"mkattr", "-replace", "-recurse", "-version /main/2", "-pname", "-c \"c\"", "-default",
        "Status@/vobs/src", "\"src/a.c\""}},
      {"CC_APPLYATTR", "no name and no path names: both reported, the rest appended",
       With({"AttributeValue=1"}), false, {"mkattr", "-pname", "-nc", "1"}, cctest::kNoPaths},
      {"CC_APPLYATTR", "a value that cannot be expanded",
       With({"AttributeName=Status", "AttributeValue=%NOPE%", "PathNameStorageString=a.c"}),
       false, {"mkattr", "-pname", "-nc", "Status", "\"a.c\""}, "cannot expand Attribute Value"},
      {"CC_APPLYATTR", "the value is command-line text; runs without a view, even an invalid one",
       cctest::WithoutView({"AttributeName=Status", "AttributeValue=\"%VAR% b\"",
                            "PathNameStorageString=a.c"}), true,
       {"mkattr", "-pname", "-nc", "Status", "\"value b\"", "\"a.c\""}},
      {"CC_APPLYATTR_OBJ", "a number value; no -pname",
       With({"Replace", "AttributeName=Count", "AttributeValue=1",
             "ObjectsStorageString=lbtype:REL_1@/vobs/src\r\nbrtype:my branch\r\n"}), true,
       {"mkattr", "-replace", "-nc", "Count", "1", "lbtype:REL_1@/vobs/src",
        "\"brtype:my branch\""}},
      {"CC_APPLYATTR_OBJ", "no name", With({"ObjectsStorageString=lbtype:REL_1"}), false,
       {"mkattr", "-nc", "", "lbtype:REL_1"}, cctest::kNoAttributeName},
      {"CC_LABEL", "every flag in its fixed order, then version, comment, label and paths",
       With({"FollowLinks", "Recurse", "Replace", "UseVersionSelector",
             "VersionSelector=/main/%VAR%", "Comment=c", "LabelTypeName=REL_1",
             "VOBSelector=/vobs/src", "PathNameStorageString=src/a.c\r\nsrc/b c.c@@/main/1\r\n"}),
       true,
       {"mklabel", "-replace", "-recurse", "-follow", "-version /main/value", "-c \"c\"",
        "lbtype:REL_1@/vobs/src", "\"src/a.c\"", "\"src/b c.c@@/main/1\""}},
      {"CC_LABEL", "follow without recurse, a version not used, no path names: the rest follows",
       With({"Replace", "FollowLinks", "LabelTypeName=REL_1", "VersionSelector=/main/1"}), false,
       {"mklabel", "-replace", "-follow", "-nc", "lbtype:REL_1"}, cctest::kNoPaths},
      {"CC_LABEL", "a version that cannot be expanded does not stop the rest",
       With({"UseVersionSelector", "VersionSelector=%NOPE%", "LabelTypeName=REL_1",
             "PathNameStorageString=src/a.c"}), false,
       {"mklabel", "-nc", "lbtype:REL_1", "\"src/a.c\""}, "cannot expand Version Selector"},
      {"CC_LOCK", "defaults, with a user list that is not used",
       With({"NUsersList=alice", "PathNameStorageString=src/a.c"}), true,
       {"lock", "-nc", "-pname", "\"src/a.c\""}},
      {"CC_LOCK", "exempted users win over obsolete, passed as they stand",
       With({"Obsolete", "UseNUsers", "NUsersList= alice,%VAR% ", "PathNameStorageString=src/a.c"}),
       true, {"lock", "-nusers  alice,%VAR% ", "-nc", "-pname", "\"src/a.c\""}},
      {"CC_LOCK", "an empty user list is still passed",
       With({"UseNUsers", "PathNameStorageString=src/a.c"}), true,
       {"lock", "-nusers ", "-nc", "-pname", "\"src/a.c\""}},
      {"CC_LOCK", "replace and obsolete, no path names: the rest is still appended",
       With({"Replace", "Obsolete", "Comment=old"}), false,
       {"lock", "-replace", "-obsolete", "-c \"old\"", "-pname"}, cctest::kNoPaths},
      {"CC_LOCK_OBJ", "selectors, quoted only with a blank",
       With({"Obsolete", "ObjectsStorageString=lbtype:REL_1@/vobs/src\r\nbrtype:my branch\r\n"}),
       true, {"lock", "-obsolete", "-nc", "lbtype:REL_1@/vobs/src", "\"brtype:my branch\""}},
      {"CC_LOCK_OBJ", "no selectors", With({"Comment=x"}), false, {"lock", "-c \"x\""},
       cctest::kNoObjects},
      {"CC_UNLOCK", "the comment comes right after the subcommand",
       With({"Comment=open", "PathNameStorageString=src/a.c"}), true,
       {"unlock", "-c \"open\"", "-pname", "\"src/a.c\""}},
      {"CC_UNLOCK_OBJ", "without -pname; a selector that cannot be expanded",
       With({"ObjectsStorageString=lbtype:%NOPE%\r\n"}), false, {"unlock", "-nc"},
       "cannot expand Object Selector"},
      {"CC_MKATTRTYPE", "every option, in order; exclusive bounds, the maximum first",
       With({"AttributeName=Build %VAR%", "VOBSelector=/vobs/src", "Replace", "Global", "Acquire",
             "Constraints=lcVPbranch", "Shared", "NewAttributeType=atInteger", "UseMin",
             "MinValue=%VAR%", "UseMax", "MaxValue=100", "UseDefaultValue", "DefaultValue=1",
             "Comment=counts"}), true,
       {"mkattype", "-replace", "-global", "-acquire", "-vpbranch", "-shared", "-vtype", "integer",
        "-lt", "100", "-gt", "%VAR%", "-default 1", "-c \"counts\"", "Build value@/vobs/src"}},
      {"CC_MKATTRTYPE", "inclusive bounds: the maximum first",
       With({"AttributeName=Level", "NewAttributeType=atReal", "UseMin", "MinInclusive",
             "MinValue=10", "UseMax", "MaxInclusive", "MaxValue=20.5"}), true,
       {"mkattype", "-ordinary", "-vtype", "real", "-le", "20.5", "-ge", "10", "-nc", "Level"}},
      {"CC_MKATTRTYPE", "acquire without global, bounds not used, a date type, an empty default",
       With({"AttributeName=Due", "Acquire", "Constraints=lcVPversion", "NewAttributeType=atDate",
             "MinValue=1", "MaxValue=2", "UseDefaultValue"}), true,
       {"mkattype", "-ordinary", "-vpversion", "-vtype", "time", "-default ", "-nc", "Due"}},
      {"CC_MKATTRTYPE", "no attribute name: a string type by default",
       With({"VOBSelector=/vobs/src"}), false,
       {"mkattype", "-ordinary", "-vtype", "string", "-nc"}, cctest::kNoAttributeName},
      {"CC_MKLBTYPE",
       "acquire without global stays ordinary; runs without a view, even when it is invalid",
       cctest::WithoutView({"LabelTypeName=REL_2", "VOBSelector=/vobs/src", "Acquire"}), true,
       {"mklbtype", "-ordinary", "-nc", "lbtype:REL_2@/vobs/src"}},
      {"CC_MKLBTYPE", "every flag, in order",
       With({"LabelTypeName=REL_%VAR%", "VOBSelector=/vobs/src", "Replace", "MakeGlobal", "Acquire",
             "PBranch", "Shared", "Comment=for %VAR%"}), true,
       {"mklbtype", "-replace", "-global", "-acquire", "-pbranch", "-shared", "-c \"for value\"",
        "lbtype:REL_value@/vobs/src"}},
      {"CC_MKLBTYPE", "name that cannot be expanded",
       With({"LabelTypeName=%NOPE%", "VOBSelector=/vobs/src"}), false,
       {"mklbtype", "-ordinary", "-nc"}, "cannot expand Label Type Name"},
  });
  // clang-format on
}

// Both are reported and the rest is still appended.
TEST_F(MetadataAction, MkLbTypeMissingNameAndVobAreBothReported) {
  TClearCaseMkLbTypeAction action;
  const auto built = Build(action);
  EXPECT_FALSE(built.ok);
  EXPECT_EQ(built.errors, (cctest::Args{kNoName, kNoVob}));
  EXPECT_EQ(built.arguments, (cctest::Args{"mklbtype", "-ordinary", "-nc", "lbtype:"}));
}

}  // namespace
