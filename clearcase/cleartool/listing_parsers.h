#pragma once
// Parsers of cleartool's repository listings. Each takes the text as
// cleartool printed it (lines ended by LF or CR LF; empty lines are ignored,
// as the capture drops them) and returns the names the query hands on.

#include <deque>
#include <string>
#include <string_view>

#include "clearcase/cleartool/clearcase_type.h"
#include "clearcase/cleartool/string_lists.h"
#include "clearcase/cleartool/unique_names.h"

namespace clearcase {

// The lines of a captured output: split, without empty lines.
TStringList CapturedLines(std::string_view text);

// "lsvob" without "-short": the tags of the VOBs marked exactly "(ucmvob)",
// sorted. A tag starts at the first "\" or "/" of its line and ends before
// the next blank; a line without a blank after its tag is dropped.
TStringList ParseProjectVobTags(std::string_view lsvob);

// The listing (as CR LF lines) with each trailing " (locked)" marker
// removed, so that locked objects appear under their bare names.
std::string RemoveLockedMarkers(std::string_view listing);

// "lshistory -short": the versions in cleartool's order (newest first), each
// name once; names equal without regard to case count as one. The views
// point into `lshistory`.
TLineViews ParseHistory(std::string_view lshistory);

// "describe attype:NAME": the word after "value type: ", up to the line
// break; empty when there is no such label or no line break follows it.
std::string ParseAttributeValueType(std::string_view description);

// "-version": the product its banner names. The LT name contains the full
// product's, so it is looked for first.
TClearCaseType ParseInstalledType(std::string_view banner);

// Merges the type listings of several VOBs, VOB by VOB: each name once
// (without regard to case), the first spelling kept.
class TTypeNameMerge {
 public:
  // False when the listing holds no name: the walk over the VOBs ends there.
  bool Add(std::string listing);
  // The merged names, sorted; they point into the merge.
  const TLineViews& Result();

 private:
  std::deque<std::string> listings_;  // stable, so that names_ may point into them
  TUniqueNames names_;
};

}  // namespace clearcase
