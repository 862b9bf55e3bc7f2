// A project that uses every action, and every listing function, run against a
// cleartool that misbehaves in each way the stand-in can act out, or cannot be
// started at all. Whatever cleartool does, vantry says what went wrong in
// words, fails the actions (or answers an empty list), leaves no process
// behind, keeps its memory to the size of the output and writes no file but
// the one the project asks for.

#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "sim/cleartool/live_runs.h"
#include "support.h"

namespace vantry_test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::SizeIs;

// Short where the case waits for the time-out, ample elsewhere: a stand-in
// built with sanitizers takes a good part of a second for a command.
constexpr int kTimeoutMs = 300;
constexpr int kAmpleTimeoutMs = 60000;
constexpr long kFloodBytes = 2'000'000;

// Each action once at least, in an order in which each leaves the demo world
// fit for the next when cleartool behaves. "$VIEW" is the default view,
// "$ROOT" the sandbox.
std::vector<TActionSpec> EveryAction() {
  const TProperty inView{"UseDefaultViewContext", "true"};
  const TProperty fileA{"PathNameStorageString", "src/a.c\r\n"};
  return {
      Action("CC_UPDATE", {{"ViewContextPath", "$ROOT/views/snap_view"}}),
      Action("CC_CHECKOUT", {inView, fileA}),
      Action("CC_FINDCHECKOUTS", {inView, {"WriteToVariable", "true"}, {"VariableName", "found"}}),
      Action("CC_CHECKIN", {inView, fileA, {"Comment", "checked in"}}),
      Action("CC_CHECKOUT", {inView, fileA}),
      Action("CC_UNCHECKOUT", {inView, fileA}),
      Action("UCM_MAKEACTIVITY", {inView,
                                  {"ActivityName", "fix_42"},
                                  {"VOBSelector", "/vobs/pvob"},
                                  {"DontSetAsCurrent", "true"}}),
      Action("UCM_SETACTIVITY",
             {inView, {"ActivityName", "feature_login"}, {"VOBSelector", "/vobs/pvob"}}),
      Action("CC_CHECKOUT", {inView, fileA}),
      Action("UCM_CHECKIN", {{"ViewContextPath", "$VIEW"}, {"UseCurrentActivity", "true"}}),
      Action("CC_CHECKOUT", {inView, fileA}),
      Action("UCM_UNCHECKOUT", {inView}),
      Action("CC_GETCONFIGSPEC",
             {inView, {"OutputToFile", "true"}, {"OutputFilePath", "$ROOT/out/spec.txt"}}),
      Action("CC_SETCONFIGSPEC", {inView}),
      Action("CC_GENERIC",
             {inView, {"Command", "describe"}, {"Arguments", "-short lbtype:REL_1.0@/vobs/src"}}),
      Action("CC_MKELEM",
             {{"PathNameStorageString", "$VIEW/src/new.c\r\n"}, {"Checkout", "ccCheckedIn"}}),
      Action("CC_MKLBTYPE", {{"LabelTypeName", "REL_2.0"}, {"VOBSelector", "/vobs/src"}}),
      Action("CC_LABEL",
             {inView, fileA, {"LabelTypeName", "REL_2.0"}, {"VOBSelector", "/vobs/src"}}),
      Action("CC_MKATTRTYPE", {{"AttributeName", "Coverage"}, {"VOBSelector", "/vobs/src"}}),
      Action("CC_APPLYATTR", {{"AttributeName", "BuildNumber"},
                              {"VOBSelector", "/vobs/src"},
                              {"AttributeValue", "42"},
                              {"PathNameStorageString", "$VIEW/src/a.c\r\n"}}),
      Action("CC_APPLYATTR_OBJ", {{"AttributeName", "Status"},
                                  {"VOBSelector", "/vobs/src"},
                                  {"UseDefaultAttributeValue", "true"},
                                  {"ObjectsStorageString", "lbtype:REL_1.0@/vobs/src\r\n"}}),
      Action("CC_LOCK", {inView, {"PathNameStorageString", "src/b c.c\r\n"}}),
      Action("CC_UNLOCK", {inView, {"PathNameStorageString", "src/b c.c\r\n"}}),
      Action("CC_LOCK_OBJ", {{"ObjectsStorageString", "lbtype:REL_1.0@/vobs/src\r\n"}}),
      Action("CC_UNLOCK_OBJ", {{"ObjectsStorageString", "lbtype:REL_0.9@/vobs/src\r\n"}}),
      Action("UCM_MAKEBL", {inView,
                            {"SelectionType", "slComponents"},
                            {"ComponentSelectorStorageString", "comp_core@/vobs/pvob\r\n"},
                            {"BaselineRootName", "BL_42"}}),
      Action("UCM_MAKEBL_LABEL", {inView,
                                  {"SpecifyComponents", "true"},
                                  {"ComponentSelectorStorageString", "comp_core@/vobs/pvob\r\n"},
                                  {"LabelTypeName", "REL_1.1"},
                                  {"VOBSelector", "/vobs/src"}}),
      Action("CC_CHANGEBASELINE", {{"AssignLevel", "true"},
                                   {"PromotionLevel", "TESTED"},
                                   {"Baseline", "BL_2"},
                                   {"ProjectVOB", "/vobs/pvob"}}),
      Action("CC_CHANGESTREAM", {{"ChangeRecommended", "true"},
                                 {"RecommendDefaults", "true"},
                                 {"StreamName", "dev_alice"},
                                 {"VOBSelector", "/vobs/pvob"}}),
  };
}

struct TQuery {
  std::vector<std::string> arguments;  // the function and its arguments
  std::string nothing;                 // the answer when cleartool fails
};

// Every listing function with arguments that name things of the demo world.
std::vector<TQuery> EveryQuery(const std::string& view) {
  const std::string pvob = "/vobs/pvob";
  return {
      {{"CCGetVOBNames"}, ""},
      {{"CCGetPVOBNames"}, ""},
      {{"CCGetTypeNames", "lbtype", "/vobs/src"}, ""},
      {{"CCGetLabelNames", "/vobs/src"}, ""},
      {{"CCGetAllTypeNames", "stream"}, ""},
      {{"CCGetPoolsForVob", "/vobs/src"}, ""},
      {{"CCGetStoragePoolsForVOB", "/vobs/src"}, ""},
      {{"CCGetHistory", "src/a.c", view}, ""},
      {{"CCGetLS", view + "/docs"}, ""},
      {{"CCDescribeObject", "lbtype:REL_1.0@/vobs/src"}, ""},
      {{"CCGetAttributeType", "BuildNumber@/vobs/src"}, ""},
      {{"CCGetClearCaseInstalledType"}, "ccUnknown\r\n"},
      {{"CCGetUCMActivitiesForVOB", pvob}, ""},
      {{"CCGetUCMComponentsForVOB", pvob}, ""},
      {{"CCGetUCMFoldersForVOB", pvob}, ""},
      {{"CCGetUCMStreamsForVOB", pvob}, ""},
      {{"CCGetUCMProjectsForVOB", pvob}, ""},
      {{"CCGetUCMComponentsForView", view}, ""},
      {{"CCGetUCMStreamsForProject", "webshop", pvob}, ""},
      {{"CCGetUCMActivitiesForStream", "dev_alice", pvob}, ""},
      {{"CCGetUCMActivitiesForProject", "webshop", pvob}, ""},
      {{"CCGetUCMActivities", view}, ""},
      {{"CCGetUCMComponentsForStream", "dev_alice", pvob}, ""},
      {{"CCGetUCMComponentsForProject", "webshop", pvob}, ""},
      {{"CCGetUCMPromoLevelsForPVOB", pvob}, ""},
      {{"CCGetUCMBaselinesForStream", "webshop_int", pvob}, ""},
      {{"CCGetUCMBaselinesForProject", "webshop", pvob}, ""},
      {{"CCGetUCMBaselinesForVOB", pvob}, ""},
      {{"CCGetAllUCMComponents"}, ""},
  };
}

enum class TProgram { Healthy, Missing, NotExecutable };

struct TFaultCase {
  const char* name;
  const char* fault;  // CLEARTOOL_SIM_FAULT, applied to every command
  TProgram program;
  // The reason every action fails with; nullptr when cleartool ends well.
  const char* failure;
  bool cleartoolActs;  // the commands change the world and the views
  bool queriesEmpty;
  // Each run is in the stand-in's journal, which it writes before it hangs
  // or crashes but after a slow answer.
  bool journaled;
};

void PrintTo(const TFaultCase& row, std::ostream* out) {
  *out << row.name;
}

const char* const kTimedOut = "cleartool did not finish within 300 ms and was stopped";

const TFaultCase kFaults[] = {
    {"Healthy", "", TProgram::Healthy, nullptr, true, false, true},
    {"ExitCode", "exit:3", TProgram::Healthy, "cleartool exited with code 3", false, true, true},
    {"Hang", "hang", TProgram::Healthy, kTimedOut, false, true, true},
    {"HangChild", "hang-child", TProgram::Healthy, kTimedOut, false, true, true},
    {"SlowerThanTheTimeout", "slow:1500", TProgram::Healthy, kTimedOut, false, true, false},
    // Small: the listings that walk what they list start one run per line,
    // and here every run floods. FloodMemoryTest takes the large floods.
    {"Flood", "flood:2000", TProgram::Healthy, nullptr, false, false, true},
    {"Binary", "binary", TProgram::Healthy, nullptr, false, false, true},
    {"Crash", "crash", TProgram::Healthy, "cleartool was killed by signal 11 (Segmentation fault)",
     false, true, true},
    {"StderrOnly", "stderr-only", TProgram::Healthy, nullptr, true, true, true},
    {"MissingProgram", "", TProgram::Missing,
     "the action is not valid: Options: Cleartool.exe cannot be found at the path specified.",
     false, true, false},
    {"NotExecutable", "", TProgram::NotExecutable,
     "cleartool could not be started: Permission denied", false, true, false},
};

// Every file under a folder with its content, by path relative to it.
using TTree = std::map<std::string, std::string>;

TTree ReadTree(const std::string& root) {
  TTree tree;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) {
      tree[fs::relative(entry.path(), root).string()] = ReadText(entry.path().string());
    }
  }
  return tree;
}

// Files the run may write: vantry's own output and the world and journal of
// the stand-in; the views too when cleartool really does its work.
bool MayChange(const std::string& path, bool cleartoolActs) {
  return path == ".stdout" || path == ".stderr" || path == "journal.jsonl" ||
         path.starts_with("demo.xml") || path == "out/spec.txt" ||
         (cleartoolActs && path.starts_with("views/"));
}

class FaultTest : public testing::TestWithParam<TFaultCase> {
 protected:
  void SetUp() override {
    // Actions without a view start cleartool in its own folder, which must
    // lie in a view for the stand-in; so cleartool is reached through a link there.
    const std::string tools = sandbox.Path("views/dev_view/tools");
    fs::create_directories(tools);
    fs::create_symlink(CLEARTOOL_EXE, tools + "/cleartool");
    fs::create_directories(sandbox.Path("out"));
    sandbox.ConfigureOptions();
    SetOption("CleartoolPath", Program(tools));
    SetOption("DesignTimeout", WaitsForTheTimeout() ? "0" : std::to_string(kAmpleTimeoutMs));
    std::vector<TActionSpec> actions = EveryAction();
    ReplaceWords(actions, {{"$VIEW", sandbox.ViewPath()}, {"$ROOT", sandbox.Root()}});
    project_ = sandbox.WriteProject("project.xml", {}, actions);
    if (*GetParam().fault != '\0') sandbox.SetEnv("CLEARTOOL_SIM_FAULT", GetParam().fault);
  }

  // The cases that end at the time-out wait for the shortest one (a design
  // time-out of 0 means the shortest a listing may take); the rest must never meet it.
  static bool WaitsForTheTimeout() { return GetParam().failure == kTimedOut; }

  std::string Program(const std::string& tools) const {
    switch (GetParam().program) {
      case TProgram::Healthy:
        break;
      case TProgram::Missing:
        return sandbox.Path("no/cleartool");
      case TProgram::NotExecutable: {
        const std::string copy = sandbox.Path("views/dev_view/tools/plain/cleartool");
        fs::create_directories(fs::path(copy).parent_path());
        fs::copy_file(CLEARTOOL_EXE, copy);
        chmod(copy.c_str(), 0644);
        return copy;
      }
    }
    return tools + "/cleartool";
  }

  void SetOption(const std::string& name, const std::string& value) const {
    ASSERT_EQ(sandbox.Vantry({"options", "set", name, value}).exitCode, 0);
  }

  TRunOutput RunEveryAction() const {
    return sandbox.Vantry({"run", project_, "--keep-going", "--timeout",
                           std::to_string(WaitsForTheTimeout() ? kTimeoutMs : kAmpleTimeoutMs)});
  }

  // Stand-in runs of this sandbox still alive; a run killed a moment ago
  // may take a little while to go.
  int LiveRuns() const {
    for (int attempt = 0; attempt < 100; ++attempt) {
      if (ctsim::ProcessesWithEnvironment(sandbox.WorldEntry()) == 0) return 0;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return ctsim::ProcessesWithEnvironment(sandbox.WorldEntry());
  }

  void ExpectOnlyAllowedFilesChanged(const TTree& before) const {
    const TTree after = ReadTree(sandbox.Root());
    for (const auto& [path, content] : before) {
      if (MayChange(path, GetParam().cleartoolActs)) continue;
      const auto found = after.find(path);
      EXPECT_TRUE(found != after.end() && found->second == content) << path << " was changed";
    }
    for (const auto& entry : after) {
      if (!MayChange(entry.first, GetParam().cleartoolActs)) {
        EXPECT_TRUE(before.contains(entry.first)) << entry.first << " was written";
      }
    }
  }

  TSandbox sandbox;
  std::string project_;
};

TEST_P(FaultTest, EveryActionFailsInWordsAndLeavesNothingBehind) {
  const TFaultCase& row = GetParam();
  const TTree before = ReadTree(sandbox.Root());
  const TRunOutput output = RunEveryAction();
  const std::size_t actions = EveryAction().size();

  if (row.failure == nullptr) {
    EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  } else {
    EXPECT_EQ(output.exitCode, 1) << output.out << output.err;
    EXPECT_EQ(Count(output.out, "  FAILED: " + std::string(row.failure)), actions) << output.out;
    EXPECT_THAT(output.out, HasSubstr("0 succeeded, " + std::to_string(actions) + " failed"));
  }
  EXPECT_THAT(sandbox.Journal(), SizeIs(row.journaled ? actions : 0));
  EXPECT_EQ(LiveRuns(), 0);
  ExpectOnlyAllowedFilesChanged(before);
}

TEST_P(FaultTest, EveryListingAnswersOrIsEmpty) {
  const TFaultCase& row = GetParam();
  const TTree before = ReadTree(sandbox.Root());
  for (const TQuery& query : EveryQuery(sandbox.ViewPath())) {
    const std::string& function = query.arguments[0];
    std::vector<std::string> arguments{"query"};
    arguments.insert(arguments.end(), query.arguments.begin(), query.arguments.end());
    const TRunOutput output = sandbox.Vantry(arguments);
    EXPECT_EQ(output.exitCode, 0) << function << ": " << output.err;
    EXPECT_EQ(output.err, "") << function;
    if (row.queriesEmpty) {
      EXPECT_EQ(output.out, query.nothing) << function;
    } else if (row.program == TProgram::Healthy && *row.fault == '\0') {
      EXPECT_NE(output.out, query.nothing) << function;
    }
  }
  EXPECT_EQ(LiveRuns(), 0);
  ExpectOnlyAllowedFilesChanged(before);
}

INSTANTIATE_TEST_SUITE_P(Cleartool, FaultTest, testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// A flood costs memory in proportion to its size, and the same whether one
// action prints it or several do one after another: nothing is kept from
// action to action.
TEST(FloodMemoryTest, StaysBoundedByTheOutputSize) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer holds freed memory in quarantine";
#endif
  TSandbox sandbox;
  sandbox.ConfigureOptions();
  const TActionSpec find = Action(
      "CC_FINDCHECKOUTS",
      {{"UseDefaultViewContext", "true"}, {"WriteToVariable", "true"}, {"VariableName", "found"}});
  const auto run = [&](std::size_t actions) {
    const std::string project = sandbox.WriteProject("project" + std::to_string(actions) + ".xml",
                                                     {}, std::vector(actions, find));
    TRunOutput output = sandbox.Vantry({"run", project});
    EXPECT_EQ(output.exitCode, 0) << output.err;
    return output.maxRssKb;
  };
  const auto query = [&] {
    const TRunOutput output = sandbox.Vantry({"query", "CCGetVOBNames"});
    EXPECT_EQ(output.exitCode, 0) << output.err;
    return output;
  };

  const long quietRun = run(2);
  const long quietQuery = query().maxRssKb;
  sandbox.SetEnv("CLEARTOOL_SIM_FAULT", "flood:" + std::to_string(kFloodBytes));
  // From the second action on, the variable holds the last flood while the
  // next one arrives; beyond that nothing may grow.
  const long floodRun = run(2);
  const long floodRuns = run(8);
  const TRunOutput floodQuery = query();

  const long floodKb = kFloodBytes / 1024;
  EXPECT_LT(floodRun - quietRun, 8 * floodKb);
  EXPECT_LT(floodRuns - floodRun, floodKb / 2);
  EXPECT_LT(floodQuery.maxRssKb - quietQuery, 8 * floodKb);
  EXPECT_GT(floodQuery.out.size(), static_cast<std::size_t>(kFloodBytes)) << "each line gains a CR";
}

// The output folder of the config spec is read-only: the action fails before
// cleartool starts, and the folder stays as it was.
TEST(ReadOnlyOutputTest, ConfigSpecIntoAReadOnlyFolderFailsAndWritesNothing) {
  TSandbox sandbox;
  if (!sandbox.DropFileOverride()) GTEST_SKIP() << "cannot run without root's file powers";
  sandbox.ConfigureOptions();
  const std::string folder = sandbox.Path("locked");
  fs::create_directories(folder);
  WriteText(folder + "/spec.txt", "the config spec of yesterday\n");
  chmod(folder.c_str(), 0555);
  const std::string project = sandbox.WriteProject(
      "project.xml", {},
      {Action("CC_GETCONFIGSPEC", {{"UseDefaultViewContext", "true"},
                                   {"OutputToFile", "true"},
                                   {"OutputFilePath", folder + "/new spec.txt"}})});

  const TRunOutput output = sandbox.Vantry({"run", project});
  chmod(folder.c_str(), 0755);

  EXPECT_EQ(output.exitCode, 1);
  EXPECT_THAT(output.out, HasSubstr("An error occured trying to open the file \"" + folder +
                                    "/new spec.txt\" for writing : Permission denied"));
  EXPECT_THAT(output.out, HasSubstr("FAILED: the action stopped after building its command line"));
  EXPECT_THAT(sandbox.Journal(), SizeIs(0));
  EXPECT_THAT(ReadTree(folder),
              testing::ElementsAre(testing::Pair("spec.txt", "the config spec of yesterday\n")));
}

}  // namespace
}  // namespace vantry_test
