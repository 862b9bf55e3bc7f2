// Faults that make the stand-in misbehave on purpose, for tests of the callers.
//
// Syntax: a list separated by ",", each item "[COMMAND=]FAULT" with FAULT one of
// exit:N, hang, hang-child, slow:MS, flood:BYTES, binary, crash, stderr-only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ctsim {

struct Fault {
  std::string command;  // empty: every command
  std::string kind;     // "exit", "hang", "hang-child", "slow", "flood", "binary", ...
  long long amount = 0;
};

// Throws CtError on a malformed list.
std::vector<Fault> ParseFaults(std::string_view spec);
// The faults that apply to a command word (its name, an alias, or the word as typed).
std::vector<Fault> FaultsFor(const std::vector<Fault>& faults, std::string_view word);

}  // namespace ctsim
