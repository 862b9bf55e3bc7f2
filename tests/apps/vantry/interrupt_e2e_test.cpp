// vantry run and vantry query interrupted while cleartool hangs: the stand-in's
// whole process group ends, the run says what happened, and vantry exits with
// 128 plus the signal number. A second interrupt's shortcut is proven on the
// process runner, whose child can ignore SIGTERM.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <string.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "sim/cleartool/live_runs.h"
#include "support.h"

namespace vantry_test {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

bool Eventually(const std::function<bool()>& condition) {
  for (int tries = 0; tries < 1000; ++tries) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

class InterruptTest : public TConfiguredTest {
 protected:
  // vantry and the stand-in with its hanging child all carry the world entry.
  int Processes() const { return ctsim::ProcessesWithEnvironment(sandbox.WorldEntry()); }

  // Starts vantry, waits until the stand-in and its child hang, sends the signal.
  TRunOutput Interrupted(const std::vector<std::string>& arguments, int signal) {
    std::remove(sandbox.JournalFile().c_str());
    const pid_t pid = sandbox.Start(arguments);
    EXPECT_TRUE(Eventually([this] { return Processes() == 3; }));
    kill(pid, signal);
    TRunOutput output = sandbox.Finish(pid);
    EXPECT_TRUE(Eventually([this] { return Processes() == 0; })) << "left: " << Processes();
    return output;
  }
};

TEST_F(InterruptTest, EachSignalEndsTheRunAndLeavesNoProcess) {
  sandbox.SetEnv("CLEARTOOL_SIM_FAULT", "hang-child");
  const TActionSpec find{"CC_FINDCHECKOUTS", {{"UseDefaultViewContext", "true"}}};
  const std::string project = sandbox.WriteProject("hang.xml", {}, {find, find});
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
  sandbox.SetEnv("CLEARTOOL_SIM_FAULT", "hang-child");
  const TRunOutput output = Interrupted({"query", "CCGetVOBNames"}, SIGTERM);
  EXPECT_EQ(output.exitCode, 128 + SIGTERM);
  EXPECT_THAT(output.out, IsEmpty());
  EXPECT_THAT(output.err, HasSubstr("vantry: interrupted by SIGTERM"));
}

}  // namespace
}  // namespace vantry_test
