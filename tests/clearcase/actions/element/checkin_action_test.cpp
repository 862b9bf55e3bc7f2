#include "clearcase/actions/element/checkin_action.h"

#include "command_cases.h"

namespace {

using cctest::With;

class CheckIn : public cctest::ActionCommandTest {};

TEST_F(CheckIn, PathNames) {
  CheckCommandLines<clearcase::TClearCaseCheckInPathAction>(
      {
          {"every switch, in order, after the comment; keep wins over remove",
           With({"PathNameStorageString=a.c\r\nb c.c@@/main/1\r\n", "Comment=Fix %VAR%",
                 "IdenticalCheckin", "Remove", "Keep", "PreserveTime", "NoWarnings"}),
           true,
           {"checkin", "-c \"Fix value\"", "-nwarn", "-ptime", "-keep", "-identical", "\"a.c\"",
            "\"b c.c@@/main/1\""}},
          {"remove alone", With({"Remove"}), true, {"checkin", "-nc", "-rm", "\"a.c\""}},
          {"a comment that cannot be expanded is left out and the checkin still runs",
           With({"Comment=Fix %NOPE%", "NoWarnings"}),
           true,
           {"checkin", "-nwarn", "\"a.c\""},
           "cannot expand Comment"},
          {"no path names",
           With({"PathNameStorageString=", "Comment=x"}),
           false,
           {"checkin", "-c \"x\""},
           cctest::kNoPaths},
          {"a failing base stops the switches but the operands still follow",
           With({"ViewContextPath=/no/such/view", "PathNameStorageString=a.c@@/main/1", "Keep"}),
           false,
           {"checkin", "\"a.c@@/main/1\""},
           cctest::kViewError},
      },
      {"PathNameStorageString=a.c"});
}

TEST_F(CheckIn, Activity) {
  CheckCommandLines<clearcase::TClearCaseCheckInActivityAction>({
      {"no activity chosen", With({}), true, {"checkin", "-nc", "-cact"}},
      {"named activity with its VOB; stored path names are never appended",
       With({"ActivityName=%VAR% 1", "VOBSelector=/vobs/pvob", "PathNameStorageString=a.c\r\n",
             "Comment=done"}),
       true,
       {"checkin", "-c \"done\"", "\"activity:value 1@/vobs/pvob\""}},
      {"activity that cannot be expanded",
       With({"ActivityName=%NOPE%"}),
       false,
       {"checkin", "-nc"},
       "cannot expand Activity Name"},
  });
}

}  // namespace
