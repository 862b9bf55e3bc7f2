#include "clearcase/cleartool/cleartool_output.h"

#include <gtest/gtest.h>

#include "package_fixture.h"

namespace clearcase::test {
namespace {

class CleartoolOutputTest : public cctest::TPackageTest {
 protected:
  TCleartoolSettings Settings(std::int32_t timeoutMs = 5000) const {
    return {cleartool_, timeoutMs, false};
  }
};

TEST_F(CleartoolOutputTest, RunsWithATimeoutNeverBelowTheMinimum) {
  struct Row {
    std::int32_t designTimeout;
    std::int64_t runTimeout;  // 0: no limit
  } rows[] = {{0, 500}, {499, 500}, {500, 500}, {501, 501}, {-1, 0}};
  for (const Row& row : rows) {
    runner_.specs.clear();
    CCGetCleartoolOutput(Settings(row.designTimeout), "lshistory", "-short \"src/b c.c\"",
                         "/views/dev/vobs/src", false);
    ASSERT_EQ(runner_.specs.size(), 1u);
    EXPECT_EQ(runner_.specs[0].timeoutMs, row.runTimeout) << row.designTimeout;
  }
  const vy::TProcessSpec& run = runner_.specs[0];
  EXPECT_EQ(run.program, cleartool_);
  EXPECT_EQ(run.arguments, (vy::TStringList{"lshistory", "-short", "src/b c.c"}));
  EXPECT_EQ(run.workingDirectory, "/views/dev/vobs/src");
}

TEST_F(CleartoolOutputTest, ResultText) {
  struct Row {
    const char* name;
    std::string printed;
    bool sorted;
    std::string expected;
  } rows[] = {
      {"last line without line break", "b\r\na", false, "b\r\na\r\n"},
      {"only the CR of a CR LF breaks a line", "a\rb\r\r\n", false, "a\rb\r\r\n"},
      {"sorted without regard to case", "b\nA\n\nc\na\n", true, "A\r\na\r\nb\r\nc\r\n"},
      {"empty lines dropped, blank lines kept", "\n  \nx\n\r\n", false, "  \r\nx\r\n"},
      {"nothing printed", "", false, ""},
      {"only empty lines", "\n\r\n\n", true, ""},
  };
  for (const Row& row : rows) {
    runner_.printed[{"lsvob"}] = row.printed;
    EXPECT_EQ(CCGetCleartoolOutput(Settings(), "lsvob", "", "", row.sorted), row.expected)
        << row.name;
  }
}

// Failed runs are the fault suite's; here the failures no process shows.
TEST_F(CleartoolOutputTest, ExceptionOrMissingProgramGivesEmptyText) {
  runner_.printed[{"lsvob"}] = "/vobs/src\n";
  runner_.throws = true;
  EXPECT_EQ(CCGetCleartoolOutput(Settings(), "lsvob", "", "", false), "");
  runner_.specs.clear();
  for (const char* path : {"", "/nowhere/cleartool"}) {
    EXPECT_EQ(CCGetCleartoolOutput({path, 5000, false}, "lsvob", "", "", false), "") << path;
  }
  EXPECT_TRUE(runner_.specs.empty());
}

}  // namespace
}  // namespace clearcase::test
