#include "clearcase/actions/element/make_element_action.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using clearcase::TClearCaseMakeElementAction;

class MakeElement : public cctest::ActionCommandTest {};

TEST_F(MakeElement, CommandLines) {
  CheckCommandLines<TClearCaseMakeElementAction>({
      {"defaults: the new elements stay checked out",
       [](auto& a) { a.SetPathNameStorageString("a.c\r\nb c.c\r\n"); },
       true,
       {"mkelem", "-nc", "\"a.c\"", "\"b c.c\""}},
      {"every switch, checked in",
       [](auto& a) {
         a.SetPathNameStorageString("a.c");
         a.SetComment("new");
         a.SetNoWarnings(true);
         a.SetMaster(true);
         a.SetMakePath(true);
         a.SetPreserveTime(true);
         a.SetCheckout(clearcase::ccCheckedIn);
         a.SetElementType("text_file");
         a.SetUseElementType(true);
       },
       true,
       {"mkelem", "-eltype text_file", "-ci", "-ptime", "-mkpath", "-master", "-nwarn",
        "-c \"new\"", "\"a.c\""}},
      {"preserved time only with a checked-in element",
       [](auto& a) {
         a.SetPathNameStorageString("a.c");
         a.SetPreserveTime(true);
         a.SetCheckout(clearcase::ccNoCheckOut);
       },
       true,
       {"mkelem", "-nco", "-nc", "\"a.c\""}},
      {"the element type travels as stored, blanks and expressions included",
       [](auto& a) {
         a.SetPathNameStorageString("a.c");
         a.SetUseElementType(true);
         a.SetElementType("%VAR% file");
       },
       true,
       {"mkelem", "-eltype %VAR% file", "-nc", "\"a.c\""}},
      {"an unused element type is not passed",
       [](auto& a) {
         a.SetPathNameStorageString("a.c");
         a.SetElementType("text_file");
       },
       true,
       {"mkelem", "-nc", "\"a.c\""}},
      {"a comment that cannot be expanded fails; the path names still follow",
       [](auto& a) {
         a.SetPathNameStorageString("a.c");
         a.SetComment("%NOPE%");
       },
       false,
       {"mkelem", "\"a.c\""},
       "cannot expand Comment"},
      {"no path names",
       [](auto&) {},
       false,
       {"mkelem", "-nc"},
       "Action Failed: No pathnames specified to act on."},
  });
}

}  // namespace
