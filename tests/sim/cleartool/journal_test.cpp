// The journal: exact argv, working directory and status, read back by ReadJournal.
#include <gtest/gtest.h>

#include "sim/cleartool/journal.h"
#include "support.h"

namespace ctsim::test {
namespace {

TEST(Journal, RoundTripsAwkwardArguments) {
  WorldCopy world("demo.xml");
  std::string journal = world.Path("journal.jsonl");
  EXPECT_TRUE(ReadJournal(journal).empty());
  std::vector<std::vector<std::string>> argvs = {
      {"describe", "a \"quoted\" \\ path", "tab\there", "line\nbreak", ""},
      {"ls", "$(rm -rf /); `x` | & > ;", std::string("nul\0byte", 8), "\xff\xfe\x80"},
  };
  for (const auto& argv : argvs) {
    AppendJournal(journal, {world.dir(), argv, 7}, true);
  }
  AppendJournal(journal, {"/x", {"lsvob"}, 0}, false);
  std::vector<JournalEntry> entries = ReadJournal(journal);
  ASSERT_EQ(entries.size(), argvs.size() + 1);
  for (size_t i = 0; i < argvs.size(); ++i) {
    EXPECT_EQ(entries[i].argv, argvs[i]);
    EXPECT_EQ(entries[i].cwd, world.dir());
    EXPECT_EQ(entries[i].status, 7);
  }
  EXPECT_EQ(entries.back().status, -1);
  EXPECT_NE(ReadAll(journal).find("\"status\":null}"), std::string::npos);
  WriteAll(journal, "{\"cwd\":\"/\",\"argv\":[],\"status\":0}\n{\"cwd\":\n");
  EXPECT_THROW(ReadJournal(journal), std::runtime_error);
}

}  // namespace
}  // namespace ctsim::test
