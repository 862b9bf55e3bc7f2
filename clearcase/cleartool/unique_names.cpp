#include "clearcase/cleartool/unique_names.h"

#include <algorithm>
#include <array>
#include <bit>

namespace clearcase {
namespace {

constexpr std::size_t kMinimumCapacity = 64;
// How many names ahead the table slots are fetched. A lookup whose slot is
// already in the cache costs a few nanoseconds; one that waits for memory
// costs a hundred or more, and a branch on its answer stops the processor
// from starting the next.
constexpr std::size_t kLookAhead = 16;

// At most half full, so that probe chains stay short.
std::size_t CapacityFor(std::size_t names) {
  return std::bit_ceil(std::max(kMinimumCapacity, names * 2));
}

std::uint32_t TagOf(std::uint64_t hash) {
  return static_cast<std::uint32_t>(hash >> 32);
}

}  // namespace

TUniqueNames::TUniqueNames(std::size_t expected) : slots_(CapacityFor(expected)) {
  names_.reserve(expected);
}

bool TUniqueNames::AddLines(std::string_view text) {
  std::array<TPending, kLookAhead> pending;
  std::size_t count = 0;
  ForEachLine(text, [&](std::string_view line) {
    if (line.empty()) return;
    TPending& next = pending[count++ % kLookAhead];
    if (count > kLookAhead) Add(next);
    next = {line, TTextHashIgnoringCase()(line)};
    Prefetch(next.hash);
  });
  for (std::size_t i = count > kLookAhead ? count - kLookAhead : 0; i < count; ++i) {
    Add(pending[i % kLookAhead]);
  }
  return count != 0;
}

void TUniqueNames::Prefetch(std::uint64_t hash) const {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
#else
  (void)hash;
#endif
}

std::size_t TUniqueNames::SlotOf(std::string_view name, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = hash & mask;
  while (slots_[slot].entry != 0 &&
         (slots_[slot].tag != TagOf(hash) || !CCSameText(names_[slots_[slot].entry - 1], name))) {
    slot = (slot + 1) & mask;
  }
  return slot;
}

void TUniqueNames::Add(const TPending& name) {
  const std::size_t slot = SlotOf(name.name, name.hash);
  if (slots_[slot].entry != 0) return;
  names_.push_back(name.name);
  slots_[slot] = {static_cast<std::uint32_t>(names_.size()), TagOf(name.hash)};
  if (names_.size() * 2 > slots_.size()) Rehash(slots_.size() * 2);
}

void TUniqueNames::Rehash(std::size_t capacity) {
  slots_.assign(capacity, TSlot());
  for (std::size_t i = 0; i < names_.size(); ++i) {
    const std::uint64_t hash = TTextHashIgnoringCase()(names_[i]);
    slots_[SlotOf(names_[i], hash)] = {static_cast<std::uint32_t>(i + 1), TagOf(hash)};
  }
}

}  // namespace clearcase
