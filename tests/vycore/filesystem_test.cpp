#include "vycore/filesystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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
