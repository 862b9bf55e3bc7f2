// Option parsing, fault lists and the journal's JSON escaping.
#include <gtest/gtest.h>

#include "sim/cleartool/args.h"
#include "sim/cleartool/fault.h"
#include "sim/cleartool/text.h"
#include "sim/cleartool/world.h"

namespace ctsim {
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

// "-co" abbreviates both -comment and -component.
TEST(ParseArgs, RefusesAnAmbiguousAbbreviation) {
  try {
    ParseArgs(*FindCommand("mkbl"), {"-co", "x"});
    ADD_FAILURE() << "-co was taken";
  } catch (const CtError& e) {
    EXPECT_STREQ(e.what(), "Unrecognized option \"-co\"");
  }
}

TEST(FindCommand, KnowsNamesAndAliases) {
  EXPECT_EQ(FindCommand("co"), FindCommand("checkout"));
  EXPECT_EQ(FindCommand("Checkout"), nullptr);
}

TEST(Faults, ParseListsAndLimits) {
  std::vector<Fault> faults = ParseFaults("lsvob=hang, slow:20,co=exit:3");
  ASSERT_EQ(faults.size(), 3u);
  EXPECT_EQ(faults[0].command, "lsvob");
  EXPECT_EQ(faults[0].kind, "hang");
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
      {"q\"b\\", "\"q\\\"b\\\\\""},
      {"a\nb\r\t", "\"a\\nb\\r\\t\""},
      {std::string("nul\0x", 5), "\"nul\\u0000x\""},
      {"caf\xc3\xa9", "\"caf\xc3\xa9\""},             // valid UTF-8 stays
      {"\xff\xfe", "\"\\u00ff\\u00fe\""},             // invalid bytes
      {"\xc3(", "\"\\u00c3(\""},                      // truncated sequence
      {"\xed\xa0\x80", "\"\\u00ed\\u00a0\\u0080\""},  // surrogate
  };
  for (const Case& c : cases) EXPECT_EQ(JsonString(c.in), c.out);
}

}  // namespace
}  // namespace ctsim
