#include "vycore/process.h"

#include <atomic>

#include "vycore/interrupt.h"

namespace vy {
namespace {

std::atomic<IProcessRunner*> gRunner{nullptr};

}  // namespace

std::string TProcessOutcome::Describe(std::string_view programName) const {
  std::string name(programName);
  switch (kind) {
    case Exited:
      return name + " exited with code " + std::to_string(exitCode);
    case CouldNotStart:
      return name + " could not be started: " + error;
    case TimedOut:
      return name + " did not finish within " + std::to_string(timeoutMs) + " ms and was stopped";
    case Signalled:
      return name + " was killed by signal " + std::to_string(signal) + " (" +
             SignalDescription(signal) + ")";
    case Interrupted:
      return name + " was stopped: the run was interrupted by " + SignalName(signal);
  }
  return name + " ended in an unknown way";
}

int TProcessOutcome::ResultCode() const {
  switch (kind) {
    case Exited:
      return exitCode;
    case TimedOut:
      return prTimedOut;
    case Signalled:
      return prSignalled;
    case Interrupted:
      return prInterrupted;
    case CouldNotStart:
      break;
  }
  return prCouldNotStart;
}

IProcessRunner& ProcessRunner() {
  IProcessRunner* runner = gRunner.load();
  return runner ? *runner : RealProcessRunner();
}

void SetProcessRunner(IProcessRunner* runner) {
  gRunner.store(runner);
}

}  // namespace vy
