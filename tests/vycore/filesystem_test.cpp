#include "vycore/filesystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "test_support.h"
#include "vycore/ini.h"
#include "vycore/platform.h"

namespace {

bool WriteThroughOpenFile(const std::string& path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(vy::OpenFileForWriting(path),
                                                             std::fclose);
  return file && std::fputs("new", file.get()) >= 0;
}

// The options store under XDG_CONFIG_HOME or VANTRY_OPTIONS is every
// end-to-end run's.
TEST(Platform, PerUserFilesFollowTheEnvironment) {
  vytest::TScopedEnv home("HOME", "/home/someone");
  vytest::TScopedEnv noXdg("XDG_CONFIG_HOME", "");
  EXPECT_EQ(vy::UserConfigDir(), "/home/someone/.config/vantry");
  vytest::TScopedEnv xdg("XDG_CONFIG_HOME", "/cfg");
  EXPECT_EQ(vy::GetVyUserIniFileName(), "/cfg/vantry/user.ini");
  vytest::TScopedEnv ini("VANTRY_USER_INI", "/tmp/mine.ini");
  EXPECT_EQ(vy::GetVyUserIniFileName(), "/tmp/mine.ini");
}

// Failures name the path, leave the target alone and leave no temporary.
// Which paths are files or folders shows in finding cleartool and the views.
TEST(FileSystem, AtomicWritesReplaceTheContentOrFailLosingNothing) {
  vytest::TTempDir dir;
  const std::string file = dir.File("a.txt");
  const std::string content("one\0two\r\n", 9);
  vytest::WriteAll(file, "older and longer");
  std::string error;
  ASSERT_TRUE(vy::WriteFileAtomic(file, content, &error)) << error;
  EXPECT_EQ(vytest::ReadAll(file), content);

  EXPECT_FALSE(vy::WriteFileAtomic(dir.File("missing/a.txt"), "x", &error));
  EXPECT_NE(error.find("missing/a.txt"), std::string::npos) << error;
  ASSERT_EQ(mkdir(dir.File("sub").c_str(), 0755), 0);
  vytest::WriteAll(dir.File("sub/inner"), "keep");
  EXPECT_FALSE(vy::WriteFileAtomic(dir.File("sub"), "x", &error));  // a folder is not replaced
  EXPECT_EQ(vytest::ReadAll(dir.File("sub/inner")), "keep");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"a.txt", "sub"}));
}

// Both writers write through a symbolic link to the file it leads to, which
// keeps its permissions, as a shell's ">" or an editor does; a new file gets
// the user's umask. Refusing a read-only file is the options command's test.
TEST(FileWriters, WriteThroughLinksKeepingPermissions) {
  for (const bool atomic : {false, true}) {
    SCOPED_TRACE(atomic ? "atomic save" : "output file");
    vytest::TTempDir dir;
    const auto write = [atomic](const std::string& path) {
      return atomic ? vy::WriteFileAtomic(path, "new", nullptr) : WriteThroughOpenFile(path);
    };
    vytest::WriteAll(dir.File("real"), "older and longer");
    ASSERT_EQ(chmod(dir.File("real").c_str(), 0600), 0);
    ASSERT_EQ(symlink("real", dir.File("link").c_str()), 0);
    EXPECT_TRUE(write(dir.File("link")));
    EXPECT_EQ(vytest::ReadAll(dir.File("real")), "new");
    struct stat info {};
    ASSERT_EQ(lstat(dir.File("link").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(stat(dir.File("real").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const mode_t old = umask(027);
    EXPECT_TRUE(write(dir.File("fresh")));
    umask(old);
    ASSERT_EQ(stat(dir.File("fresh").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"fresh", "link", "real"}));
  }
}

// Names match in any letter case; a write keeps the other sections and makes
// the file's folder; reading writes nothing. A Boolean and a string read back
// are the object selector's and the last view folder's tests.
TEST(Ini, WritesKeepOtherValuesAndBooleansAreDigits) {
  vytest::TTempDir dir;
  const std::string file = dir.File("sub/user.ini");
  EXPECT_EQ(vy::IniReadString(file, "S", "K", "d"), "d");
  EXPECT_TRUE(dir.Entries().empty());
  ASSERT_TRUE(vy::IniWriteBool(file, "S", "On", true));
  ASSERT_TRUE(vy::IniWriteString(file, "Other", "K", "other"));
  ASSERT_TRUE(vy::IniWriteBool(file, "s", "ON", false));
  EXPECT_EQ(vytest::ReadAll(file).rfind("[S]\nOn=0\n", 0), 0u) << vytest::ReadAll(file);
  EXPECT_EQ(vy::IniReadString(file, "other", "k", ""), "other");
}

// Each read sees the file as it is now.
TEST(Ini, BooleansAreReadInSeveralSpellings) {
  vytest::TTempDir dir;
  const std::string file = dir.File("user.ini");
  const struct {
    const char* text;
    bool fallback;
    bool expected;
  } cases[] = {{"TRUE", false, true},  {"false", true, false},  {"no", true, false},
               {" yes ", false, true}, {"perhaps", true, true}, {"perhaps", false, false},
               {"", true, true},       {"2", false, false},     {"on", false, false}};
  for (const auto& c : cases) {
    vytest::WriteAll(file, std::string("[S]\nK=") + c.text + "\n");
    EXPECT_EQ(vy::IniReadBool(file, "S", "K", c.fallback), c.expected) << '"' << c.text << '"';
  }
}

// A write that cannot be made loses nothing.
TEST(Ini, StringsComeBackExactly) {
  vytest::TTempDir dir;
  const std::string file = dir.File("user.ini");
  for (const std::string value :
       {"", " lead", "trail\t", "\"quoted\"", "\"", "a \"b\" c", "x=y;z #w", "C:\\views\\v1"}) {
    ASSERT_TRUE(vy::IniWriteString(file, "S", "K", value)) << value;
    EXPECT_EQ(vy::IniReadString(file, "S", "K", "default"), value);
  }
  const std::string before = vytest::ReadAll(file);
  EXPECT_FALSE(vy::IniWriteString(dir.Path(), "S", "K", "w"));  // a folder, not a file
  EXPECT_FALSE(vy::IniWriteString(file, "S", "K", "two\r\nlines"));
  EXPECT_EQ(vytest::ReadAll(file), before);
}

}  // namespace
