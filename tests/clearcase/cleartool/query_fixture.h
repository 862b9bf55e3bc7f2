#pragma once
// The query tests run on the package fixture, whose runner plays back
// scripted cleartool output and records every run, so that no process starts.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "package_fixture.h"

namespace clearcase::test {

// One query and the cleartool runs it must make.
struct CommandRow {
  std::function<void()> query;
  std::vector<std::string> runs;  // the arguments of each run, joined by blanks
  std::string directory = "";     // empty: the folder of cleartool
};

class QueryTest : public cctest::TPackageTest {
 protected:
  void ExpectRuns(const std::vector<CommandRow>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      runner_.starts.clear();
      runner_.joined.clear();
      rows[i].query();
      EXPECT_EQ(runner_.joined, rows[i].runs) << "row " << i;
      const std::string directory = rows[i].directory.empty() ? Path("bin") : rows[i].directory;
      if (!runner_.starts.empty()) {
        EXPECT_EQ(runner_.starts[0].workingDirectory, directory) << "row " << i;
      }
    }
  }
};

}  // namespace clearcase::test
