#include "clearcase/cleartool/listing_parsers.h"

#include <algorithm>
#include <utility>

#include "vycore/platform.h"

namespace clearcase {
namespace {

// Put in front of a project VOB tag that begins with no tag root at all.
constexpr char kVobTagRoot = vy::kPathDelimiter;

constexpr std::string_view kLockedMarker = " (locked)";
constexpr std::string_view kValueTypeLabel = "value type:";
// The label and the blank after it.
constexpr std::size_t kValueTypeOffset = 12;

// Where the tag of an "lsvob" line starts: at its first tag root, or, in a
// line without any, at the first word after the mount marker.
std::string_view FromVobTag(std::string_view line) {
  std::size_t start = line.find_first_of("\\/");
  if (start == std::string_view::npos) start = line.find_first_not_of("* ");
  return start == std::string_view::npos ? std::string_view() : line.substr(start);
}

// The tag of one "lsvob" line, or "" when no blank follows it.
std::string VobTagOfLine(std::string_view line) {
  line = FromVobTag(line);
  const std::size_t blank = line.find(' ');
  if (blank == std::string_view::npos) return {};
  std::string tag(line.substr(0, blank));
  if (tag.front() != '\\' && tag.front() != '/') tag.insert(tag.begin(), kVobTagRoot);
  return tag;
}

}  // namespace

TStringList CapturedLines(std::string_view text) {
  TStringList lines = SplitLines(text);
  TrimTStrings(lines);
  return lines;
}

TStringList ParseProjectVobTags(std::string_view lsvob) {
  TStringList tags;
  for (const std::string& line : CapturedLines(lsvob)) {
    if (line.find("(ucmvob)") == std::string::npos) continue;
    std::string tag = VobTagOfLine(line);
    if (!tag.empty()) tags.push_back(std::move(tag));
  }
  SortTStrings(tags);
  return tags;
}

std::string RemoveLockedMarkers(std::string_view listing) {
  std::string text;
  text.reserve(listing.size());
  ForEachLine(listing, [&text](std::string_view line) {
    if (line.empty()) return;
    if (line.ends_with(kLockedMarker)) line.remove_suffix(kLockedMarker.size());
    text.append(line).append("\r\n");
  });
  return text;
}

TLineViews ParseHistory(std::string_view lshistory) {
  TUniqueNames versions(
      static_cast<std::size_t>(std::count(lshistory.begin(), lshistory.end(), '\n')));
  versions.AddLines(lshistory);
  return std::move(versions.Names());
}

std::string ParseAttributeValueType(std::string_view description) {
  const std::size_t label = description.find(kValueTypeLabel);
  if (label == std::string_view::npos) return {};
  std::string_view rest =
      description.substr(std::min(label + kValueTypeOffset, description.size()));
  const std::size_t end = rest.find('\n');
  if (end == std::string_view::npos) return {};
  rest = rest.substr(0, end);
  if (rest.ends_with('\r')) rest.remove_suffix(1);
  return std::string(rest);
}

TClearCaseType ParseInstalledType(std::string_view banner) {
  if (banner.find("Rational ClearCase LT") != std::string_view::npos) return ccLT;
  if (banner.find("Rational ClearCase") != std::string_view::npos) return ccFull;
  return ccUnknown;
}

bool TTypeNameMerge::Add(std::string listing) {
  return names_.AddLines(listings_.emplace_back(std::move(listing)));
}

const TLineViews& TTypeNameMerge::Result() {
  SortLineViews(names_.Names());
  return names_.Names();
}

}  // namespace clearcase
