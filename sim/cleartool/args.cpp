#include "sim/cleartool/args.h"

#include <algorithm>

#include "sim/cleartool/text.h"
#include "sim/cleartool/world.h"

namespace ctsim {

bool Args::Has(std::string_view option) const {
  return std::find(flags.begin(), flags.end(), option) != flags.end() || Value(option);
}

const std::string* Args::Value(std::string_view option) const {
  for (const auto& [name, value] : values) {
    if (name == option) return &value;
  }
  return nullptr;
}

namespace {

enum class OptionKind { None, Flag, Valued };

// Resolves an option word to its full name: exact match first, then a unique prefix.
OptionKind MatchOption(const CommandSpec& spec, const std::string& word, std::string* full) {
  auto exact = [&](const std::vector<std::string>& list) {
    return std::find(list.begin(), list.end(), word) != list.end();
  };
  if (exact(spec.flags)) return *full = word, OptionKind::Flag;
  if (exact(spec.valued)) return *full = word, OptionKind::Valued;
  // The usual one-letter forms win over other options that share the letter.
  for (const char* common : {"-short", "-long", "-recurse"}) {
    if (word.size() == 2 && StartsWith(common, word) &&
        std::find(spec.flags.begin(), spec.flags.end(), common) != spec.flags.end()) {
      return *full = common, OptionKind::Flag;
    }
  }
  OptionKind kind = OptionKind::None;
  int matches = 0;
  for (const auto* list : {&spec.flags, &spec.valued}) {
    for (const std::string& option : *list) {
      if (word.size() > 1 && StartsWith(option, word)) {
        ++matches;
        *full = option;
        kind = list == &spec.flags ? OptionKind::Flag : OptionKind::Valued;
      }
    }
  }
  return matches == 1 ? kind : OptionKind::None;
}

}  // namespace

Args ParseArgs(const CommandSpec& spec, const std::vector<std::string>& rest) {
  Args args;
  for (size_t i = 0; i < rest.size(); ++i) {
    const std::string& word = rest[i];
    if (word.size() < 2 || word[0] != '-') {
      args.operands.push_back(word);
      continue;
    }
    std::string full;
    OptionKind kind = MatchOption(spec, word, &full);
    if (full == "-comment") full = "-c";
    if (full == "-ncomment") full = "-nc";
    switch (kind) {
      case OptionKind::None:
        throw CtError("Unrecognized option " + Quoted(word));
      case OptionKind::Flag:
        args.flags.push_back(full);
        break;
      case OptionKind::Valued:
        if (i + 1 >= rest.size())
          throw CtError("Option " + Quoted(full) + " requires an argument.");
        args.values.emplace_back(full, rest[++i]);
        break;
    }
  }
  return args;
}

}  // namespace ctsim
