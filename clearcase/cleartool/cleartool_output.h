#pragma once
// Runs cleartool once, synchronously, for the design-time listings, and
// returns what it printed. Every listing query goes through here.

#include <cstdint>
#include <string>

#include "clearcase/cleartool/cleartool_settings.h"
#include "clearcase/cleartool/string_lists.h"

namespace clearcase {

// The shortest time a listing may take, whatever the options say.
inline constexpr std::int32_t kMinimumDesignTimeout = 500;

// Runs the settings' cleartool with `Command` and `Params` in `Dir` (empty:
// the folder of the cleartool program) under the settings' time-out. Returns
// the output lines, each followed by CR LF, sorted when `Sorted`, without
// empty lines; "" when cleartool cannot be run, fails, times out or prints
// nothing; a failure is also reported, in words, to the host's listing
// failure handler (services.h). Never throws.
std::string CCGetCleartoolOutput(const TCleartoolSettings& settings, const std::string& command,
                                 const std::string& params, const std::string& dir,
                                 bool sorted) noexcept;
// The same with the current settings (CurrentCleartoolSettings).
std::string CCGetCleartoolOutput(const std::string& command, const std::string& params,
                                 const std::string& dir, bool sorted) noexcept;

// The parameter string of a run: `Command`, one blank, `Params`.
std::string CleartoolParameterString(const std::string& command, const std::string& params);

}  // namespace clearcase
