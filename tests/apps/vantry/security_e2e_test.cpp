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
     Action(
         "CC_CHECKOUT",
         {{"UseDefaultViewContext", "true"},
          {"PathNameStorageString",
           "src/$(touch $ROOT/pwned).c\r\nsrc/`touch $ROOT/pwned`\r\nsrc/a.c;touch $ROOT/pwned\r\n"
           "src/a.c | touch $ROOT/pwned\r\nsrc/a.c&touch $ROOT/pwned\r\nsrc/a.c>$ROOT/pwned\r\n"}}),
     {"checkout", "-nc", "-nquery", "src/$(touch $ROOT/pwned).c", "src/`touch $ROOT/pwned`",
      "src/a.c;touch $ROOT/pwned", "src/a.c | touch $ROOT/pwned", "src/a.c&touch $ROOT/pwned",
      "src/a.c>$ROOT/pwned"}},
    {"comment over two lines",
     Action("CC_CHECKOUT", {{"UseDefaultViewContext", "true"},
                            {"PathNameStorageString", "src/a.c\r\n"},
                            {"Comment", std::string(kShellText) + "\nsecond; line\r\n> third"}}),
     {"checkout", "-c", std::string(kShellText) + "\nsecond; line\r\n> third", "-nquery",
      "src/a.c"}},
    {"comment from a variable",
     Action("CC_CHECKOUT", {{"UseDefaultViewContext", "true"},
                            {"PathNameStorageString", "src/a.c\r\n"},
                            {"Comment", "%SHELL%"}}),
     {"checkout", "-c", kShellText, "-nquery", "src/a.c"}},
    {"generic command's arguments",
     Action("CC_GENERIC",
            {{"UseDefaultViewContext", "true"},
             {"Command", "describe"},
             {"Arguments",
              "-short \"$(touch $ROOT/pwned)\" `touch $ROOT/pwned`;touch |cat &x >$ROOT/pwned "
              "\"two\nlines\" a\nb"}}),
     {"describe", "-short", "$(touch $ROOT/pwned)", "`touch", "$ROOT/pwned`;touch", "|cat", "&x",
      ">$ROOT/pwned", "two\nlines", "a\nb"}},
};

class SecurityTest : public ::testing::Test {
 protected:
  void SetUp() override { sandbox.ConfigureOptions(); }

  std::string Resolved(const std::string& text) const {
    return ReplaceWords(text, {{"$ROOT", sandbox.Root()}});
  }

  TRunOutput Run(TActionSpec action) {
    for (TProperty& property : action.properties) property.value = Resolved(property.value);
    return sandbox.Vantry(
        {"run", sandbox.WriteProject("project.xml", {{"SHELL", Resolved(kShellText)}}, {action})});
  }

  TSandbox sandbox;
};

TEST_F(SecurityTest, UserTextReachesCleartoolAsLiteralArguments) {
  for (const TLiteralCase& row : kLiteralCases) {
    SCOPED_TRACE(row.name);
    std::remove(sandbox.JournalFile().c_str());
    const TRunOutput output = Run(row.action);
    const auto journal = sandbox.Journal();
    ASSERT_THAT(journal, SizeIs(1)) << output.out << output.err;  // nothing else ran
    TArgv expected;
    for (const std::string& argument : row.expected) expected.push_back(Resolved(argument));
    EXPECT_THAT(journal.front().argv, ElementsAreArray(expected));
    EXPECT_FALSE(fs::exists(sandbox.Path("pwned")));
  }
}

TEST_F(SecurityTest, AProjectValueHoldingANulIsRefusedBeforeAnythingRuns) {
  const std::string project = sandbox.Path("nul.xml");
  WriteText(project,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<VantryProject version=\"1\">\n"
            "  <Actions>\n"
            "    <Action type=\"CC_CHECKOUT\" description=\"\" enabled=\"true\">\n"
            "      <Property name=\"PathNameStorageString\" value=\"src/a.c&#0;.bak\"/>\n"
            "    </Action>\n"
            "  </Actions>\n"
            "</VantryProject>\n");
  const TRunOutput output = sandbox.Vantry({"run", project});
  EXPECT_EQ(output.exitCode, 2) << output.out << output.err;
  EXPECT_THAT(output.err, ::testing::HasSubstr("a value holds a NUL character"));
  EXPECT_THAT(sandbox.Journal(), SizeIs(0));
}

// Runs `write` with umask 027 after planting a symbolic link at `target`
// that points at a file of the user's holding `precious`; the link must be
// replaced by a regular file with mode 0640 and the user's file left alone.
template <class Write>
void ExpectLinkReplaced(const TSandbox& sandbox, const std::string& target, Write write,
                        const std::string& precious = "precious") {
  const std::string victim = sandbox.Path("victim.txt");
  WriteText(victim, precious);
  fs::remove(target);
  fs::create_symlink(victim, target);
  const mode_t old = umask(027);
  const TRunOutput output = write();
  umask(old);
  EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  EXPECT_EQ(ReadText(victim), precious);
  struct stat info {};
  ASSERT_EQ(lstat(target.c_str(), &info), 0);
  EXPECT_TRUE(S_ISREG(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(SecurityTest, OptionsStoreReplacesAPlantedLink) {
  // The store is read before it is saved: the link leads to a valid one.
  ExpectLinkReplaced(
      sandbox, sandbox.OptionsFile(),
      [&] {
        return sandbox.Vantry({"options", "set", "CleartoolPath", CLEARTOOL_EXE, "DefaultViewPath",
                               sandbox.ViewPath()});
      },
      "<VantryOptions version=\"1\"/>\n");
  EXPECT_THAT(ReadText(sandbox.OptionsFile()), ::testing::HasSubstr(CLEARTOOL_EXE));
}

TEST_F(SecurityTest, NewProjectReplacesAPlantedLink) {
  const std::string project = sandbox.Path("new.xml");
  ExpectLinkReplaced(sandbox, project, [&] {
    return sandbox.Vantry({"new", project, "CC_CHECKOUT", "--force"});
  });
  EXPECT_THAT(ReadText(project), ::testing::HasSubstr("CC_CHECKOUT"));
}

TEST_F(SecurityTest, ConfigSpecOutputReplacesAPlantedLink) {
  const std::string spec = sandbox.Path("spec.txt");
  ExpectLinkReplaced(sandbox, spec, [&] {
    return Run(Action(
        "CC_GETCONFIGSPEC",
        {{"UseDefaultViewContext", "true"}, {"OutputToFile", "true"}, {"OutputFilePath", spec}}));
  });
  EXPECT_THAT(ReadText(spec), ::testing::HasSubstr("element * CHECKEDOUT"));
}

}  // namespace
}  // namespace vantry_test
