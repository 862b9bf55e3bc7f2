// A bump allocator for the XML parser, backed by memory that is faulted in with
// one system call. The program uses it; the library and its tests do not.
#pragma once

#include <cstddef>

namespace ctsim {

// Installs the arena as pugixml's allocator, sized for a world of world_bytes.
void InstallParserArena(size_t worldBytes);

}  // namespace ctsim
