#include "clearcase/actions/metadata/make_attribute_type_action.h"

#include "command_cases.h"

namespace {

using cctest::With;

class MakeAttributeType : public cctest::ActionCommandTest {};

TEST_F(MakeAttributeType, CommandLine) {
  CheckCommandLines<clearcase::TClearCaseMakeAttributeTypeAction>({
      {"every option, in order; exclusive bounds, the maximum first",
       With({"AttributeName=Build %VAR%", "VOBSelector=/vobs/src", "Replace", "Global", "Acquire",
             "Constraints=lcVPbranch", "Shared", "NewAttributeType=atInteger", "UseMin",
             "MinValue=%VAR%", "UseMax", "MaxValue=100", "UseDefaultValue", "DefaultValue=1",
             "Comment=counts"}),
       true,
       {"mkattype", "-replace", "-global", "-acquire", "-vpbranch", "-shared", "-vtype", "integer",
        "-lt", "100", "-gt", "%VAR%", "-default 1", "-c \"counts\"", "Build value@/vobs/src"}},
      {"inclusive bounds: the maximum first",
       With({"AttributeName=Level", "NewAttributeType=atReal", "UseMin", "MinInclusive",
             "MinValue=10", "UseMax", "MaxInclusive", "MaxValue=20.5"}),
       true,
       {"mkattype", "-ordinary", "-vtype", "real", "-le", "20.5", "-ge", "10", "-nc", "Level"}},
      {"acquire without global, bounds and default not used, a date type, an element constraint",
       With({"AttributeName=Due", "Acquire", "Constraints=lcVPelement", "NewAttributeType=atDate",
             "MinValue=1", "MaxValue=2", "DefaultValue=\"x\""}),
       true,
       {"mkattype", "-ordinary", "-vpelement", "-vtype", "time", "-nc", "Due"}},
      {"version constraint, opaque type, empty default value",
       With({"AttributeName=Blob", "Constraints=lcVPversion", "NewAttributeType=atOpaque",
             "UseDefaultValue"}),
       true,
       {"mkattype", "-ordinary", "-vpversion", "-vtype", "opaque", "-default ", "-nc", "Blob"}},
      {"no attribute name: a string type by default",
       With({"VOBSelector=/vobs/src"}),
       false,
       {"mkattype", "-ordinary", "-vtype", "string", "-nc"},
       cctest::kNoAttributeName},
  });
}

}  // namespace
