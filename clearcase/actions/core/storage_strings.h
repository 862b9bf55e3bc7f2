#pragma once
// Lists published as one string: every entry followed by CR LF, the last one
// included; the empty list is the empty string. There is no escaping, so an
// entry cannot hold a line break.

#include <string>
#include <string_view>

#include "vycore/types.h"

namespace clearcase {

// A line ends at CR LF, a lone CR or a lone LF; a break at the very end starts
// no further entry; entries are not trimmed.
vy::TStringList SplitStorageString(std::string_view text);
std::string JoinStorageString(const vy::TStringList& entries);

// Path names: lines holding "@@" anywhere are version-extended path names.
void SplitPathNames(std::string_view text, vy::TStringList& viewPathNames,
                    vy::TStringList& extendedPathNames);

}  // namespace clearcase
