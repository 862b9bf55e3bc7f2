#include "page_fixture.h"

#include <stdlib.h>

#include <filesystem>

#include "sim/cleartool/journal.h"
#include "vycore/process.h"

namespace cctest {

void TPageTest::SetUp() {
  TPackageTest::SetUp();
  // Every browser records its call and answers browseAnswer_, or cancels.
  const auto answer = [this](TBrowseCall call, std::string& chosen) {
    browseCalls_.push_back(std::move(call));
    if (!browseAnswer_.empty()) chosen = browseAnswer_;
    return !browseAnswer_.empty();
  };
  vy::SetVyBrowsers(
      [answer](const std::string& initial, std::string& directory, const std::string& caption) {
        return answer({"directory", initial, caption, {}, 0, {}}, directory);
      },
      [answer](const std::string& initial, std::string& file, const std::string& pattern,
               const std::string& caption) {
        return answer({"file", initial, caption, pattern, 0, {}}, file);
      });
  vy::SetVySaveFileBrowser([answer](const vy::TVySaveFileRequest& request, std::string& file) {
    return answer({"save", request.initialDir, request.title, request.filter, request.filterIndex,
                   request.fileName},
                  file);
  });
}

void TPageTest::TearDown() {
  vy::SetVySaveFileBrowser(nullptr);
  vy::SetVyScreenCursorHandler(nullptr);
  ::unsetenv("CLEARTOOL_SIM_WORLD");
  ::unsetenv("CLEARTOOL_SIM_JOURNAL");
  TPackageTest::TearDown();
}

void TPageTest::UseStandIn(const std::string& world) {
  namespace fs = std::filesystem;
  world_ = MakeDir("world") + "/" + world + ".xml";
  fs::copy_file(fs::path(VANTRY_SOURCE_DIR) / "examples/worlds" / (world + ".xml"), world_,
                fs::copy_options::overwrite_existing);
  ::setenv("CLEARTOOL_SIM_WORLD", world_.c_str(), 1);
  ::setenv("CLEARTOOL_SIM_JOURNAL", Path("world/journal.jsonl").c_str(), 1);
  vy::SetProcessRunner(nullptr);
  Options().SetClearToolPath(CLEARTOOL_SIM_PATH);
}

std::vector<std::vector<std::string>> TPageTest::StandInRuns() const {
  std::vector<std::vector<std::string>> runs;
  if (!std::filesystem::exists(Path("world/journal.jsonl"))) return runs;
  for (const ctsim::JournalEntry& entry : ctsim::ReadJournal(Path("world/journal.jsonl")))
    runs.push_back(entry.argv);
  return runs;
}

int TPageTest::CountRuns(const std::string& subcommand) const {
  int count = 0;
  for (const auto& argv : StandInRuns())
    if (!argv.empty() && argv[0] == subcommand) ++count;
  return count;
}

}  // namespace cctest
