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
  std::vector<std::vector<std::string>> runs;  // the argv of each run after cleartool's name
  std::string directory = "";                  // empty: the folder of cleartool
};

class QueryTest : public cctest::TPackageTest {
 protected:
  void ExpectRuns(const std::vector<CommandRow>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      runner_.starts.clear();
      rows[i].query();
      std::vector<std::vector<std::string>> runs;
      for (const vy::TProcessSpec& start : runner_.starts) runs.push_back(start.arguments);
      EXPECT_EQ(runs, rows[i].runs) << "row " << i;
      const std::string directory = rows[i].directory.empty() ? Path("bin") : rows[i].directory;
      if (!runner_.starts.empty()) {
        EXPECT_EQ(runner_.starts[0].workingDirectory, directory) << "row " << i;
      }
    }
  }
};

}  // namespace clearcase::test
