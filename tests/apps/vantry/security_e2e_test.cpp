// User text never reaches a shell, and the files the runner writes are never
// written through a symbolic link planted in their place: vantry against the
// cleartool stand-in, checked with its journal and the file system.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support.h"

namespace vantry_test {
namespace {

namespace fs = std::filesystem;

using ::testing::ElementsAreArray;
using ::testing::SizeIs;

using TArgv = std::vector<std::string>;

// Each would create or fill the file "$ROOT/pwned" if a shell saw it. "$ROOT"
// stands for the sandbox folder.
constexpr const char* kShellText =
    "$(touch $ROOT/pwned) `touch $ROOT/pwned`; touch $ROOT/pwned | touch $ROOT/pwned & "
    "echo >$ROOT/pwned";

struct TLiteralCase {
  const char* name;
  TActionSpec action;
  TArgv expected;
};

const TLiteralCase kLiteralCases[] = {
    {"path names",
     {"CC_CHECKOUT",
      {{"UseDefaultViewContext", "true"},
       {"PathNameStorageString",
        "src/$(touch $ROOT/pwned).c\r\nsrc/`touch $ROOT/pwned`\r\nsrc/a.c;touch $ROOT/pwned\r\n"
        "src/a.c | touch $ROOT/pwned\r\nsrc/a.c&touch $ROOT/pwned\r\nsrc/a.c>$ROOT/pwned\r\n"}}},
     {"checkout", "-nc", "-nquery", "src/$(touch $ROOT/pwned).c", "src/`touch $ROOT/pwned`",
      "src/a.c;touch $ROOT/pwned", "src/a.c | touch $ROOT/pwned", "src/a.c&touch $ROOT/pwned",
      "src/a.c>$ROOT/pwned"}},
    {"comment over several lines, from a variable",
     {"CC_CHECKOUT",
      {{"UseDefaultViewContext", "true"},
       {"PathNameStorageString", "src/a.c\r\n"},
       {"Comment", "%SHELL%\nsecond; line\r\n> third"}}},
     {"checkout", "-c", std::string(kShellText) + "\nsecond; line\r\n> third", "-nquery",
      "src/a.c"}},
    {"generic command's arguments",
     {"CC_GENERIC",
      {{"UseDefaultViewContext", "true"},
       {"Command", "describe"},
       {"Arguments",
        "-short \"$(touch $ROOT/pwned)\" `touch $ROOT/pwned`;touch |cat &x >$ROOT/pwned "
        "\"two\nlines\" a\nb"}}},
     {"describe", "-short", "$(touch $ROOT/pwned)", "`touch", "$ROOT/pwned`;touch", "|cat", "&x",
      ">$ROOT/pwned", "two\nlines", "a\nb"}},
};

using SecurityTest = TConfiguredTest;

TEST_F(SecurityTest, UserTextReachesCleartoolAsLiteralArguments) {
  for (const TLiteralCase& row : kLiteralCases) {
    SCOPED_TRACE(row.name);
    const TRunOutput output = sandbox.Run({row.action}, {}, {{"SHELL", kShellText}});
    const auto journal = sandbox.Journal();
    ASSERT_THAT(journal, SizeIs(1)) << output.out << output.err;  // nothing else ran
    EXPECT_THAT(journal.front().argv, ElementsAreArray(sandbox.Resolved(row.expected)));
    EXPECT_FALSE(fs::exists(sandbox.Path("pwned")));
  }
}

// A symbolic link planted where the config spec goes, pointing at a file of
// the user's, is replaced by a regular file of the user's umask; the user's
// file stays as it was. The host's other writers are proven on their own.
TEST_F(SecurityTest, ConfigSpecOutputReplacesAPlantedLink) {
  const std::string spec = sandbox.Path("spec.txt");
  const std::string victim = sandbox.Path("victim.txt");
  WriteText(victim, "precious");
  fs::create_symlink(victim, spec);
  const mode_t old = umask(027);
  const TRunOutput output = sandbox.Run({TActionSpec{
      "CC_GETCONFIGSPEC",
      {{"UseDefaultViewContext", "true"}, {"OutputToFile", "true"}, {"OutputFilePath", spec}}}});
  umask(old);
  EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  EXPECT_EQ(ReadText(victim), "precious");
  struct stat info {};
  ASSERT_EQ(lstat(spec.c_str(), &info), 0);
  EXPECT_TRUE(S_ISREG(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_THAT(ReadText(spec), ::testing::HasSubstr("element * CHECKEDOUT"));
}

}  // namespace
}  // namespace vantry_test
