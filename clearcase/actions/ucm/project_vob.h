#pragma once
// Project VOBs typed by the user, with or without their leading tag root.

#include <string>

#include "vycore/platform.h"

namespace clearcase {

// A VOB tag starts at its first "\" or "/"; a tag that starts with neither
// gets the platform's tag root in front.
inline std::string RootedVobTag(const std::string& tag) {
  if (!tag.empty() && (tag.front() == '\\' || tag.front() == '/')) return tag;
  return vy::kPathDelimiter + tag;
}

}  // namespace clearcase
