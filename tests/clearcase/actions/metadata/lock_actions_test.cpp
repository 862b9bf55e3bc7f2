#include "clearcase/actions/metadata/lock_actions.h"

#include "command_cases.h"

namespace {

using cctest::With;

class Lock : public cctest::ActionCommandTest {};

TEST_F(Lock, PathNames) {
  CheckCommandLines<clearcase::TClearCaseLockPathNamesAction>({
      {"defaults, with a user list that is not used",
       With({"NUsersList=alice", "PathNameStorageString=src/a.c"}),
       true,
       {"lock", "-nc", "-pname", "\"src/a.c\""}},
      {"exempted users win over obsolete, passed as they stand",
       With({"Obsolete", "UseNUsers", "NUsersList= alice,%VAR% ", "PathNameStorageString=src/a.c"}),
       true,
       {"lock", "-nusers  alice,%VAR% ", "-nc", "-pname", "\"src/a.c\""}},
      {"an empty user list is still passed",
       With({"UseNUsers", "PathNameStorageString=src/a.c"}),
       true,
       {"lock", "-nusers ", "-nc", "-pname", "\"src/a.c\""}},
      {"replace and obsolete, no path names: the rest is still appended",
       With({"Replace", "Obsolete", "Comment=old"}),
       false,
       {"lock", "-replace", "-obsolete", "-c \"old\"", "-pname"},
       cctest::kNoPaths},
  });
}

TEST_F(Lock, Objects) {
  CheckCommandLines<clearcase::TClearCaseLockObjectsAction>({
      {"selectors, quoted only with a blank",
       With({"Obsolete", "ObjectsStorageString=lbtype:REL_1@/vobs/src\r\nbrtype:my branch\r\n"}),
       true,
       {"lock", "-obsolete", "-nc", "lbtype:REL_1@/vobs/src", "\"brtype:my branch\""}},
      {"no selectors", With({"Comment=x"}), false, {"lock", "-c \"x\""}, cctest::kNoObjects},
  });
}

TEST_F(Lock, UnlockPathNames) {
  CheckCommandLines<clearcase::TClearCaseUnlockPathNamesAction>({
      {"the comment comes right after the subcommand",
       With({"Comment=open", "PathNameStorageString=src/a.c"}),
       true,
       {"unlock", "-c \"open\"", "-pname", "\"src/a.c\""}},
      {"no path names", With({}), false, {"unlock", "-nc", "-pname"}, cctest::kNoPaths},
  });
}

TEST_F(Lock, UnlockObjects) {
  CheckCommandLines<clearcase::TClearCaseUnlockObjectsAction>({
      {"selectors without -pname",
       With({"ObjectsStorageString=lbtype:REL_0.9@/vobs/src\r\n"}),
       true,
       {"unlock", "-nc", "lbtype:REL_0.9@/vobs/src"}},
      {"a selector that cannot be expanded",
       With({"ObjectsStorageString=lbtype:%NOPE%\r\n"}),
       false,
       {"unlock", "-nc"},
       "cannot expand Object Selector"},
      {"no selectors", With({}), false, {"unlock", "-nc"}, cctest::kNoObjects},
  });
}

}  // namespace
