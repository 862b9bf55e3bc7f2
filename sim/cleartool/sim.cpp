#include "sim/cleartool/sim.h"

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <optional>

#include "sim/cleartool/args.h"
#include "sim/cleartool/context.h"
#include "sim/cleartool/fault.h"
#include "sim/cleartool/journal.h"
#include "sim/cleartool/paths.h"
#include "sim/cleartool/text.h"
#include "sim/cleartool/world.h"

namespace ctsim {

namespace {

using FaultHook = std::function<std::optional<int>(const std::vector<Fault>&)>;

std::vector<Fault> WorldFaults(const World& world, std::string_view word) {
  std::vector<Fault> faults;
  for (pugi::xml_node node : world.Root().children("Fault")) {
    std::string command = node.attribute("command").as_string();
    std::string spec = node.attribute("spec").as_string();
    for (Fault f : ParseFaults(command.empty() ? spec : command + "=" + spec)) faults.push_back(f);
  }
  return FaultsFor(faults, word);
}

// sink_fd, when given, receives standard output while the command runs; it is
// read after the faults have acted, which may redirect it.
Outcome Run(const std::string& worldPath, const std::string& cwd, const std::string& user,
            const std::vector<std::string>& args, const FaultHook& hook, const int* sinkFd) {
  Outcome outcome;
  if (worldPath.empty()) {
    outcome.err =
        "cleartool: Error: No world file: set CLEARTOOL_SIM_WORLD to the world of the cleartool "
        "stand-in.\n";
    outcome.status = 1;
    return outcome;
  }
  const CommandSpec* spec = args.empty() ? nullptr : FindCommand(args[0]);
  World world;
  std::optional<WorldLock> lock;
  try {
    if (spec && spec->changesWorld) lock.emplace(worldPath);
    world.Load(worldPath);
    if (hook) {
      if (std::optional<int> status = hook(WorldFaults(world, args.empty() ? "" : args[0]))) {
        outcome.status = *status;
        return outcome;
      }
    }
  } catch (const CtError& e) {
    outcome.err = std::string("cleartool: Error: ") + e.what() + "\n";
    outcome.status = 1;
    return outcome;
  }
  Context ctx(world, cwd, user);
  if (sinkFd) ctx.sinkFd = *sinkFd;
  try {
    if (args.empty()) throw CtError("No command given.");
    if (!spec) throw CtError("Unrecognized command: " + Quoted(args[0]));
    spec->run(ctx, ParseArgs(*spec, std::vector<std::string>(args.begin() + 1, args.end())));
  } catch (const CtError& e) {
    ctx.Error(e.what());
  }
  if (ctx.changed) {
    try {
      world.Save();
    } catch (const CtError& e) {
      ctx.Error(e.what());
    }
  }
  ctx.Flush();
  outcome.status = ctx.status;
  outcome.out = std::move(ctx.out);
  outcome.err = std::move(ctx.err);
  return outcome;
}

void WriteFd(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t n = write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    data.remove_prefix(static_cast<size_t>(n));
  }
}

[[noreturn]] void HangForever() {
  while (true) pause();
}

[[noreturn]] void Crash() {
  struct rlimit noCore = {0, 0};
  setrlimit(RLIMIT_CORE, &noCore);
  struct sigaction action = {};
  action.sa_handler = SIG_DFL;
  sigaction(SIGSEGV, &action, nullptr);
  raise(SIGSEGV);
  raise(SIGKILL);
  std::abort();
}

void Flood(long long bytes) {
  std::string chunk;
  for (int i = 0; chunk.size() < 65536; ++i) {
    std::string line = "flood_name_" + std::to_string(100000 + i) + "\n";
    chunk += line;
  }
  while (bytes > 0) {
    size_t n =
        static_cast<size_t>(std::min<long long>(bytes, static_cast<long long>(chunk.size())));
    WriteFd(1, std::string_view(chunk).substr(0, n));
    bytes -= static_cast<long long>(n);
  }
}

void Binary() {
  static const char kBytes[] = "bin\0ary\xff\xfe\x80 name\n\xc3\x28 half\n\xed\xa0\x80 surrogate\n";
  WriteFd(1, std::string_view(kBytes, sizeof kBytes - 1));
}

struct Program {
  std::string cwd;
  std::string journal;
  std::vector<std::string> args;
  bool stderrOnly = false;

  void Journal(int status, bool known) const {
    if (!journal.empty()) AppendJournal(journal, {cwd, args, status}, known);
  }

  // Acts on the faults that apply; returns an exit status when a fault ends the run.
  std::optional<int> Apply(const std::vector<Fault>& faults) {
    for (const Fault& f : faults) {
      if (f.kind == "slow") {
        usleep(static_cast<useconds_t>(f.amount * 1000));
      } else if (f.kind == "stderr-only") {
        stderrOnly = true;
      } else if (f.kind == "exit") {
        WriteFd(2, "cleartool: Error: Simulated failure (exit status " + std::to_string(f.amount) +
                       ").\n");
        return static_cast<int>(f.amount);
      } else if (f.kind == "flood") {
        Flood(f.amount);
        return 0;
      } else if (f.kind == "binary") {
        Binary();
        return 0;
      } else {
        Journal(-1, false);
        if (f.kind == "crash") Crash();
        if (f.kind == "hang-child" && fork() == 0) HangForever();
        HangForever();
      }
    }
    return std::nullopt;
  }
};

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

Outcome Execute(const std::string& worldPath, const std::string& cwd, const std::string& user,
                const std::vector<std::string>& args) {
  return Run(worldPath, cwd, user, args, nullptr, nullptr);
}

int RunCleartool(const std::vector<std::string>& args) {
  Program program{PhysicalPath("."), Env("CLEARTOOL_SIM_JOURNAL"), args};
  std::string user = Env("USER");
  if (user.empty()) user = "builder";
  std::string word = args.empty() ? "" : args[0];
  auto finish = [&](int status) {
    program.Journal(status, true);
    return status;
  };
  std::vector<Fault> envFaults;
  try {
    envFaults = ParseFaults(Env("CLEARTOOL_SIM_FAULT"));
  } catch (const CtError& e) {
    WriteFd(2, std::string("cleartool: Error: CLEARTOOL_SIM_FAULT: ") + e.what() + "\n");
    return finish(1);
  }
  if (std::optional<int> status = program.Apply(FaultsFor(envFaults, word))) {
    return finish(*status);
  }
  int sinkFd = program.stderrOnly ? 2 : 1;
  Outcome outcome = Run(
      Env("CLEARTOOL_SIM_WORLD"), program.cwd, user, args,
      [&](const std::vector<Fault>& f) {
        std::optional<int> status = program.Apply(f);
        if (program.stderrOnly) sinkFd = 2;
        return status;
      },
      &sinkFd);
  if (program.stderrOnly) outcome.status = 0;
  WriteFd(1, outcome.out);
  WriteFd(2, outcome.err);
  return finish(outcome.status);
}

}  // namespace ctsim
