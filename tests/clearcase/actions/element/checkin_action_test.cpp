#include "clearcase/actions/element/checkin_action.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using clearcase::TClearCaseCheckInActivityAction;
using clearcase::TClearCaseCheckInPathAction;
using TPathCase = cctest::TCommandCase<TClearCaseCheckInPathAction>;
using TActivityCase = cctest::TCommandCase<TClearCaseCheckInActivityAction>;

constexpr const char* kViewError =
    "Error: The View Context Path you have specified is invalid or does not exist.";

class CheckIn : public cctest::ActionCommandTest {};

TEST_F(CheckIn, PathNames) {
  CheckCommandLines<TClearCaseCheckInPathAction>({
      {"defaults",
       [](auto& a) { a.SetPathNameStorageString("a.c"); },
       true,
       {"checkin", "-nc", "\"a.c\""}},
      {"every switch, in order, after the comment",
       [](auto& a) {
         a.SetPathNameStorageString("a.c\r\nb c.c@@/main/1\r\n");
         a.SetComment("Fix %VAR%");
         a.SetIdenticalCheckin(true);
         a.SetRemove(true);
         a.SetKeep(true);
         a.SetPreserveTime(true);
         a.SetNoWarnings(true);
       },
       true,
       {"checkin", "-c \"Fix value\"", "-nwarn", "-ptime", "-keep", "-identical", "\"a.c\"",
        "\"b c.c@@/main/1\""}},
      {"remove alone",
       [](auto& a) {
         a.SetPathNameStorageString("a.c");
         a.SetRemove(true);
       },
       true,
       {"checkin", "-nc", "-rm", "\"a.c\""}},
      {"a comment that cannot be expanded is left out and the checkin still runs",
       [](auto& a) {
         a.SetPathNameStorageString("a.c");
         a.SetComment("Fix %NOPE%");
         a.SetNoWarnings(true);
       },
       true,
       {"checkin", "-nwarn", "\"a.c\""},
       "cannot expand Comment"},
      {"no path names",
       [](auto& a) { a.SetComment("x"); },
       false,
       {"checkin", "-c \"x\""},
       "Action Failed: No pathnames specified to act on."},
      {"a failing base stops the switches but the operands still follow",
       [](auto& a) {
         a.SetViewContextPath("/no/such/view");
         a.SetPathNameStorageString("a.c@@/main/1");
         a.SetKeep(true);
       },
       false,
       {"checkin", "\"a.c@@/main/1\""},
       kViewError},
  });
}

TEST_F(CheckIn, Activity) {
  CheckCommandLines<TClearCaseCheckInActivityAction>({
      {"no activity chosen", [](auto&) {}, true, {"checkin", "-nc", "-cact"}},
      {"named activity with its VOB; stored path names are never appended",
       [](auto& a) {
         a.SetActivityName("%VAR% 1");
         a.SetVOBSelector("/vobs/pvob");
         a.SetPathNameStorageString("a.c\r\n");
         a.SetComment("done");
       },
       true,
       {"checkin", "-c \"done\"", "\"activity:value 1@/vobs/pvob\""}},
      {"activity that cannot be expanded",
       [](auto& a) { a.SetActivityName("%NOPE%"); },
       false,
       {"checkin", "-nc"},
       "cannot expand Activity Name"},
      {"no view: the base fails, the activity still follows",
       [](auto& a) {
         a.SetViewContextPath("");
         a.SetActivityName("fix_23");
       },
       false,
       {"checkin", "activity:fix_23"},
       kViewError},
  });
}

}  // namespace
