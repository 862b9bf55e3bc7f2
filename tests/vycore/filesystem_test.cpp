#include "vycore/filesystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "test_support.h"
#include "vycore/platform.h"

namespace {

struct TPathCase {
  std::string path;
  std::string dir;
  std::string name;
};

class PathParts : public testing::TestWithParam<TPathCase> {};

TEST_P(PathParts, SplitDirectoryAndName) {
  EXPECT_EQ(vy::ExtractFileDir(GetParam().path), GetParam().dir);
  EXPECT_EQ(vy::ExtractFileName(GetParam().path), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PathParts,
    testing::Values(TPathCase{"/opt/rational/bin/cleartool", "/opt/rational/bin", "cleartool"},
                    TPathCase{"/cleartool", "/", "cleartool"}, TPathCase{"views//a", "views", "a"},
                    TPathCase{"dir/", "dir", ""}, TPathCase{"cleartool", "", "cleartool"},
                    TPathCase{"", "", ""}));

TEST(Platform, TrailingDelimiter) {
  EXPECT_EQ(vy::IncludeTrailingPathDelimiter("/a"), "/a/");
  EXPECT_EQ(vy::IncludeTrailingPathDelimiter("/a/"), "/a/");
  EXPECT_EQ(vy::IncludeTrailingPathDelimiter(""), "");
}

TEST(Platform, UserConfigDirPrefersXdgThenHome) {
  vytest::TScopedEnv home("HOME", "/home/someone");
  {
    vytest::TScopedEnv xdg("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(vy::UserConfigDir(), "/cfg/vantry");
  }
  vytest::TScopedEnv xdg("XDG_CONFIG_HOME", "");
  EXPECT_EQ(vy::UserConfigDir(), "/home/someone/.config/vantry");
}

TEST(FileSystem, TellsFilesFromDirectories) {
  vytest::TTempDir dir;
  vytest::WriteAll(dir.File("f"), "x");
  const vy::IFileSystem& fs = vy::FileSystem();
  EXPECT_TRUE(fs.FileExists(dir.File("f")));
  EXPECT_FALSE(fs.FileExists(dir.Path()));
  EXPECT_TRUE(fs.DirectoryExists(dir.Path()));
  EXPECT_FALSE(fs.DirectoryExists(dir.File("f")));
  EXPECT_FALSE(fs.FileExists(dir.File("none")));
  EXPECT_FALSE(fs.FileExists(""));
}

TEST(FileSystem, CanBeReplacedByAFake) {
  struct TFake final : vy::IFileSystem {
    bool FileExists(const std::string& p) const override { return p == "C:\\cc\\cleartool.exe"; }
    bool DirectoryExists(const std::string&) const override { return false; }
  } fake;
  vy::SetFileSystem(&fake);
  EXPECT_TRUE(vy::FileSystem().FileExists("C:\\cc\\cleartool.exe"));
  vy::SetFileSystem(nullptr);
  EXPECT_FALSE(vy::FileSystem().FileExists("C:\\cc\\cleartool.exe"));
}

TEST(WriteFileAtomic, ReplacesTheContentAndLeavesNoTemporary) {
  vytest::TTempDir dir;
  const std::string file = dir.File("a.txt");
  std::string error;
  ASSERT_TRUE(vy::WriteFileAtomic(file, std::string("one\0two\r\n", 9), &error)) << error;
  ASSERT_TRUE(vy::WriteFileAtomic(file, "second", &error)) << error;
  std::string content;
  ASSERT_TRUE(vy::ReadFileText(file, content, &error));
  EXPECT_EQ(content, "second");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"a.txt"}));
}

TEST(WriteFileAtomic, FollowsTheUmask) {
  vytest::TTempDir dir;
  const mode_t old = umask(027);
  ASSERT_TRUE(vy::WriteFileAtomic(dir.File("m"), "x", nullptr));
  umask(old);
  struct stat info {};
  ASSERT_EQ(stat(dir.File("m").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(WriteFileAtomic, ReplacesASymbolicLinkInsteadOfFollowingIt) {
  vytest::TTempDir dir;
  vytest::WriteAll(dir.File("target"), "untouched");
  ASSERT_EQ(symlink(dir.File("target").c_str(), dir.File("link").c_str()), 0);
  ASSERT_TRUE(vy::WriteFileAtomic(dir.File("link"), "new", nullptr));
  EXPECT_EQ(vytest::ReadAll(dir.File("target")), "untouched");
  struct stat info {};
  ASSERT_EQ(lstat(dir.File("link").c_str(), &info), 0);
  EXPECT_TRUE(S_ISREG(info.st_mode));
  EXPECT_EQ(vytest::ReadAll(dir.File("link")), "new");
}

TEST(WriteFileAtomic, FailuresNameThePathAndLeaveTheTargetAlone) {
  vytest::TTempDir dir;
  std::string error;
  EXPECT_FALSE(vy::WriteFileAtomic(dir.File("missing/a.txt"), "x", &error));
  EXPECT_NE(error.find("missing/a.txt"), std::string::npos) << error;

  ASSERT_EQ(mkdir(dir.File("sub").c_str(), 0755), 0);
  vytest::WriteAll(dir.File("sub/inner"), "keep");
  EXPECT_FALSE(vy::WriteFileAtomic(dir.File("sub"), "x", &error));  // a folder is not replaced
  EXPECT_EQ(vytest::ReadAll(dir.File("sub/inner")), "keep");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"sub"}));
}

TEST(ReadFileText, ReportsAMissingFile) {
  vytest::TTempDir dir;
  std::string content = "old";
  std::string error;
  EXPECT_FALSE(vy::ReadFileText(dir.File("none"), content, &error));
  EXPECT_EQ(content, "old");
  EXPECT_NE(error.find("none"), std::string::npos);
}

}  // namespace
