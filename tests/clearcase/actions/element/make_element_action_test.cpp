#include "clearcase/actions/element/make_element_action.h"

#include "command_cases.h"

namespace {

using cctest::With;

class MakeElement : public cctest::ActionCommandTest {};

TEST_F(MakeElement, CommandLines) {
  CheckCommandLines<clearcase::TClearCaseMakeElementAction>(
      {
          {"the new elements stay checked out; an unused element type is not passed",
           With({"PathNameStorageString=a.c\r\nb c.c\r\n", "ElementType=text_file"}),
           true,
           {"mkelem", "-nc", "\"a.c\"", "\"b c.c\""}},
          {"every switch, checked in",
           With({"Comment=new", "NoWarnings", "Master", "MakePath", "PreserveTime",
                 "Checkout=ccCheckedIn", "ElementType=text_file", "UseElementType"}),
           true,
           {"mkelem", "-eltype text_file", "-ci", "-ptime", "-mkpath", "-master", "-nwarn",
            "-c \"new\"", "\"a.c\""}},
          {"preserved time only with a checked-in element",
           With({"PreserveTime", "Checkout=ccNoCheckOut"}),
           true,
           {"mkelem", "-nco", "-nc", "\"a.c\""}},
          {"the element type travels as stored, blanks and expressions included",
           With({"UseElementType", "ElementType=%VAR% file"}),
           true,
           {"mkelem", "-eltype %VAR% file", "-nc", "\"a.c\""}},
          {"a comment that cannot be expanded fails; the path names still follow",
           With({"Comment=%NOPE%"}),
           false,
           {"mkelem", "\"a.c\""},
           "cannot expand Comment"},
          {"no path names",
           With({"PathNameStorageString="}),
           false,
           {"mkelem", "-nc"},
           cctest::kNoPaths},
      },
      {"PathNameStorageString=a.c"});
}

}  // namespace
