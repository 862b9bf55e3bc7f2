#pragma once
// The run protocol: how the host executes one action.

#include <cstdint>
#include <string>
#include <vector>

#include "vycore/action.h"
#include "vycore/process.h"

namespace vy {

struct TVyRunSettings {
  bool dryRun = false;         // stop after BeforeExecute; start nothing
  std::int64_t timeoutMs = 0;  // 0: no limit
};

struct TVyRunResult {
  bool succeeded = false;
  bool started = false;  // the program was started
  bool interrupted =
      false;           // an interrupt of the host stopped the program or kept it from starting
  std::string reason;  // why it failed, in words for a build engineer
  std::string commandLine;
  std::string executable;
  std::string startingDir;
  TProcessOutcome outcome;
};

// Validate, GetCommandLine, AfterGetCommandLine, GetExecutable (asked first,
// as it is the default of the next), GetStartingDir(executable), BeforeExecute,
// start through ProcessRunner(), output hooks, InterpretResult, OnSuccess /
// OnFailure. The run settings are read after BeforeExecute. A failure before
// the start calls neither OnSuccess nor OnFailure. InterpretResult is asked
// only when the program exited; a program that could not start, timed out or
// was killed fails with OnFailure given a TVyProcessResult. Never throws.
TVyRunResult RunAction(TVyExecuteAbstractAction& action, const TVyRunSettings& settings);

}  // namespace vy
