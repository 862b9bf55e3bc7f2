// The journal: exact argv, working directory and status, read back by ReadJournal.
#include <gtest/gtest.h>

#include "sim/cleartool/journal.h"
#include "support.h"

namespace ctsim::test {
namespace {

TEST(Journal, RoundTripsAwkwardArguments) {
  WorldCopy world("demo.xml");
  std::string journal = world.Path("journal.jsonl");
  std::vector<std::vector<std::string>> argvs = {
      {"lsvob", "-short"},
      {"describe", "a \"quoted\" \\ path", "tab\there", "line\nbreak"},
      {"ls", "$(rm -rf /); `x` | & > ;", std::string("nul\0byte", 8)},
      {"ls", "caf\xc3\xa9", "\xff\xfe\x80"},
      {"ls", ""},
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
  EXPECT_NE(ReadFile(journal).find("\"status\":null}"), std::string::npos);
}

TEST(Journal, MissingFileIsEmptyAndBadLineThrows) {
  WorldCopy world("demo.xml");
  EXPECT_TRUE(ReadJournal(world.Path("none.jsonl")).empty());
  WriteFile(world.Path("bad.jsonl"), "{\"cwd\":\"/\",\"argv\":[],\"status\":0}\n{\"cwd\":\n");
  EXPECT_THROW(ReadJournal(world.Path("bad.jsonl")), std::runtime_error);
}

TEST(Journal, TheProgramRecordsEachRun) {
  WorldCopy world("demo.xml");
  std::string journal = world.Path("journal.jsonl");
  std::map<std::string, std::string> env = {{"CLEARTOOL_SIM_WORLD", world.world()},
                                            {"CLEARTOOL_SIM_JOURNAL", journal}};
  std::string src = world.Path("views/snap_view/vobs/src/src");
  RunProgram({"checkout", "-c", "fix \"it\"", "-nquery", "b c.c"}, src, env);
  RunProgram({"checkout", "-nc", "missing.c"}, src, env);
  std::vector<JournalEntry> entries = ReadJournal(journal);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].cwd, src);
  EXPECT_EQ(entries[0].argv,
            (std::vector<std::string>{"checkout", "-c", "fix \"it\"", "-nquery", "b c.c"}));
  EXPECT_EQ(entries[0].status, 0);
  EXPECT_EQ(entries[1].status, 1);
}

}  // namespace
}  // namespace ctsim::test
