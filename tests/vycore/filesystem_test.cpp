#include "vycore/filesystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "test_support.h"
#include "vycore/ini.h"
#include "vycore/options_store.h"
#include "vycore/platform.h"

namespace {

TEST(PathParts, SplitDirectoryAndName) {
  const struct {
    std::string path;
    std::string dir;
    std::string name;
  } cases[] = {
      {"/opt/rational/bin/cleartool", "/opt/rational/bin", "cleartool"},
      {"/cleartool", "/", "cleartool"},
      {"views//a", "views", "a"},
      {"dir/", "dir", ""},
      {"cleartool", "", "cleartool"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(vy::ExtractFileDir(c.path), c.dir) << c.path;
    EXPECT_EQ(vy::ExtractFileName(c.path), c.name) << c.path;
  }
}

TEST(Platform, PerUserFilesFollowTheEnvironment) {
  vytest::TScopedEnv home("HOME", "/home/someone");
  vytest::TScopedEnv noXdg("XDG_CONFIG_HOME", "");
  EXPECT_EQ(vy::UserConfigDir(), "/home/someone/.config/vantry");
  vytest::TScopedEnv xdg("XDG_CONFIG_HOME", "/cfg");
  EXPECT_EQ(vy::UserConfigDir(), "/cfg/vantry");
  EXPECT_EQ(vy::TVyOptionsStore::DefaultPath(), "/cfg/vantry/options.xml");
  EXPECT_EQ(vy::GetVyUserIniFileName(), "/cfg/vantry/user.ini");
  vytest::TScopedEnv options("VANTRY_OPTIONS", "/tmp/mine.xml");
  vytest::TScopedEnv ini("VANTRY_USER_INI", "/tmp/mine.ini");
  EXPECT_EQ(vy::TVyOptionsStore::DefaultPath(), "/tmp/mine.xml");
  EXPECT_EQ(vy::GetVyUserIniFileName(), "/tmp/mine.ini");
}

// Failures name the path, leave the target alone and leave no temporary.
TEST(FileSystem, WriteFileAtomicReplacesTheContentOrFailsLosingNothing) {
  vytest::TTempDir dir;
  const std::string file = dir.File("a.txt");
  std::string error;
  ASSERT_TRUE(vy::WriteFileAtomic(file, std::string("one\0two\r\n", 9), &error)) << error;
  ASSERT_TRUE(vy::WriteFileAtomic(file, "second", &error)) << error;
  std::string content;
  ASSERT_TRUE(vy::ReadFileText(file, content, &error));
  EXPECT_EQ(content, "second");

  EXPECT_FALSE(vy::WriteFileAtomic(dir.File("missing/a.txt"), "x", &error));
  EXPECT_NE(error.find("missing/a.txt"), std::string::npos) << error;
  EXPECT_FALSE(vy::ReadFileText(dir.File("none"), content, &error));
  EXPECT_EQ(content, "second");
  EXPECT_NE(error.find("none"), std::string::npos);
  ASSERT_EQ(mkdir(dir.File("sub").c_str(), 0755), 0);
  vytest::WriteAll(dir.File("sub/inner"), "keep");
  EXPECT_FALSE(vy::WriteFileAtomic(dir.File("sub"), "x", &error));  // a folder is not replaced
  EXPECT_EQ(vytest::ReadAll(dir.File("sub/inner")), "keep");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"a.txt", "sub"}));
  const vy::IFileSystem& fs = vy::FileSystem();
  EXPECT_TRUE(fs.FileExists(file));
  EXPECT_FALSE(fs.FileExists(dir.File("sub")));
  EXPECT_FALSE(fs.FileExists(""));
  EXPECT_TRUE(fs.DirectoryExists(dir.File("sub")));
  EXPECT_FALSE(fs.DirectoryExists(file));
}

}  // namespace
