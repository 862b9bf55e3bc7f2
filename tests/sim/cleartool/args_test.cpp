// Option parsing, fault lists and the journal: its JSON escaping, and the
// exact argv, working directory and status read back by ReadJournal. The
// end-to-end runs read back quotes, backslashes, blanks, line breaks and
// what a shell would run, and a run that never ended.
#include <gtest/gtest.h>

#include "sim/cleartool/args.h"
#include "sim/cleartool/fault.h"
#include "sim/cleartool/journal.h"
#include "sim/cleartool/text.h"
#include "sim/cleartool/world.h"
#include "support.h"

namespace ctsim::test {
namespace {

TEST(ParseArgs, MatchesOptionsAndOperands) {
  struct Case {
    const char* command;
    std::vector<std::string> rest;
    std::vector<std::string> flags;
    std::vector<std::pair<std::string, std::string>> values;
    std::vector<std::string> operands;
  } cases[] = {
      {"checkout", {"-comment", "x", "-ncomment", "a.c"}, {"-nc"}, {{"-c", "x"}}, {"a.c"}},
      // A value is taken as it comes, even when it looks like an option.
      {"chstream", {"-recommended", "-default", "s"}, {}, {{"-recommended", "-default"}}, {"s"}},
      {"lock", {"-nusers", "", "-nc", "x"}, {"-nc"}, {{"-nusers", ""}}, {"x"}},
      {"ls", {"-", "x"}, {}, {}, {"-", "x"}},
  };
  for (const Case& c : cases) {
    Args args = ParseArgs(*FindCommand(c.command), c.rest);
    EXPECT_EQ(args.flags, c.flags) << c.command;
    EXPECT_EQ(args.values, c.values) << c.command;
    EXPECT_EQ(args.operands, c.operands) << c.command;
  }
}

TEST(Faults, ParseListsAndLimits) {
  std::vector<Fault> faults = ParseFaults("lsvob=hang, slow:20,co=exit:3");
  ASSERT_EQ(faults.size(), 3u);
  EXPECT_EQ(faults[1].amount, 20);
  EXPECT_EQ(FaultsFor(faults, "checkout").size(), 2u);  // alias "co" and the global one
  EXPECT_EQ(FaultsFor(faults, "lstype").size(), 1u);
  for (const char* bad : {"exit", "exit:x", "hang:3", "boom", "slow:-1"}) {
    EXPECT_THROW(ParseFaults(bad), CtError) << bad;
  }
}

TEST(JsonString, EscapesControlsAndInvalidBytes) {
  struct Case {
    std::string in;
    std::string out;
  } cases[] = {
      {std::string("q\"\\\n\r\t\0", 7), R"("q\"\\\n\r\t\u0000")"},
      {"caf\xc3\xa9", "\"caf\xc3\xa9\""},  // valid UTF-8 stays
      // A stray byte, a truncated sequence and a surrogate.
      {"\xff\xc3(\xed\xa0\x80", R"("\u00ff\u00c3(\u00ed\u00a0\u0080")"},
  };
  for (const Case& c : cases) EXPECT_EQ(JsonString(c.in), c.out);
}

TEST(Journal, RoundTripsAwkwardArguments) {
  WorldCopy world("demo.xml");
  const std::string journal = world.Path("journal.jsonl");
  EXPECT_TRUE(ReadJournal(journal).empty());
  const std::vector<std::string> argv = {"ls", "", "\xff\xfe\x80", "caf\xc3\xa9"};
  AppendJournal(journal, {world.Dir(), argv, 7}, true);
  const std::vector<JournalEntry> entries = ReadJournal(journal);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].argv, argv);
  EXPECT_EQ(entries[0].cwd, world.Dir());
  EXPECT_EQ(entries[0].status, 7);
  WriteAll(journal, "{\"cwd\":\"/\",\"argv\":[],\"status\":0}\n{\"cwd\":\n");
  EXPECT_THROW(ReadJournal(journal), std::runtime_error);
}

}  // namespace
}  // namespace ctsim::test
