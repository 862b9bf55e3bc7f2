// The invocation journal: one JSON line per cleartool run, for end-to-end tests.
#pragma once

#include <string>
#include <vector>

namespace ctsim {

struct JournalEntry {
  std::string cwd;
  std::vector<std::string> argv;  // without the program name, exactly as received
  int status;                     // exit status; -1 when the run hung or crashed (JSON null)
};

// Appends one line; concurrent writers never interleave (O_APPEND, one write, flock).
void AppendJournal(const std::string& path, const JournalEntry& entry, bool statusKnown);
// Reads every line of a journal; a missing file gives an empty list, a malformed
// line throws std::runtime_error naming the line.
std::vector<JournalEntry> ReadJournal(const std::string& path);

}  // namespace ctsim
