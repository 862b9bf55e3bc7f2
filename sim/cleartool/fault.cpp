#include "sim/cleartool/fault.h"

#include "sim/cleartool/args.h"
#include "sim/cleartool/text.h"
#include "sim/cleartool/world.h"

namespace ctsim {

namespace {

Fault ParseOne(const std::string& item) {
  Fault fault;
  std::string rest = item;
  size_t eq = rest.find('=');
  if (eq != std::string::npos) {
    fault.command = Trim(rest.substr(0, eq));
    rest = rest.substr(eq + 1);
  }
  rest = Trim(rest);
  size_t colon = rest.find(':');
  fault.kind = rest.substr(0, colon);
  bool needsAmount = fault.kind == "exit" || fault.kind == "slow" || fault.kind == "flood";
  bool plain = fault.kind == "hang" || fault.kind == "hang-child" || fault.kind == "binary" ||
               fault.kind == "crash" || fault.kind == "stderr-only";
  bool hasAmount = colon != std::string::npos;
  if ((!needsAmount && !plain) || needsAmount != hasAmount ||
      (hasAmount && (!ParseInteger(rest.substr(colon + 1), &fault.amount) || fault.amount < 0))) {
    throw CtError("Invalid fault " + Quoted(item) + ".");
  }
  return fault;
}

}  // namespace

std::vector<Fault> ParseFaults(std::string_view spec) {
  std::vector<Fault> faults;
  for (const std::string& item : Split(spec, ',')) {
    if (!Trim(item).empty()) faults.push_back(ParseOne(item));
  }
  return faults;
}

std::vector<Fault> FaultsFor(const std::vector<Fault>& faults, std::string_view word) {
  const CommandSpec* spec = FindCommand(word);
  std::vector<Fault> applying;
  for (const Fault& f : faults) {
    bool match = f.command.empty() || f.command == word || (spec && FindCommand(f.command) == spec);
    if (match) applying.push_back(f);
  }
  return applying;
}

}  // namespace ctsim
