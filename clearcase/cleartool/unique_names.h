#pragma once
// Names each once without regard to case, in the order first seen. Large
// listings (a million history lines, a thousand VOBs of a thousand types)
// pass through here, so it keeps views into the caller's texts, which must
// outlive it, in an open-addressing table: no allocation per name. Each slot
// keeps part of its name's hash, so that probing rarely looks at the names.

#include <cstdint>
#include <string_view>
#include <vector>

#include "clearcase/cleartool/string_lists.h"

namespace clearcase {

class TUniqueNames {
 public:
  explicit TUniqueNames(std::size_t expected = 0);
  // Adds each non-empty line of `text`; false when there is none.
  bool AddLines(std::string_view text);
  TLineViews& Names() { return names_; }

 private:
  struct TSlot {
    std::uint32_t entry = 0;  // 1 + index into names_; 0: free
    std::uint32_t tag = 0;    // the high half of the name's hash
  };
  struct TPending {
    std::string_view name;
    std::uint64_t hash = 0;
  };

  void Prefetch(std::uint64_t hash) const;
  void Add(const TPending& name);
  std::size_t SlotOf(std::string_view name, std::uint64_t hash) const;
  void Rehash(std::size_t capacity);

  TLineViews names_;
  std::vector<TSlot> slots_;
};

}  // namespace clearcase
