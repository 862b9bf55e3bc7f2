#include "clearcase/actions/metadata/make_attribute_type_action.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using clearcase::TClearCaseMakeAttributeTypeAction;

class MakeAttributeType : public cctest::ActionCommandTest {};

TEST_F(MakeAttributeType, CommandLine) {
  CheckCommandLines<TClearCaseMakeAttributeTypeAction>({
      {"defaults",
       [](auto& a) { a.SetAttributeName("Status"); },
       true,
       {"mkattype", "-ordinary", "-vtype", "string", "-nc", "Status"}},
      {"every option, in order",
       [](auto& a) {
         a.SetAttributeName("Build %VAR%");
         a.SetVOBSelector("/vobs/src");
         a.SetReplace(true);
         a.SetGlobal(true);
         a.SetAcquire(true);
         a.SetConstraints(clearcase::lcVPbranch);
         a.SetShared(true);
         a.SetNewAttributeType(clearcase::atInteger);
         a.SetUseMin(true);
         a.SetMinValue("%VAR%");
         a.SetUseMax(true);
         a.SetMaxValue("100");
         a.SetUseDefaultValue(true);
         a.SetDefaultValue("1");
         a.SetComment("counts");
       },
       true,
       {"mkattype", "-replace", "-global", "-acquire", "-vpbranch", "-shared", "-vtype", "integer",
        "-lt", "100", "-gt", "%VAR%", "-default 1", "-c \"counts\"", "Build value@/vobs/src"}},
      {"inclusive bounds: the maximum first",
       [](auto& a) {
         a.SetAttributeName("Level");
         a.SetNewAttributeType(clearcase::atReal);
         a.SetUseMin(true);
         a.SetMinInclusive(true);
         a.SetMinValue("10");
         a.SetUseMax(true);
         a.SetMaxInclusive(true);
         a.SetMaxValue("20.5");
       },
       true,
       {"mkattype", "-ordinary", "-vtype", "real", "-le", "20.5", "-ge", "10", "-nc", "Level"}},
      {"bounds that are not used",
       [](auto& a) {
         a.SetAttributeName("Level");
         a.SetMinValue("1");
         a.SetMaxValue("2");
         a.SetDefaultValue("\"x\"");
       },
       true,
       {"mkattype", "-ordinary", "-vtype", "string", "-nc", "Level"}},
      {"acquire without global, a date type and an element constraint",
       [](auto& a) {
         a.SetAttributeName("Due");
         a.SetAcquire(true);
         a.SetConstraints(clearcase::lcVPelement);
         a.SetNewAttributeType(clearcase::atDate);
       },
       true,
       {"mkattype", "-ordinary", "-vpelement", "-vtype", "time", "-nc", "Due"}},
      {"version constraint, opaque type, empty default value",
       [](auto& a) {
         a.SetAttributeName("Blob");
         a.SetConstraints(clearcase::lcVPversion);
         a.SetNewAttributeType(clearcase::atOpaque);
         a.SetUseDefaultValue(true);
       },
       true,
       {"mkattype", "-ordinary", "-vpversion", "-vtype", "opaque", "-default ", "-nc", "Blob"}},
      {"no attribute name",
       [](auto& a) { a.SetVOBSelector("/vobs/src"); },
       false,
       {"mkattype", "-ordinary", "-vtype", "string", "-nc"},
       "Error: You have not specified an attribute name."},
  });
}

}  // namespace
