// Every file the host writes gets the user's umask and replaces a symbolic
// link planted at its path instead of writing through it.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "test_support.h"
#include "vycore/filesystem.h"

namespace {

bool WriteThroughOpenFile(const std::string& path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(vy::OpenFileForWriting(path),
                                                             std::fclose);
  return file && std::fputs("new", file.get()) >= 0;
}

// The INI file, the options store and project files are saved atomically.
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

TEST(OpenFileForWriting, EmptiesAnExistingFileAndReportsAMissingFolder) {
  vytest::TTempDir dir;
  vytest::WriteAll(dir.File("out"), "a much longer old content");
  ASSERT_TRUE(WriteThroughOpenFile(dir.File("out")));
  EXPECT_EQ(vytest::ReadAll(dir.File("out")), "new");
  EXPECT_EQ(vy::OpenFileForWriting(dir.File("missing/out")), nullptr);
  EXPECT_EQ(errno, ENOENT);
}

}  // namespace
