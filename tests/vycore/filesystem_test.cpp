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

// Every file the host writes gets the user's umask and replaces a symbolic
// link planted at its path instead of writing through it. The INI file, the
// options store and project files are saved atomically.
TEST(FileWriters, ReplaceAPlantedLinkWithAFileOfTheUsersUmask) {
  for (const bool atomic : {false, true}) {
    SCOPED_TRACE(atomic ? "atomic save" : "output file");
    vytest::TTempDir dir;
    const std::string target = dir.File("target");
    vytest::WriteAll(dir.File("victim"), "precious");
    ASSERT_EQ(symlink(dir.File("victim").c_str(), target.c_str()), 0);
    const mode_t old = umask(027);
    EXPECT_TRUE(atomic ? vy::WriteFileAtomic(target, "new", nullptr)
                       : WriteThroughOpenFile(target));
    umask(old);
    EXPECT_EQ(vytest::ReadAll(dir.File("victim")), "precious");
    struct stat info {};
    ASSERT_EQ(lstat(target.c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"target", "victim"}));
  }
}

}  // namespace
