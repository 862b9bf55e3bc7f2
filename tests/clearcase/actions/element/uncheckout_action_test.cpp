#include "clearcase/actions/element/uncheckout_action.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using clearcase::TClearCaseUnCheckOutAction;
using clearcase::TClearCaseUnCheckOutActivityAction;

constexpr const char* kNoView = "Error: You have not specified a View to undo checkout for.";
constexpr const char* kViewError =
    "Error: The View Context Path you have specified is invalid or does not exist.";

class UnCheckOut : public cctest::ActionCommandTest {};

TEST_F(UnCheckOut, PathNames) {
  CheckCommandLines<TClearCaseUnCheckOutAction>({
      {"checked-out data is removed unless kept",
       [](auto& a) { a.SetPathNameStorageString("a.c\r\n%VAR%.c\r\n"); },
       true,
       {"uncheckout", "-rm", "\"a.c\"", "\"value.c\""}},
      {"kept",
       [](auto& a) {
         a.SetPathNameStorageString("a.c");
         a.SetKeep(true);
       },
       true,
       {"uncheckout", "-keep", "\"a.c\""}},
      {"no path names",
       [](auto&) {},
       false,
       {"uncheckout", "-rm"},
       "Action Failed: No pathnames specified to act on."},
      {"a failing base still gets its option and operands",
       [](auto& a) {
         a.SetViewContextPath("/no/such/view");
         a.SetPathNameStorageString("a.c");
       },
       false,
       {"uncheckout", "-rm", "\"a.c\""},
       kViewError},
  });
}

TEST_F(UnCheckOut, Activity) {
  CheckCommandLines<TClearCaseUnCheckOutActivityAction>({
      {"view path, kept", [](auto& a) { a.SetKeep(true); }, true, {"uncheckout", "-keep", "-cact"}},
      {"stored path names are ignored",
       [](auto& a) { a.SetPathNameStorageString("a.c\r\nb.c@@/main/1\r\n"); },
       true,
       {"uncheckout", "-rm", "-cact"}},
      {"the default view passes the view check",
       [&](auto& a) {
         Options().SetDefaultViewPath(view_);
         a.SetViewContextPath("");
         a.SetUseDefaultViewContext(true);
       },
       true,
       {"uncheckout", "-rm", "-cact"}},
      {"no view at all: the base reports it, not the view check",
       [](auto& a) { a.SetViewContextPath(""); },
       false,
       {"uncheckout", "-rm", "-cact"},
       kViewError},
      {"no view but path names let the base start elsewhere: the view check stops it",
       [](auto& a) {
         a.SetViewContextPath("");
         a.SetPathNameStorageString("a.c");
       },
       false,
       {"uncheckout", "-rm", "-cact"},
       kNoView},
  });
}

}  // namespace
