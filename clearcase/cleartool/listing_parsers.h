#pragma once
// Parsers of cleartool's repository listings. Each takes the text as
// cleartool printed it (lines ended by LF or CR LF; empty lines are ignored,
// as the capture drops them) and returns the names the query hands on.

#include <string>
#include <string_view>
#include <unordered_set>

#include "clearcase/cleartool/string_lists.h"

namespace clearcase {

// The lines of a captured output: split, without empty lines.
TStringList CapturedLines(std::string_view text);

// "lsvob" without "-short": the tags of the VOBs marked exactly "(ucmvob)",
// sorted. A tag starts at the first "\" or "/" of its line and ends before
// the next blank; a line without a blank after its tag is dropped.
TStringList ParseProjectVobTags(std::string_view lsvob);

// A listing with each trailing " (locked)" marker removed, so that locked
// objects appear under their bare names.
TStringList RemoveLockedMarkers(std::string_view listing);

// "lshistory -short": the versions in cleartool's order (newest first), each
// name once; names equal without regard to case count as one.
TStringList ParseHistory(std::string_view lshistory);

// "describe attype:NAME": the word after "value type: ", up to the line
// break; empty when there is no such label or no line break follows it.
std::string ParseAttributeValueType(std::string_view description);

// Merges the type listings of several VOBs, VOB by VOB: each name once
// (without regard to case), the first spelling kept.
class TTypeNameMerge {
 public:
  // False when the listing holds no name: the walk over the VOBs ends there.
  bool Add(std::string_view listing);
  // The merged names, sorted.
  TStringList Result();

 private:
  TStringList names_;
  std::unordered_set<std::string> seen_;
};

}  // namespace clearcase
