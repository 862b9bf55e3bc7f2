// A project that uses every action, and every listing function, run against a
// cleartool that misbehaves in each way the stand-in can act out, or cannot be
// started at all. Whatever cleartool does, vantry says what went wrong in
// words, fails the actions (or answers an empty list), leaves no process
// behind, keeps its memory to the size of the output and writes no file but
// the one the project asks for. Interrupted while cleartool hangs, vantry
// ends the stand-in's whole process group, says so and exits with 128 plus
// the signal number (a second interrupt's shortcut is proven on the process
// runner, whose child can ignore SIGTERM).

#include <signal.h>
#include <string.h>
#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "sim/cleartool/live_runs.h"
#include "support.h"

namespace vantry_test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
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
  const TProperty fileB{"PathNameStorageString", "src/b c.c\r\n"};
  const TProperty fileAInView{"PathNameStorageString", "$VIEW/src/a.c\r\n"};
  const TProperty inSrc{"VOBSelector", "/vobs/src"};
  const TProperty inPvob{"VOBSelector", "/vobs/pvob"};
  const TProperty label{"ObjectsStorageString", "lbtype:REL_1.0@/vobs/src\r\n"};
  const TProperty core{"ComponentSelectorStorageString", "comp_core@/vobs/pvob\r\n"};
  return {
      {"CC_UPDATE", {{"ViewContextPath", "$ROOT/views/snap_view"}}},
      {"CC_CHECKOUT", {inView, fileA}},
      {"CC_FINDCHECKOUTS", {inView, {"WriteToVariable", "true"}, {"VariableName", "found"}}},
      {"CC_CHECKIN", {inView, fileA, {"Comment", "checked in"}}},
      {"CC_CHECKOUT", {inView, fileA}},
      {"CC_UNCHECKOUT", {inView, fileA}},
      {"UCM_MAKEACTIVITY",
       {inView, {"ActivityName", "fix_42"}, inPvob, {"DontSetAsCurrent", "true"}}},
      {"UCM_SETACTIVITY", {inView, {"ActivityName", "feature_login"}, inPvob}},
      {"CC_CHECKOUT", {inView, fileA}},
      {"UCM_CHECKIN", {{"ViewContextPath", "$VIEW"}, {"UseCurrentActivity", "true"}}},
      {"CC_CHECKOUT", {inView, fileA}},
      {"UCM_UNCHECKOUT", {inView}},
      {"CC_GETCONFIGSPEC",
       {inView, {"OutputToFile", "true"}, {"OutputFilePath", "$ROOT/out/spec.txt"}}},
      {"CC_SETCONFIGSPEC", {inView}},
      {"CC_GENERIC",
       {inView,
        {"Command", "describe"},
        {"Arguments", "-short lbtype:REL_1.0@/vobs/src"},
        {"SaveOutput", "true"},
        {"VyVariable", "saved"}}},
      {"CC_MKELEM",
       {{"PathNameStorageString", "$VIEW/src/new.c\r\n"}, {"Checkout", "ccCheckedIn"}}},
      {"CC_MKLBTYPE", {{"LabelTypeName", "REL_2.0"}, inSrc}},
      {"CC_LABEL", {inView, fileA, {"LabelTypeName", "REL_2.0"}, inSrc}},
      {"CC_MKATTRTYPE", {{"AttributeName", "Coverage"}, inSrc}},
      {"CC_APPLYATTR",
       {{"AttributeName", "BuildNumber"}, inSrc, {"AttributeValue", "42"}, fileAInView}},
      {"CC_APPLYATTR_OBJ",
       {{"AttributeName", "Status"}, inSrc, {"UseDefaultAttributeValue", "true"}, label}},
      {"CC_LOCK", {inView, fileB}},
      {"CC_UNLOCK", {inView, fileB}},
      {"CC_LOCK_OBJ", {label}},
      {"CC_UNLOCK_OBJ", {{"ObjectsStorageString", "lbtype:REL_0.9@/vobs/src\r\n"}}},
      {"UCM_MAKEBL",
       {inView, {"SelectionType", "slComponents"}, core, {"BaselineRootName", "BL_42"}}},
      {"UCM_MAKEBL_LABEL",
       {inView, {"SpecifyComponents", "true"}, core, {"LabelTypeName", "REL_1.1"}, inSrc}},
      {"CC_CHANGEBASELINE",
       {{"AssignLevel", "true"},
        {"PromotionLevel", "TESTED"},
        {"Baseline", "BL_2"},
        {"ProjectVOB", "/vobs/pvob"}}},
      {"CC_CHANGESTREAM",
       {{"ChangeRecommended", "true"},
        {"RecommendDefaults", "true"},
        {"StreamName", "dev_alice"},
        inPvob}},
  };
}

struct TListing {
  std::vector<std::string> arguments;  // the function and its arguments
  std::string answer;                  // when cleartool behaves
};

// Every listing function with arguments that name things of the demo world.
std::vector<TListing> EveryListing(const std::string& view) {
  const std::string pvob = "/vobs/pvob";
  const std::string labels = "NIGHTLY\r\nREL_0.9\r\nREL_1.0\r\nREL_1.1\r\n";
  const std::string pools = "cdft\r\nddft\r\nsdft\r\n";
  const std::string streams = "dev_alice\r\nwebshop_int\r\n";
  const std::string activities = "feature_login\r\nfix_23\r\nintegrate_1\r\n";
  const std::string components = "comp_core\r\ncomp_docs\r\n";
  const std::string baselines = "DOCS_1\r\nBL_2\r\nBL_1\r\nBL_0\r\n";
  return {
      {{"CCGetVOBNames"}, "/vobs/pvob\r\n/vobs/src\r\n"},
      {{"CCGetPVOBNames"}, "/vobs/pvob\r\n"},
      {{"CCGetTypeNames", "lbtype", "/vobs/src"}, labels},
      {{"CCGetLabelNames", "/vobs/src"}, labels},
      {{"CCGetAllTypeNames", "stream"}, streams},
      {{"CCGetPoolsForVob", "/vobs/src"}, pools},
      {{"CCGetStoragePoolsForVOB", "/vobs/src"}, pools},
      {{"CCGetHistory", "src/b c.c", view},
       "src/b c.c@@/main/1\r\nsrc/b c.c@@/main/0\r\nsrc/b c.c@@/main\r\nsrc/b c.c@@\r\n"},
      {{"CCGetLS", view + "/docs"}, "readme.txt@@/main/1\r\n"},
      {{"CCDescribeObject", "pool:sdft@/vobs/src"},
       "pool \"sdft\"\r\n  created 2005-01-17T10:50:13 by vobadm\r\n  kind: source\r\n"},
      {{"CCGetAttributeType", "BuildNumber@/vobs/src"}, "integer"},
      {{"CCGetClearCaseInstalledType"}, "ccFull\r\n"},
      {{"CCGetUCMActivitiesForVOB", pvob}, activities},
      {{"CCGetUCMComponentsForVOB", pvob}, components},
      {{"CCGetUCMFoldersForVOB", pvob}, "Apps\r\nRootFolder\r\n"},
      {{"CCGetUCMStreamsForVOB", pvob}, streams},
      {{"CCGetUCMProjectsForVOB", pvob}, "webshop\r\n"},
      {{"CCGetUCMComponentsForView", view}, components},
      {{"CCGetUCMStreamsForProject", "webshop", pvob}, streams},
      {{"CCGetUCMActivitiesForStream", "dev_alice", pvob}, "feature_login\r\nfix_23\r\n"},
      {{"CCGetUCMActivitiesForProject", "webshop", pvob}, activities},
      {{"CCGetUCMActivities", view}, "feature_login@/vobs/pvob\r\nfix_23@/vobs/pvob\r\n"},
      {{"CCGetUCMComponentsForStream", "dev_alice", pvob}, components},
      {{"CCGetUCMComponentsForProject", "webshop", pvob}, components},
      {{"CCGetUCMPromoLevelsForPVOB", pvob},
       "REJECTED\r\nINITIAL\r\nBUILT\r\nTESTED\r\nRELEASED\r\n"},
      {{"CCGetUCMBaselinesForStream", "webshop_int", pvob}, baselines},
      {{"CCGetUCMBaselinesForProject", "webshop", pvob}, baselines},
      {{"CCGetUCMBaselinesForVOB", pvob}, baselines},
      {{"CCGetAllUCMComponents"}, "comp_core@/vobs/pvob\r\ncomp_docs@/vobs/pvob\r\n"},
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
  // What vantry query says failed; nullptr when the listing ran.
  const char* queryFailure;
};

const char* const kTimedOut = "cleartool did not finish within 300 ms and was stopped";
// A listing's time-out: the design time-out of 0 is raised to the shortest.
const char* const kListingTimedOut = "cleartool did not finish within 500 ms and was stopped (";
const char* const kCrashed = "cleartool was killed by signal 11 (Segmentation fault)";
const char* const kNotStarted = "cleartool could not be started: Permission denied";

const TFaultCase kFaults[] = {
    {"Healthy", "", TProgram::Healthy, nullptr, true, false, true, nullptr},
    {"ExitCode", "exit:3", TProgram::Healthy, "cleartool exited with code 3", false, true, true,
     "cleartool exited with code 3 (cleartool "},
    {"Hang", "hang", TProgram::Healthy, kTimedOut, false, true, true, kListingTimedOut},
    {"HangChild", "hang-child", TProgram::Healthy, kTimedOut, false, true, true, kListingTimedOut},
    {"SlowerThanTheTimeout", "slow:1500", TProgram::Healthy, kTimedOut, false, true, false,
     kListingTimedOut},
    // Small: the listings that walk what they list start one run per line,
    // and here every run floods. FloodMemoryTest takes the large floods.
    {"Flood", "flood:2000", TProgram::Healthy, nullptr, false, false, true, nullptr},
    {"Binary", "binary", TProgram::Healthy, nullptr, false, false, true, nullptr},
    {"Crash", "crash", TProgram::Healthy, kCrashed, false, true, true, kCrashed},
    {"StderrOnly", "stderr-only", TProgram::Healthy, nullptr, true, true, true, nullptr},
    // The error is in the log once, with the path looked at under it.
    {"MissingProgram", "", TProgram::Missing, "the action is not valid", false, true, false,
     "Cleartool.exe cannot be found at the path specified: "},
    {"NotExecutable", "", TProgram::NotExecutable, kNotStarted, false, true, false, kNotStarted},
};

// How many processes carry the sandbox's world entry (vantry, the stand-in
// and its children do) once there are `count`, or after ten seconds: a run
// killed a moment ago may take a little while to go.
int ProcessesOnceThere(const TSandbox& sandbox, int count) {
  int live = 0;
  for (int tries = 0; tries < 1000; ++tries) {
    if ((live = ctsim::ProcessesWithEnvironment(sandbox.WorldEntry())) == count) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return live;
}

// Every file under a folder with its content, by path relative to it.
using TTree = std::map<std::string, std::string>;

TTree ReadTree(const std::string& root) {
  TTree tree;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    tree[fs::relative(entry.path(), root).string()] = ReadAll(entry.path().string());
  }
  return tree;
}

class FaultTest : public testing::TestWithParam<TFaultCase> {
 protected:
  void SetUp() override {
    // Actions without a view start cleartool in its own folder, which must
    // lie in a view for the stand-in; so cleartool is reached through a link there.
    const std::string tools = sandbox_.Path("views/dev_view/tools");
    fs::create_directories(tools);
    fs::create_symlink(CLEARTOOL_EXE, tools + "/cleartool");
    fs::create_directories(sandbox_.Path("out"));
    sandbox_.ConfigureOptions();
    const TRunOutput set =
        sandbox_.Vantry({"options", "set", "CleartoolPath", Program(tools), "DesignTimeout",
                        WaitsForTheTimeout() ? "0" : std::to_string(kAmpleTimeoutMs)});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    project_ = sandbox_.WriteProject("project.xml", {}, EveryAction());
    if (*GetParam().fault != '\0') sandbox_.SetEnv("CLEARTOOL_SIM_FAULT", GetParam().fault);
  }

  // The cases that end at the time-out wait for the shortest one (a design
  // time-out of 0 means the shortest a listing may take); the rest must never meet it.
  static bool WaitsForTheTimeout() { return GetParam().failure == kTimedOut; }

  std::string Program(const std::string& tools) const {
    if (GetParam().program == TProgram::Missing) return sandbox_.Path("no/cleartool");
    if (GetParam().program == TProgram::Healthy) return tools + "/cleartool";
    const std::string copy = tools + "/plain/cleartool";
    fs::create_directories(fs::path(copy).parent_path());
    fs::copy_file(CLEARTOOL_EXE, copy);
    chmod(copy.c_str(), 0644);
    return copy;
  }

  // No file but those the run may write is changed, removed or added.
  void ExpectOnlyAllowedFilesChanged(TTree before) const {
    TTree after = ReadTree(sandbox_.Root());
    // Files the run may write: vantry's own output and the world and journal
    // of the stand-in; the views too when cleartool really does its work.
    const auto allowed = [](const auto& file) {
      const std::string& path = file.first;
      return path == ".stdout" || path == ".stderr" || path == "journal.jsonl" ||
             path.starts_with("demo.xml") || path == "out/spec.txt" ||
             (GetParam().cleartoolActs && path.starts_with("views/"));
    };
    std::erase_if(before, allowed);
    std::erase_if(after, allowed);
    EXPECT_EQ(after, before);
  }

  TSandbox sandbox_;
  std::string project_;
};

TEST_P(FaultTest, EveryActionFailsInWords) {
  const TFaultCase& row = GetParam();
  const TTree before = ReadTree(sandbox_.Root());
  const TRunOutput output =
      sandbox_.Vantry({"run", project_, "--keep-going", "--timeout",
                      std::to_string(WaitsForTheTimeout() ? kTimeoutMs : kAmpleTimeoutMs)});
  const std::size_t actions = EveryAction().size();

  if (row.failure == nullptr) {
    EXPECT_EQ(output.exitCode, 0) << output.out << output.err;
  } else {
    EXPECT_EQ(output.exitCode, 1) << output.out << output.err;
    EXPECT_EQ(Count(output.err, "  FAILED: " + std::string(row.failure)), actions) << output.out;
    EXPECT_THAT(output.err, HasSubstr("0 succeeded, " + std::to_string(actions) + " failed"));
  }
  if (row.program == TProgram::Missing) {
    EXPECT_EQ(Count(output.err, "Cleartool.exe cannot be found"), actions);
    EXPECT_EQ(Count(output.err, "\n  Options: Cleartool.exe cannot be found at the path "
                                "specified.\n    cleartool path: " +
                                    sandbox_.Path("no/cleartool") + " (options store " +
                                    sandbox_.OptionsFile() + ")\n"),
              actions)
        << output.err;
  }
  if (row.program == TProgram::Healthy && *row.fault == '\0') {
    EXPECT_THAT(ReadAll(sandbox_.Path("out/spec.txt")),
                testing::AllOf(testing::StartsWith("ucm\n"), HasSubstr("element * CHECKEDOUT")));
  }
  EXPECT_THAT(sandbox_.Journal(), SizeIs(row.journaled ? actions : 0));
  EXPECT_EQ(ProcessesOnceThere(sandbox_, 0), 0);
  ExpectOnlyAllowedFilesChanged(before);
}

TEST_P(FaultTest, EveryListingAnswersOrIsEmpty) {
  const TFaultCase& row = GetParam();
  const TTree before = ReadTree(sandbox_.Root());
  for (const TListing& listing : EveryListing(sandbox_.ViewPath())) {
    const std::string& function = listing.arguments[0];
    std::vector<std::string> arguments{"query"};
    arguments.insert(arguments.end(), listing.arguments.begin(), listing.arguments.end());
    const TRunOutput output = sandbox_.Vantry(arguments);
    // A listing that starts a run for each name it listed cannot pass on a
    // name that holds NUL.
    const bool nulName = std::string_view(row.fault) == "binary" && output.exitCode == 1;
    const char* failure =
        nulName ? "cleartool could not be started: an argument holds a NUL character"
                : row.queryFailure;
    if (failure == nullptr) {
      EXPECT_EQ(output.exitCode, 0) << function << ": " << output.err;
      // A walk over several objects may fail in one (a VOB that is not a
      // project VOB, a name holding NUL) and still answer.
      if (!output.err.empty()) {
        EXPECT_THAT(output.err,
                    testing::StartsWith("vantry: warning: " + function + " may be incomplete: "));
        EXPECT_NE(output.out, "") << function;
      }
    } else {
      EXPECT_EQ(output.exitCode, 1) << function;
      EXPECT_THAT(output.err, testing::StartsWith("vantry: " + function + ": " + failure))
          << function;
    }
    if (row.queriesEmpty) {
      // A failed listing answers nothing, the installed type an unknown one.
      EXPECT_EQ(output.out, function == "CCGetClearCaseInstalledType" ? "ccUnknown\r\n" : "")
          << function;
    } else if (row.program == TProgram::Healthy && *row.fault == '\0') {
      EXPECT_EQ(output.out, listing.answer) << function;
    }
  }
  EXPECT_EQ(ProcessesOnceThere(sandbox_, 0), 0);
  ExpectOnlyAllowedFilesChanged(before);
}

INSTANTIATE_TEST_SUITE_P(Cleartool, FaultTest, testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// A flood costs memory in proportion to its size where a setting keeps the
// output (a variable, a listing), and the same whether one action prints it
// or several do one after another: nothing is kept from action to action.
// Output that nothing keeps costs no memory at all.
TEST(FloodMemoryTest, StaysBoundedByTheOutputSize) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer holds freed memory in quarantine";
#endif
  TSandbox sandbox;
  sandbox.ConfigureOptions();
  const TActionSpec find{
      "CC_FINDCHECKOUTS",
      {{"UseDefaultViewContext", "true"}, {"WriteToVariable", "true"}, {"VariableName", "found"}}};
  const TActionSpec logOnly{"CC_FINDCHECKOUTS", {{"UseDefaultViewContext", "true"}}};
  const auto run = [&](std::size_t actions, const TActionSpec& action) {
    const TRunOutput output = sandbox.Run(std::vector(actions, action));
    EXPECT_EQ(output.exitCode, 0) << output.err;
    return output.maxRssKb;
  };
  const auto query = [&] {
    const TRunOutput output = sandbox.Vantry({"query", "CCGetVOBNames"});
    EXPECT_EQ(output.exitCode, 0) << output.err;
    return output;
  };

  const long quietRun = run(2, find);
  const long quietLog = run(1, logOnly);
  const long quietQuery = query().maxRssKb;
  sandbox.SetEnv("CLEARTOOL_SIM_FAULT", "flood:" + std::to_string(kFloodBytes));
  // From the second action on, the variable holds the last flood while the
  // next one arrives; beyond that nothing may grow.
  const long floodRun = run(2, find);
  const long floodRuns = run(8, find);
  const long floodLog = run(1, logOnly);
  const TRunOutput floodQuery = query();

  const long floodKb = kFloodBytes / 1024;
  EXPECT_LT(floodRun - quietRun, 8 * floodKb);
  EXPECT_LT(floodRuns - floodRun, floodKb / 2);
  EXPECT_LT(floodLog - quietLog, floodKb / 4);
  EXPECT_LT(floodQuery.maxRssKb - quietQuery, 8 * floodKb);
  EXPECT_GT(floodQuery.out.size(), static_cast<std::size_t>(kFloodBytes)) << "each line gains a CR";
}

// A dry run of every action, each set up to write what it can, changes no
// file (the options store, the config spec, the world), starts nothing and
// sets no variable. The project holds every type that the catalogue lists.
// Without a stored path cleartool is found on PATH, which is not saved either.
TEST(DryRunTest, EveryActionChangesNothing) {
  TSandbox sandbox;
  ASSERT_EQ(sandbox.Vantry({"options", "set", "DefaultViewPath", sandbox.ViewPath()}).exitCode, 0);
  sandbox.SetEnv("PATH", fs::path(CLEARTOOL_EXE).parent_path().string() + ":/usr/bin:/bin");
  fs::create_directories(sandbox.Path("out"));
  WriteAll(sandbox.Path("out/spec.txt"), "precious content");
  const std::vector<TActionSpec> actions = EveryAction();
  const std::string catalogue = sandbox.Vantry({"actions"}).out;
  std::set<std::string> types;
  for (const TActionSpec& action : actions) {
    types.insert(action.type);
    EXPECT_THAT(catalogue, HasSubstr("\n" + action.type + " "));
  }
  EXPECT_EQ(Count(catalogue, "\n"), types.size() + 1) << catalogue;  // and a heading

  const std::string project = sandbox.WriteProject("project.xml", {}, actions);
  TTree before = ReadTree(sandbox.Root());
  const TRunOutput output = sandbox.Vantry({"run", project, "--dry-run", "-v"});
  EXPECT_EQ(output.exitCode, 0) << output.err;
  EXPECT_THAT(output.err, HasSubstr("Command Line: catcs\n"));
  EXPECT_THAT(output.err, HasSubstr("Variables:\n"));
  EXPECT_THAT(output.err, Not(HasSubstr("found=")));
  EXPECT_THAT(output.err, Not(HasSubstr("saved=")));
  TTree after = ReadTree(sandbox.Root());
  for (TTree* tree : {&before, &after}) {
    tree->erase(".stdout");
    tree->erase(".stderr");
  }
  EXPECT_EQ(after, before);
  EXPECT_FALSE(fs::exists(sandbox.JournalFile()));
}

class InterruptTest : public TConfiguredTest {
 protected:
  // Starts vantry, waits until the stand-in and its child hang, sends the signal.
  TRunOutput Interrupted(const std::vector<std::string>& arguments, int signal) {
    std::remove(sandbox_.JournalFile().c_str());
    const pid_t pid = sandbox_.Start(arguments);
    EXPECT_EQ(ProcessesOnceThere(sandbox_, 3), 3);
    kill(pid, signal);
    TRunOutput output = sandbox_.Finish(pid);
    EXPECT_EQ(ProcessesOnceThere(sandbox_, 0), 0);
    return output;
  }
};

TEST_F(InterruptTest, EachSignalEndsTheRunAndLeavesNoProcess) {
  sandbox_.SetEnv("CLEARTOOL_SIM_FAULT", "hang-child");
  const TActionSpec find{"CC_FINDCHECKOUTS", {{"UseDefaultViewContext", "true"}}};
  const std::string project = sandbox_.WriteProject("hang.xml", {}, {find, find});
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    const std::string name = std::string("SIG") + sigabbrev_np(signal);
    SCOPED_TRACE(name);
    const TRunOutput output = Interrupted({"run", project}, signal);
    EXPECT_EQ(output.exitCode, 128 + signal) << output.err << output.err;
    EXPECT_THAT(output.err,
                HasSubstr("  INTERRUPTED: cleartool was stopped: the run was interrupted by " +
                          name + " ("));
    EXPECT_THAT(output.err, HasSubstr("0 succeeded, 1 interrupted, 1 not run ("));
    EXPECT_THAT(output.err, HasSubstr("Interrupted by " + name + ".\n"));
  }
}

TEST_F(InterruptTest, AnInterruptedListingPrintsNothingAndExitsWithTheSignal) {
  sandbox_.SetEnv("CLEARTOOL_SIM_FAULT", "hang-child");
  const TRunOutput output = Interrupted({"query", "CCGetVOBNames"}, SIGTERM);
  EXPECT_EQ(output.exitCode, 128 + SIGTERM);
  EXPECT_THAT(output.out, IsEmpty());
  EXPECT_THAT(output.err, HasSubstr("vantry: interrupted by SIGTERM"));
}

}  // namespace
}  // namespace vantry_test
