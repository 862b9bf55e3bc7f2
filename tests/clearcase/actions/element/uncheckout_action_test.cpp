#include "clearcase/actions/element/uncheckout_action.h"

#include "command_cases.h"

namespace {

using cctest::With;

class UnCheckOut : public cctest::ActionCommandTest {};

TEST_F(UnCheckOut, PathNames) {
  CheckCommandLines<clearcase::TClearCaseUnCheckOutAction>({
      {"checked-out data is removed unless kept",
       With({"PathNameStorageString=a.c\r\n%VAR%.c\r\n"}),
       true,
       {"uncheckout", "-rm", "\"a.c\"", "\"value.c\""}},
      {"kept",
       With({"PathNameStorageString=a.c", "Keep"}),
       true,
       {"uncheckout", "-keep", "\"a.c\""}},
      {"no path names", With({}), false, {"uncheckout", "-rm"}, cctest::kNoPaths},
  });
}

TEST_F(UnCheckOut, Activity) {
  Options().SetDefaultViewPath(view_);
  CheckCommandLines<clearcase::TClearCaseUnCheckOutActivityAction>({
      {"kept; stored path names are ignored",
       With({"Keep", "PathNameStorageString=a.c\r\nb.c@@/main/1\r\n"}),
       true,
       {"uncheckout", "-keep", "-cact"}},
      {"the default view passes the view check",
       With({"ViewContextPath=", "UseDefaultViewContext"}),
       true,
       {"uncheckout", "-rm", "-cact"}},
      {"no view at all: the base reports it, not the view check",
       With({"ViewContextPath="}),
       false,
       {"uncheckout", "-rm", "-cact"},
       cctest::kViewError},
      {"no view but path names let the base start elsewhere: the view check stops it",
       With({"ViewContextPath=", "PathNameStorageString=a.c"}),
       false,
       {"uncheckout", "-rm", "-cact"},
       "Error: You have not specified a View to undo checkout for."},
  });
}

}  // namespace
