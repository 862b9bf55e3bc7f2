// Every file the host writes gets the user's umask and replaces a symbolic
// link planted at its path instead of writing through it.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <memory>

#include "test_support.h"
#include "vycore/filesystem.h"
#include "vycore/ini.h"
#include "vycore/options_store.h"
#include "vycore/project.h"

namespace {

struct TWriter {
  const char* name;
  std::function<bool(const std::string& path)> write;
};

bool WriteThroughOpenFile(const std::string& path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(vy::OpenFileForWriting(path),
                                                             std::fclose);
  return file && std::fputs("new", file.get()) >= 0;
}

const TWriter kWriters[] = {
    {"output file", WriteThroughOpenFile},
    {"atomic save",
     [](const std::string& path) { return vy::WriteFileAtomic(path, "new", nullptr); }},
    {"INI",
     [](const std::string& path) { return vy::IniWriteString(path, "Section", "Key", "v"); }},
    {"options store",
     [](const std::string& path) {
       vy::TVyOptionsStore store;
       return store.Save(nullptr, path);
     }},
    {"project", [](const std::string& path) { return vy::SaveProject(path, {}, nullptr); }},
};

TEST(FileWriters, ReplaceAPlantedLinkWithAFileOfTheUsersUmask) {
  for (const TWriter& writer : kWriters) {
    SCOPED_TRACE(writer.name);
    vytest::TTempDir dir;
    vytest::WriteAll(dir.File("victim"), "precious");
    ASSERT_EQ(symlink(dir.File("victim").c_str(), dir.File("target").c_str()), 0);
    const mode_t old = umask(027);
    EXPECT_TRUE(writer.write(dir.File("target")));
    umask(old);
    EXPECT_EQ(vytest::ReadAll(dir.File("victim")), "precious");
    struct stat info {};
    ASSERT_EQ(lstat(dir.File("target").c_str(), &info), 0);
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
