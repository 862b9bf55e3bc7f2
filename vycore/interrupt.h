#pragma once
// Interrupts of the host program: SIGINT (Ctrl-C), SIGTERM (what a CI system
// sends to cancel a job) and SIGHUP. A program that installs the handlers is
// not killed by them. Instead the program it is running is stopped with its
// whole process group (SIGTERM, then SIGKILL after a grace; a second
// interrupt kills at once), no further program starts, and the host ends its
// run in order and exits with 128 plus the signal number.

namespace vy {

// Installs the handlers; later calls do nothing.
void InstallInterruptHandlers();

// The signal of the first interrupt; 0 while none has arrived.
int InterruptSignal();
// How many interrupts have arrived.
int InterruptCount();
// Becomes readable at each interrupt; -1 while no handler is installed. Who
// waits on it drains it and compares InterruptCount() with what it handled.
int InterruptWakeFd();
void DrainInterruptWakeFd();

// "SIGINT" for 2, and so on.
const char* SignalName(int signal);

// Forgets the interrupts that arrived (the handlers stay).
void ResetInterruptsForTesting();

}  // namespace vy
