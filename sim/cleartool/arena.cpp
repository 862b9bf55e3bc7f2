#include "arena.h"

#include <sys/mman.h>

#include <cstdlib>
#include <pugixml.hpp>

namespace ctsim {

namespace {

char* g_begin = nullptr;
char* g_next = nullptr;
char* g_end = nullptr;

void* Allocate(size_t size) {
  size = (size + 15) & ~size_t{15};
  if (static_cast<size_t>(g_end - g_next) >= size) {
    void* block = g_next;
    g_next += size;
    return block;
  }
  return std::malloc(size);
}

// Arena blocks are released with the process.
void Deallocate(void* block) {
  char* p = static_cast<char*>(block);
  if (p < g_begin || p >= g_end) std::free(block);
}

}  // namespace

void InstallParserArena(size_t worldBytes) {
  // The document needs about three times the text; one populated mapping is far
  // cheaper than hundreds of separate page faults.
  size_t size = worldBytes * 3 + (256 << 10);
  void* region = mmap(nullptr, size, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
  if (region == MAP_FAILED) return;
  g_begin = g_next = static_cast<char*>(region);
  g_end = g_begin + size;
  pugi::set_memory_management_functions(Allocate, Deallocate);
}

}  // namespace ctsim
