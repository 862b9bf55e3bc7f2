// The cleartool stand-in program.
#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "arena.h"
#include "sim/cleartool/sim.h"

int main(int argc, char** argv) {
  struct stat st;
  const char* world = std::getenv("CLEARTOOL_SIM_WORLD");
  if (world && stat(world, &st) == 0) ctsim::InstallParserArena(static_cast<size_t>(st.st_size));
  return ctsim::RunCleartool(std::vector<std::string>(argv + 1, argv + argc));
}
