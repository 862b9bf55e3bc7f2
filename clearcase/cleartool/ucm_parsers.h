#pragma once
// Parsers of cleartool's UCM reports. Like the repository parsers they take
// the text as cleartool printed it (LF or CR LF, empty lines ignored).

#include <string_view>

#include "clearcase/cleartool/string_lists.h"

namespace clearcase {

// "lsstream -long": the activities listed under "contains activities:",
// without their indentation, sorted. Empty when the header is missing.
TStringList ParseStreamActivities(std::string_view lsstream);

// "lsstream -l" or "lsproject -l": the component names inside the
// parentheses of the baseline lines, without their VOB part, sorted, each
// once.
TStringList ParseBaselineComponents(std::string_view listing);

// "describe vob:PVOB": the promotion levels in the VOB's order.
TStringList ParsePromotionLevels(std::string_view description);

// Baseline listings of several streams, one after the other: every baseline
// once, in descending order.
TStringList MergeBaselines(std::string_view listings);

}  // namespace clearcase
