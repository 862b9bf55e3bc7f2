// Helpers for the runner's end-to-end tests: a sandbox folder with its own
// home, options store, copy of the demo world and journal, and the vantry
// program started in it as a child process.
#pragma once

#include <gtest/gtest.h>

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "sim/cleartool/journal.h"
#include "test_support.h"

namespace vantry_test {

struct TRunOutput {
  int exitCode = -1;  // -1 when the program did not exit normally
  long maxRssKb = 0;  // peak resident memory of vantry and of the programs it waited for
  std::string out;
  std::string err;
};

using TArgv = std::vector<std::string>;

// One property (name, value) of an action in a generated project.
using TProperty = std::pair<std::string, std::string>;

struct TActionSpec {
  std::string type;
  std::vector<TProperty> properties;
  std::string description = "";
  bool enabled = true;
};

class TSandbox {
 public:
  TSandbox();  // a fresh temporary folder holding a copy of the demo world

  const std::string& Root() const { return root_; }
  std::string Path(const std::string& relative) const { return root_ + "/" + relative; }
  // The folder of the demo's dynamic view in which element paths such as
  // "src/a.c" resolve.
  std::string ViewPath() const { return Path("views/dev_view/vobs/src"); }
  std::string OptionsFile() const { return Path("options.xml"); }
  std::string JournalFile() const { return Path("journal.jsonl"); }

  // Extra (or replaced) environment variables of the children.
  void SetEnv(const std::string& name, const std::string& value) { env_[name] = value; }
  void UnsetEnv(const std::string& name) { env_.erase(name); }

  // The environment entry that marks the stand-in runs of this sandbox.
  std::string WorldEntry() const { return "CLEARTOOL_SIM_WORLD=" + env_.at("CLEARTOOL_SIM_WORLD"); }

  // Where vantry's standard output and error go.
  enum class TStreams {
    Apart,     // out and err each into their own file
    Together,  // both into `out`, in the order written
    Terminal,  // both into `out` through a pseudo-terminal
  };
  // Puts the demo world back as it was before any command changed it.
  void ResetWorld() const;
  // Runs vantry in Root() with the sandbox's environment.
  TRunOutput Vantry(const std::vector<std::string>& arguments,
                    TStreams streams = TStreams::Apart) const;
  // The same in two steps: start it, then wait for it and collect its output;
  // `terminal` receives the pseudo-terminal's controlling side when the
  // streams go there.
  pid_t Start(const std::vector<std::string>& arguments, TStreams streams = TStreams::Apart,
              int* terminal = nullptr) const;
  TRunOutput Finish(pid_t pid, TStreams streams = TStreams::Apart, int terminal = -1) const;
  // Runs a bash script (with -euo pipefail) in `dir` with the sandbox's environment.
  TRunOutput Shell(const std::string& script, const std::string& dir) const;
  // Points the options at the stand-in and at ViewPath() as default view.
  void ConfigureOptions() const;
  // Writes a project file with these variables and actions under Root() and
  // returns its path; "$ROOT" and "$VIEW" in their values are resolved first.
  std::string WriteProject(const std::string& name, const std::vector<TProperty>& variables,
                           const std::vector<TActionSpec>& actions) const;
  // Runs project.xml with these actions and variables, into a fresh journal.
  TRunOutput Run(const std::vector<TActionSpec>& actions,
                 const std::vector<std::string>& flags = {},
                 const std::vector<TProperty>& variables = {}) const;
  // The text with "$ROOT" standing for Root() and "$VIEW" for ViewPath().
  std::string Resolved(std::string text) const;
  std::vector<std::string> Resolved(std::vector<std::string> texts) const;
  std::vector<ctsim::JournalEntry> Journal() const { return ctsim::ReadJournal(JournalFile()); }

 private:
  // Starts a program with the sandbox's environment.
  pid_t Spawn(std::vector<std::string> argv, const std::string& dir, TStreams streams,
              int* terminal) const;

  vytest::TTempDir temp_;  // removed with everything in it when the sandbox goes
  std::string root_;
  std::map<std::string, std::string> env_;
};

// A sandbox whose options point at the stand-in and at its default view.
class TConfiguredTest : public ::testing::Test {
 protected:
  void SetUp() override { sandbox_.ConfigureOptions(); }

  TSandbox sandbox_;
};

// Runs vantry with these arguments and expects it to refuse them as bad
// usage: exit code 2, nothing on standard output, `message` on standard error.
void ExpectBadUsage(const TSandbox& sandbox, const std::vector<std::string>& arguments,
                    const std::string& message);

using vytest::ReadAll;
using vytest::WriteAll;
// How often `part` occurs in `text`, overlaps included.
std::size_t Count(const std::string& text, const std::string& part);

}  // namespace vantry_test
