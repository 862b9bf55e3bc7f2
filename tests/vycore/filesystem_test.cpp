#include "vycore/filesystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "test_support.h"
#include "vycore/ini.h"
#include "vycore/options_store.h"
#include "vycore/platform.h"

namespace {

bool WriteThroughOpenFile(const std::string& path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(vy::OpenFileForWriting(path),
                                                             std::fclose);
  return file && std::fputs("new", file.get()) >= 0;
}

TEST(Platform, PerUserFilesFollowTheEnvironment) {
  vytest::TScopedEnv home("HOME", "/home/someone");
  vytest::TScopedEnv noXdg("XDG_CONFIG_HOME", "");
  EXPECT_EQ(vy::UserConfigDir(), "/home/someone/.config/vantry");
  vytest::TScopedEnv xdg("XDG_CONFIG_HOME", "/cfg");
  EXPECT_EQ(vy::TVyOptionsStore::DefaultPath(), "/cfg/vantry/options.xml");
  EXPECT_EQ(vy::GetVyUserIniFileName(), "/cfg/vantry/user.ini");
  vytest::TScopedEnv options("VANTRY_OPTIONS", "/tmp/mine.xml");
  vytest::TScopedEnv ini("VANTRY_USER_INI", "/tmp/mine.ini");
  EXPECT_EQ(vy::TVyOptionsStore::DefaultPath(), "/tmp/mine.xml");
  EXPECT_EQ(vy::GetVyUserIniFileName(), "/tmp/mine.ini");
}

// Failures name the path, leave the target alone and leave no temporary. An
// output file opened for writing starts empty.
TEST(FileSystem, WritersReplaceTheContentOrFailLosingNothing) {
  vytest::TTempDir dir;
  const std::string file = dir.File("a.txt");
  std::string error;
  ASSERT_TRUE(vy::WriteFileAtomic(file, std::string("one\0two\r\n", 9), &error)) << error;
  ASSERT_TRUE(vy::WriteFileAtomic(file, "second", &error)) << error;
  EXPECT_EQ(vytest::ReadAll(file), "second");
  ASSERT_TRUE(WriteThroughOpenFile(file));
  EXPECT_EQ(vytest::ReadAll(file), "new");

  EXPECT_FALSE(vy::WriteFileAtomic(dir.File("missing/a.txt"), "x", &error));
  EXPECT_NE(error.find("missing/a.txt"), std::string::npos) << error;
  ASSERT_EQ(mkdir(dir.File("sub").c_str(), 0755), 0);
  vytest::WriteAll(dir.File("sub/inner"), "keep");
  EXPECT_FALSE(vy::WriteFileAtomic(dir.File("sub"), "x", &error));  // a folder is not replaced
  EXPECT_EQ(vytest::ReadAll(dir.File("sub/inner")), "keep");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"a.txt", "sub"}));
  EXPECT_TRUE(vy::FileSystem().FileExists(file));
  EXPECT_FALSE(vy::FileSystem().FileExists(dir.File("sub")));  // a folder is not a file
  EXPECT_TRUE(vy::FileSystem().DirectoryExists(dir.File("sub")));
}

// Both writers write through a symbolic link to the file it leads to, which
// keeps its permissions, as a shell's ">" or an editor does; a new file gets
// the user's umask. A file nobody may write is not replaced by a save.
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
  vytest::TTempDir dir;
  vytest::WriteAll(dir.File("locked"), "keep");
  ASSERT_EQ(chmod(dir.File("locked").c_str(), 0444), 0);
  std::string error;
  EXPECT_FALSE(vy::WriteFileAtomic(dir.File("locked"), "x", &error));
  EXPECT_NE(error.find("is read-only"), std::string::npos) << error;
  EXPECT_EQ(vytest::ReadAll(dir.File("locked")), "keep");
}

}  // namespace
