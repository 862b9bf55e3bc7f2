#pragma once
// What the design-time listings need to know to run cleartool. They are
// handed these settings rather than reading the package's options, so that
// the listings sit below the options, the actions and the pages.

#include <cstdint>
#include <string>

namespace clearcase {

struct TCleartoolSettings {
  std::string program;         // the cleartool program; a missing file lists nothing
  std::int32_t timeoutMs = 0;  // raised to the listings' minimum; negative: no limit
  bool listLocal = false;      // type listings leave out types that only appear here
};

// Where the listings that take no settings get them: the plug-in installs
// its options as the source. Without a source nothing runs.
using TCleartoolSettingsSource = TCleartoolSettings (*)();
void SetCleartoolSettingsSource(TCleartoolSettingsSource source);
TCleartoolSettings CurrentCleartoolSettings();

}  // namespace clearcase
