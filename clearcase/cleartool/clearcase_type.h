#pragma once
// The installed ClearCase product: the options keep it, the listings detect it.

#include <cstdint>

namespace clearcase {

enum TClearCaseType : std::uint8_t { ccUnknown, ccLT, ccFull };

}  // namespace clearcase
