// The process runner of POSIX systems: posix_spawn without a shell, a process
// group per run, both output streams read with ppoll, and the end of the
// program watched through a pidfd, so that nothing sleeps or polls blindly.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "vycore/interrupt.h"
#include "vycore/process.h"

extern char** environ;

namespace vy {
namespace {

using Clock = std::chrono::steady_clock;

// After SIGTERM, how long the group gets before SIGKILL; after the program has
// ended, how long output that leftovers hold open is still read.
constexpr auto kGrace = std::chrono::milliseconds(200);
// After an interrupt, how long the group gets to end on its own: cleartool may
// be writing to a VOB. A second interrupt does not wait.
constexpr auto kInterruptGrace = std::chrono::seconds(2);
// Without a pidfd the end of the program is checked this often.
constexpr auto kExitCheckSlice = std::chrono::milliseconds(5);
constexpr std::size_t kReadSize = 64 * 1024;
// Limits from about 30 years on mean "none": much further ahead, the clock's
// nanoseconds would overflow.
constexpr std::int64_t kNoLimitFromMs = 1'000'000'000'000;

std::string ErrnoText(int error) {
  char buffer[256];
  return strerror_r(error, buffer, sizeof buffer);
}

class TFd {
 public:
  TFd() = default;
  explicit TFd(int fd) : fd_(fd) {}
  TFd(TFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  TFd& operator=(TFd&& other) noexcept {
    Reset(std::exchange(other.fd_, -1));
    return *this;
  }
  ~TFd() { Reset(); }

  int Get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  void Reset(int fd = -1) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
  }

 private:
  int fd_ = -1;
};

// Both ends close on exec (the child gets its end through dup2), and both sit
// above the standard descriptors so that no dup2 onto 0..2 clobbers one.
int MakePipe(TFd& readEnd, TFd& writeEnd) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return errno;
  readEnd.Reset(fds[0]);
  writeEnd.Reset(fds[1]);
  for (TFd* end : {&readEnd, &writeEnd}) {
    if (end->Get() > STDERR_FILENO) continue;
    const int moved = fcntl(end->Get(), F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    if (moved < 0) return errno;
    end->Reset(moved);
  }
  return 0;
}

struct TSpawnSetup {
  TSpawnSetup() {
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
  }
  ~TSpawnSetup() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
  }
  TSpawnSetup(const TSpawnSetup&) = delete;
  TSpawnSetup& operator=(const TSpawnSetup&) = delete;

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
};

// Own process group, so that a time-out reaches grandchildren too; no blocked
// signals and default handling of the ones a caller commonly ignores (ignored
// signals would otherwise survive exec).
void SetAttributes(posix_spawnattr_t& attributes) {
  sigset_t none;
  sigset_t defaults;
  sigemptyset(&none);
  sigemptyset(&defaults);
  for (int signal : {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGCHLD, SIGTSTP, SIGTTIN, SIGTTOU,
                     SIGUSR1, SIGUSR2, SIGALRM}) {
    sigaddset(&defaults, signal);
  }
  posix_spawnattr_setflags(&attributes,
                           POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
}

// The child changes directory before exec; a relative program path still
// means the caller's directory.
std::string ProgramPath(const TProcessSpec& spec) {
  if (spec.workingDirectory.empty() || spec.program.front() == '/') return spec.program;
  std::error_code error;
  const auto absolute = std::filesystem::absolute(spec.program, error);
  return error ? spec.program : absolute.string();
}

std::string StartError(const TProcessSpec& spec, int error) {
  struct stat info;
  const std::string& directory = spec.workingDirectory;
  if (directory.empty()) return ErrnoText(error);
  if (stat(directory.c_str(), &info) != 0) {
    const int statError = errno;
    return statError == ENOENT ? "the working directory " + directory + " does not exist"
                               : "the working directory " + directory + ": " + ErrnoText(statError);
  }
  if (!S_ISDIR(info.st_mode)) return "the working directory " + directory + " is not a directory";
  return ErrnoText(error);
}

struct TStarted {
  pid_t pid = -1;
  TFd out;
  TFd err;
  std::string error;
};

TStarted Start(const TProcessSpec& spec) {
  TStarted started;
  if (spec.program.empty()) {
    started.error = "no program was given";
    return started;
  }
  // An argument would end at its first NUL on its way to the program: rather
  // than run the program on a shortened argument, do not start it.
  for (const std::string& argument : spec.arguments) {
    if (argument.find('\0') != std::string::npos) {
      started.error = "an argument holds a NUL character";
      return started;
    }
  }
  TFd outWrite;
  TFd errWrite;
  int error = MakePipe(started.out, outWrite);
  if (error == 0) error = MakePipe(started.err, errWrite);
  if (error != 0) {
    started.error = ErrnoText(error);
    return started;
  }

  TSpawnSetup setup;
  posix_spawn_file_actions_addopen(&setup.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&setup.actions, outWrite.Get(), STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&setup.actions, errWrite.Get(), STDERR_FILENO);
  if (!spec.workingDirectory.empty()) {
    posix_spawn_file_actions_addchdir_np(&setup.actions, spec.workingDirectory.c_str());
  }
  SetAttributes(setup.attributes);

  std::string program = ProgramPath(spec);
  std::vector<char*> argv;
  argv.reserve(spec.arguments.size() + 2);
  argv.push_back(program.data());
  for (const std::string& argument : spec.arguments)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  error = posix_spawn(&started.pid, program.c_str(), &setup.actions, &setup.attributes, argv.data(),
                      environ);
  if (error != 0) {
    started.pid = -1;
    started.error = StartError(spec, error);
  }
  return started;
}

// The started program. Whatever happens, its group is killed and it is reaped
// before this goes away; until it is reaped its pid (and so its group id)
// cannot be reused, which makes killing the group safe.
class TChild {
 public:
  explicit TChild(pid_t pid)
      : pid_(pid), exitFd_(static_cast<int>(syscall(SYS_pidfd_open, pid, 0))) {}
  ~TChild() {
    if (reaped_) return;
    KillGroup(SIGKILL);
    Reap();
  }
  TChild(const TChild&) = delete;
  TChild& operator=(const TChild&) = delete;

  // Readable once the program has ended; -1 when the kernel offers no pidfd.
  int ExitFd() const { return exitFd_.Get(); }
  bool HasEnded() const {
    siginfo_t info{};
    return waitid(P_PID, pid_, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid_;
  }
  void KillGroup(int signal) const { kill(-pid_, signal); }
  int Reap() {
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    reaped_ = true;
    return status;
  }

 private:
  pid_t pid_;
  TFd exitFd_;
  bool reaped_ = false;
};

// One output stream, cut into lines that keep their terminators.
class TOutputStream {
 public:
  TOutputStream(TFd fd, bool isError) : fd_(std::move(fd)), isError_(isError) {}

  bool IsOpen() const { return fd_.IsOpen(); }
  int Fd() const { return fd_.Get(); }

  void Read(IProcessSink& sink, char* buffer) {
    const ssize_t count = read(fd_.Get(), buffer, kReadSize);
    if (count > 0) {
      Feed(sink, std::string_view(buffer, static_cast<std::size_t>(count)));
    } else if (count == 0 || (errno != EINTR && errno != EAGAIN)) {
      Close(sink);
    }
  }

  // A last line without a terminator is handed over as it is.
  void Close(IProcessSink& sink) {
    fd_.Reset();
    if (pending_.empty()) return;
    std::string line = std::move(pending_);
    pending_.clear();
    Emit(sink, line);
  }

 private:
  void Feed(IProcessSink& sink, std::string_view chunk) {
    std::size_t start = 0;
    for (std::size_t end; (end = chunk.find('\n', start)) != std::string_view::npos;
         start = end + 1) {
      const std::string_view piece = chunk.substr(start, end + 1 - start);
      if (pending_.empty()) {
        Emit(sink, piece);
      } else {
        pending_.append(piece);
        Emit(sink, pending_);
        pending_.clear();
      }
    }
    pending_.append(chunk.substr(start));
  }

  void Emit(IProcessSink& sink, std::string_view line) {
    isError_ ? sink.OnStdErr(line) : sink.OnStdOut(line);
  }

  TFd fd_;
  bool isError_;
  std::string pending_;
};

timespec ToTimespec(Clock::duration duration) {
  const auto nanoseconds =
      std::max<Clock::duration>(duration, Clock::duration::zero()) / std::chrono::nanoseconds(1);
  return {static_cast<time_t>(nanoseconds / 1'000'000'000),
          static_cast<long>(nanoseconds % 1'000'000'000)};
}

// Follows one run from start to reaping:
//   running --end--> draining --pipes closed--> done
//      | time-out                 | grace over: SIGKILL the group
//      v                          v
//   terminating (SIGTERM sent)  finishing --pipes closed or grace over--> done
//      | grace over: SIGKILL
//      v
//   killed --end--> draining
// An interrupt of the host acts as a time-out with a longer grace; a second
// one goes straight to SIGKILL.
class TSupervisor {
 public:
  // `interruptsAtStart`: the interrupts counted before the program started;
  // any later one, even one that comes before this is made, stops it.
  TSupervisor(TChild& child, TStarted& started, const TProcessSpec& spec, IProcessSink& sink,
              int interruptsAtStart)
      : child_(child),
        streams_{TOutputStream(std::move(started.out), false),
                 TOutputStream(std::move(started.err), true)},
        spec_(spec),
        sink_(sink),
        buffer_(kReadSize),
        interruptsAtStart_(interruptsAtStart),
        interruptsHandled_(interruptsAtStart) {
    if (spec.timeoutMs > 0 && spec.timeoutMs < kNoLimitFromMs) {
      phaseEnd_ = Clock::now() + std::chrono::milliseconds(spec.timeoutMs);
    }
  }

  TProcessOutcome Supervise() {
    while (Step()) {
    }
    child_.KillGroup(SIGKILL);
    for (TOutputStream& stream : streams_) stream.Close(sink_);
    return Outcome(child_.Reap());
  }

 private:
  enum class Phase { Running, Terminating, Killed, Draining, Finishing };

  bool ProgramRunning() const { return phase_ < Phase::Draining; }
  bool AnyStreamOpen() const { return streams_[0].IsOpen() || streams_[1].IsOpen(); }

  // False when the run is over.
  bool Step() {
    if (!ProgramRunning() && !AnyStreamOpen()) return false;
    const bool ended = WaitForEvents();
    const auto now = Clock::now();
    if (ProgramRunning() && ended) return Enter(Phase::Draining, now + kGrace);
    if (InterruptCount() > interruptsHandled_) {
      interruptsHandled_ = InterruptCount();
      const bool first = interruptsHandled_ - interruptsAtStart_ == 1;
      if (phase_ == Phase::Running && first) {
        interrupted_ = true;
        child_.KillGroup(SIGTERM);
        return Enter(Phase::Terminating, now + kInterruptGrace);
      }
      // A second interrupt, or one after the program ended: no more waiting.
      child_.KillGroup(SIGKILL);
      interrupted_ = interrupted_ || ProgramRunning();
      return ProgramRunning() ? Enter(Phase::Killed, Clock::time_point::max())
                              : Enter(Phase::Finishing, now);
    }
    if (now < phaseEnd_) return true;
    switch (phase_) {
      case Phase::Running:
        timedOut_ = true;
        child_.KillGroup(SIGTERM);
        return Enter(Phase::Terminating, now + kGrace);
      case Phase::Terminating:
        child_.KillGroup(SIGKILL);
        return Enter(Phase::Killed, Clock::time_point::max());
      case Phase::Draining:
        child_.KillGroup(SIGKILL);
        return Enter(Phase::Finishing, now + kGrace);
      case Phase::Killed:
      case Phase::Finishing:
        break;
    }
    return false;
  }

  bool Enter(Phase phase, Clock::time_point end) {
    phase_ = phase;
    phaseEnd_ = end;
    return true;
  }

  // Reads what arrived until something happens or the phase ends; true when
  // the program has ended.
  bool WaitForEvents() {
    std::array<pollfd, 4> fds{};
    std::array<TOutputStream*, 2> polled{};
    nfds_t count = 0;
    for (TOutputStream& stream : streams_) {
      if (!stream.IsOpen()) continue;
      polled[count] = &stream;
      fds[count++] = {stream.Fd(), POLLIN, 0};
    }
    const nfds_t streamCount = count;
    const bool watchExit = ProgramRunning();
    if (watchExit && child_.ExitFd() >= 0) fds[count++] = {child_.ExitFd(), POLLIN, 0};
    const nfds_t exitIndex = streamCount;
    if (InterruptWakeFd() >= 0) fds[count++] = {InterruptWakeFd(), POLLIN, 0};

    auto wait =
        phaseEnd_ == Clock::time_point::max() ? Clock::duration::max() : phaseEnd_ - Clock::now();
    if (watchExit && child_.ExitFd() < 0) wait = std::min<Clock::duration>(wait, kExitCheckSlice);
    const timespec timeout = ToTimespec(wait);
    const bool forever = wait == Clock::duration::max();
    // An interrupt that arrives during the call ends it with EINTR, one that
    // arrived before leaves the wake descriptor readable.
    if (ppoll(fds.data(), count, forever ? nullptr : &timeout, nullptr) < 0) return false;
    if (InterruptWakeFd() >= 0 && fds[count - 1].revents != 0) DrainInterruptWakeFd();

    for (nfds_t i = 0; i < streamCount; ++i) {
      if (fds[i].revents != 0) polled[i]->Read(sink_, buffer_.data());
    }
    if (!watchExit) return false;
    return child_.ExitFd() >= 0 ? fds[exitIndex].revents != 0 : child_.HasEnded();
  }

  TProcessOutcome Outcome(int status) const {
    TProcessOutcome outcome;
    if (interrupted_) {
      outcome.kind = TProcessOutcome::Interrupted;
      outcome.signal = InterruptSignal();
    } else if (timedOut_) {
      outcome.kind = TProcessOutcome::TimedOut;
      outcome.timeoutMs = spec_.timeoutMs;
    } else if (WIFSIGNALED(status)) {
      outcome.kind = TProcessOutcome::Signalled;
      outcome.signal = WTERMSIG(status);
    } else {
      outcome.kind = TProcessOutcome::Exited;
      outcome.exitCode = WEXITSTATUS(status);
    }
    return outcome;
  }

  TChild& child_;
  std::array<TOutputStream, 2> streams_;
  const TProcessSpec& spec_;
  IProcessSink& sink_;
  std::vector<char> buffer_;
  Phase phase_ = Phase::Running;
  Clock::time_point phaseEnd_ = Clock::time_point::max();
  bool timedOut_ = false;
  bool interrupted_ = false;
  const int interruptsAtStart_;
  int interruptsHandled_;
};

class TPosixProcessRunner final : public IProcessRunner {
 public:
  TProcessOutcome Run(const TProcessSpec& spec, IProcessSink& sink) override {
    const int interrupts = InterruptCount();
    if (InterruptSignal() != 0) {
      TProcessOutcome outcome;
      outcome.kind = TProcessOutcome::Interrupted;
      outcome.signal = InterruptSignal();
      return outcome;
    }
    TStarted started = Start(spec);
    if (started.pid < 0) {
      TProcessOutcome outcome;
      outcome.kind = TProcessOutcome::CouldNotStart;
      outcome.error = started.error;
      return outcome;
    }
    TChild child(started.pid);
    return TSupervisor(child, started, spec, sink, interrupts).Supervise();
  }
};

}  // namespace

IProcessRunner& RealProcessRunner() {
  static TPosixProcessRunner runner;
  return runner;
}

std::string SignalDescription(int signal) {
  const char* description = sigdescr_np(signal);
  return description ? description : "unknown signal";
}

}  // namespace vy
