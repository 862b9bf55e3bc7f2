#pragma once
// Starting programs. Two levels:
//  - IProcessRunner: the operating-system boundary (spawn, pipes, wait,
//    time-out). The real one uses posix_spawn; tests swap in a fake that
//    records argv and plays back output.
//  - IVyProcess: the host's process object that packages use for synchronous
//    captures (CreateVyProcess).

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "vycore/types.h"

namespace vy {

struct TProcessSpec {
  std::string program;           // file to start (no PATH search)
  TStringList arguments;         // argv[1..]; argv[0] is the program
  std::string workingDirectory;  // empty: the caller's
  std::int64_t timeoutMs = 0;    // 0 or negative: no limit
};

struct TProcessOutcome {
  enum Kind { Exited, CouldNotStart, TimedOut, Signalled, Interrupted };
  Kind kind = CouldNotStart;
  int exitCode = -1;           // Exited
  int signal = 0;              // Signalled; Interrupted: the host's interrupt signal
  std::string error;           // CouldNotStart: why (e.g. "No such file or directory")
  std::int64_t timeoutMs = 0;  // TimedOut: the limit that expired
  bool Succeeded() const { return kind == Exited && exitCode == 0; }
  // In words a build engineer understands, e.g. "cleartool exited with code 1",
  // "cleartool did not finish within 500 ms and was stopped",
  // "cleartool was stopped: the run was interrupted by SIGINT".
  std::string Describe(std::string_view programName) const;
  // The exit code, or the TVyProcessResult of a run that did not exit: the
  // one code both the process object and the run protocol report.
  int ResultCode() const;
};

// The platform's name of a signal, e.g. "Segmentation fault" for 11.
std::string SignalDescription(int signal);

// Receives output as it arrives. Each line carries its own terminator exactly
// as printed; a last line without one is handed over as it is.
class IProcessSink {
 public:
  virtual ~IProcessSink() = default;
  virtual void OnStdOut(std::string_view line) = 0;
  virtual void OnStdErr(std::string_view line) = 0;
};

class IProcessRunner {
 public:
  virtual ~IProcessRunner() = default;
  // Blocks until the program ends or the time-out expires. Standard input is
  // /dev/null. The program runs in a process group of its own. At the time-out
  // the group gets SIGTERM, then SIGKILL after a short grace. When the program
  // has ended, whatever it left behind in its group is killed, so nothing
  // outlives a run; output still held open by such leftovers is read for a
  // short grace only. An interrupt of the host (interrupt.h) stops the group
  // the same way (a second one kills it at once) and gives Interrupted; once
  // an interrupt has arrived, no program starts. A relative program path is
  // taken from the caller's directory, not from the working directory. Never
  // throws, except what the sink throws; the program is stopped and reaped
  // before that propagates.
  virtual TProcessOutcome Run(const TProcessSpec& spec, IProcessSink& sink) = 0;
};

// The runner every part of the host uses; tests may replace it (pass nullptr
// to restore the real one).
IProcessRunner& ProcessRunner();
void SetProcessRunner(IProcessRunner* runner);
IProcessRunner& RealProcessRunner();

// Result codes of IVyProcess::Run besides a program's own non-zero exit code.
enum TVyProcessResult : int {
  prSuccess = 0,
  prCouldNotStart = -1,
  prTimedOut = -2,
  prSignalled = -3,
  prInterrupted = -4,
};

class IVyProcess {
 public:
  virtual ~IVyProcess() = default;
  virtual std::string GetFileName() const = 0;
  virtual void SetFileName(const std::string& program) = 0;
  virtual void SetWorkingDirectory(const std::string& directory) = 0;
  // Split into argv by TokenizeCommandLine.
  virtual void SetParameters(const std::string& parameters) = 0;
  // First run setting: run without a window (always so on this host).
  virtual void SetHidden(bool hidden) = 0;
  // Second run setting: unattended capture: standard output is collected into
  // the list given to Run; standard error is kept apart (ErrorText). On by
  // default; when off, standard output is read and dropped.
  virtual void SetCaptureOutput(bool capture) = 0;
  virtual std::int32_t GetTimeout() const = 0;
  virtual void SetTimeout(std::int32_t milliseconds) = 0;  // 0 or negative: no limit
  // Runs to the end; lines (without their LF or CR LF) are appended to
  // `output`. Returns 0 only for success, the program's exit code, or a
  // TVyProcessResult.
  virtual int Run(TStringList& output) = 0;
  virtual const TProcessOutcome& Outcome() const = 0;
  // What the last run printed on standard error, followed by a line in words
  // (TProcessOutcome::Describe) when it could not start, timed out or was
  // killed by a signal.
  virtual const std::string& ErrorText() const = 0;
};

std::unique_ptr<IVyProcess> CreateVyProcess();

}  // namespace vy
