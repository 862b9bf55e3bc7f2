// What tests see of stand-in runs that are still alive, so that they can
// prove that no run outlives the program that started it.
#pragma once

#include <string>

namespace ctsim {

// The number of live processes of this user whose environment holds the
// exact entry `nameValue` ("CLEARTOOL_SIM_WORLD=/tmp/w/demo.xml"). Zombies
// count as ended: their environment can no longer be read.
int ProcessesWithEnvironment(const std::string& nameValue);

}  // namespace ctsim
