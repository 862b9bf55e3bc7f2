#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <string.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>

#include "vycore/interrupt.h"

namespace vy {
namespace {

// Written by the handler, so lock-free atomics and a pipe only.
std::atomic<int> gSignal{0};
std::atomic<int> gCount{0};
std::atomic<int> gWakeRead{-1};
std::atomic<int> gWakeWrite{-1};

static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void OnInterrupt(int signal) {
  const int savedErrno = errno;
  int expected = 0;
  gSignal.compare_exchange_strong(expected, signal);
  gCount.fetch_add(1);
  const int fd = gWakeWrite.load();
  if (fd >= 0) {
    const char byte = 1;
    (void)!write(fd, &byte, 1);  // a full pipe already wakes the reader
  }
  errno = savedErrno;
}

}  // namespace

void InstallInterruptHandlers() {
  static std::once_flag once;
  std::call_once(once, [] {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
      gWakeRead.store(fds[0]);
      gWakeWrite.store(fds[1]);
    }
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigset_t interrupts;
    sigemptyset(&interrupts);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
      sigaction(signal, &action, nullptr);
      sigaddset(&interrupts, signal);
    }
    // A parent may hand them down blocked (test runners do); they would then
    // wait unseen while the run goes on.
    pthread_sigmask(SIG_UNBLOCK, &interrupts, nullptr);
  });
}

int InterruptSignal() {
  return gSignal.load();
}

int InterruptCount() {
  return gCount.load();
}

int InterruptWakeFd() {
  return gWakeRead.load();
}

void DrainInterruptWakeFd() {
  const int fd = gWakeRead.load();
  if (fd < 0) return;
  char buffer[64];
  while (read(fd, buffer, sizeof buffer) > 0) {
  }
}

const char* SignalName(int signal) {
  static thread_local char name[16];
  const char* abbreviation = sigabbrev_np(signal);
  if (abbreviation == nullptr) return "an unknown signal";
  strcpy(name, "SIG");
  strncat(name, abbreviation, sizeof name - 4);
  return name;
}

void ResetInterruptsForTesting() {
  DrainInterruptWakeFd();
  gSignal.store(0);
  gCount.store(0);
}

}  // namespace vy
