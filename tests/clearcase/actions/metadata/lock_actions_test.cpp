#include "clearcase/actions/metadata/lock_actions.h"

#include "command_cases.h"

namespace {

using cctest::Args;
using clearcase::TClearCaseLockObjectsAction;
using clearcase::TClearCaseLockPathNamesAction;
using clearcase::TClearCaseUnlockObjectsAction;
using clearcase::TClearCaseUnlockPathNamesAction;

constexpr const char* kNoPaths = "Action Failed: No pathnames specified to act on.";
constexpr const char* kNoObjects = "Action Failed: No object selectors have been specified.";

class Lock : public cctest::ActionCommandTest {};

TEST_F(Lock, PathNames) {
  CheckCommandLines<TClearCaseLockPathNamesAction>({
      {"defaults",
       [](auto& a) { a.SetPathNameStorageString("src/a.c"); },
       true,
       {"lock", "-nc", "-pname", "\"src/a.c\""}},
      {"replace and obsolete",
       [](auto& a) {
         a.SetReplace(true);
         a.SetObsolete(true);
         a.SetComment("old");
         a.SetPathNameStorageString("src/a.c\r\nsrc@@/main/2\r\n");
       },
       true,
       {"lock", "-replace", "-obsolete", "-c \"old\"", "-pname", "\"src/a.c\"",
        "\"src@@/main/2\""}},
      {"exempted users win over obsolete, passed as they stand",
       [](auto& a) {
         a.SetObsolete(true);
         a.SetUseNUsers(true);
         a.SetNUsersList(" alice,%VAR% ");
         a.SetPathNameStorageString("src/a.c");
       },
       true,
       {"lock", "-nusers  alice,%VAR% ", "-nc", "-pname", "\"src/a.c\""}},
      {"an empty user list is still passed",
       [](auto& a) {
         a.SetUseNUsers(true);
         a.SetPathNameStorageString("src/a.c");
       },
       true,
       {"lock", "-nusers ", "-nc", "-pname", "\"src/a.c\""}},
      {"a user list that is not used",
       [](auto& a) {
         a.SetNUsersList("alice");
         a.SetPathNameStorageString("src/a.c");
       },
       true,
       {"lock", "-nc", "-pname", "\"src/a.c\""}},
      {"no path names",
       [](auto& a) { a.SetReplace(true); },
       false,
       {"lock", "-replace", "-nc", "-pname"},
       kNoPaths},
  });
}

TEST_F(Lock, Objects) {
  CheckCommandLines<TClearCaseLockObjectsAction>({
      {"selectors, quoted only with a blank",
       [](auto& a) {
         a.SetObsolete(true);
         a.SetObjectsStorageString("lbtype:REL_1@/vobs/src\r\nbrtype:my branch\r\n");
       },
       true,
       {"lock", "-obsolete", "-nc", "lbtype:REL_1@/vobs/src", "\"brtype:my branch\""}},
      {"no selectors", [](auto& a) { a.SetComment("x"); }, false, {"lock", "-c \"x\""}, kNoObjects},
  });
}

TEST_F(Lock, UnlockPathNames) {
  CheckCommandLines<TClearCaseUnlockPathNamesAction>({
      {"the comment comes right after the subcommand",
       [](auto& a) {
         a.SetComment("open");
         a.SetPathNameStorageString("src/a.c");
       },
       true,
       {"unlock", "-c \"open\"", "-pname", "\"src/a.c\""}},
      {"no path names", [](auto&) {}, false, {"unlock", "-nc", "-pname"}, kNoPaths},
  });
}

TEST_F(Lock, UnlockObjects) {
  CheckCommandLines<TClearCaseUnlockObjectsAction>({
      {"selectors without -pname",
       [](auto& a) { a.SetObjectsStorageString("lbtype:REL_0.9@/vobs/src\r\n"); },
       true,
       {"unlock", "-nc", "lbtype:REL_0.9@/vobs/src"}},
      {"a selector that cannot be expanded",
       [](auto& a) { a.SetObjectsStorageString("lbtype:%NOPE%\r\n"); },
       false,
       {"unlock", "-nc"},
       "cannot expand Object Selector"},
      {"no selectors", [](auto&) {}, false, {"unlock", "-nc"}, kNoObjects},
  });
}

}  // namespace
