// The parsers of the query layer, fed as if cleartool had printed the input.

#include <algorithm>
#include <set>

#include "clearcase/cleartool/case_folding.h"
#include "clearcase/cleartool/listing_parsers.h"
#include "clearcase/cleartool/ucm_parsers.h"
#include "fuzz/targets.h"

namespace vyfuzz {
namespace {

using clearcase::CCCompareText;
using clearcase::TStringList;

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

template <class List>
bool Ascending(const List& lines) {
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (CCCompareText(lines[i - 1], lines[i]) > 0) return false;
  }
  return true;
}

// The listings' own notion of "equal without regard to case": a checker that
// folded only A-Z would count two spellings of one Unicode name as two.
std::string Folded(std::string_view name) {
  return clearcase::CCFoldedText(name);
}

// Each name once, names equal without regard to case counting as one.
template <class List>
bool UniqueIgnoringCase(const List& lines) {
  std::set<std::string> seen;
  for (std::string_view line : lines) {
    if (!seen.insert(Folded(line)).second) return false;
  }
  return true;
}

template <class List>
bool AnyEmpty(const List& lines) {
  for (std::string_view line : lines) {
    if (line.empty()) return true;
  }
  return false;
}

}  // namespace

std::string FuzzCapturedLines(std::string_view data) {
  const TStringList lines = clearcase::CapturedLines(data);
  for (const std::string& line : lines) {
    if (line.empty() || Contains(line, "\n")) return "a captured line is empty or holds a LF";
  }
  if (clearcase::CapturedLines(clearcase::LinesText(lines)) != lines) {
    return "the lines change when captured again";
  }
  return {};
}

std::string FuzzProjectVobTags(std::string_view data) {
  const TStringList tags = clearcase::ParseProjectVobTags(data);
  for (const std::string& tag : tags) {
    if (tag.empty() || (tag.front() != '/' && tag.front() != '\\') || Contains(tag, " ")) {
      return "a project VOB tag does not start at a tag root or holds a blank";
    }
  }
  return Ascending(tags) ? std::string() : "the project VOB tags are not sorted";
}

std::string FuzzLockedMarkers(std::string_view data) {
  const std::string text = clearcase::RemoveLockedMarkers(data);
  if (!text.empty() && !text.ends_with("\r\n")) return "the listing does not end with CR LF";
  std::size_t names = 0;
  clearcase::ForEachLine(data, [&names](std::string_view line) { names += line.empty() ? 0 : 1; });
  std::size_t lines = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos;
       at = text.find("\r\n", at + 2)) {
    ++lines;
  }
  return lines == names ? std::string() : "removing the markers changes the number of names";
}

std::string FuzzHistory(std::string_view data) {
  const clearcase::TLineViews versions = clearcase::ParseHistory(data);
  if (AnyEmpty(versions)) return "an empty version";
  if (!UniqueIgnoringCase(versions)) return "a version appears twice";
  std::set<std::string> distinct;
  clearcase::ForEachLine(data, [&distinct](std::string_view line) {
    if (!line.empty()) distinct.insert(Folded(line));
  });
  return distinct.size() == versions.size() ? std::string() : "versions were lost";
}

std::string FuzzAttributeValueType(std::string_view data) {
  const std::string type = clearcase::ParseAttributeValueType(data);
  return Contains(type, "\n") ? "the value type holds a line break" : std::string();
}

std::string FuzzInstalledType(std::string_view data) {
  const clearcase::TClearCaseType type = clearcase::ParseInstalledType(data);
  if (type != clearcase::ccUnknown && !Contains(data, "Rational ClearCase")) {
    return "a product is found in a banner that names none";
  }
  return {};
}

// The listings of several VOBs, separated by form feeds.
std::string FuzzTypeNameMerge(std::string_view data) {
  clearcase::TTypeNameMerge merge;
  while (merge.Add(std::string(data.substr(0, data.find('\f'))))) {
    if (!Contains(data, "\f")) break;
    data.remove_prefix(data.find('\f') + 1);
  }
  const clearcase::TLineViews& names = merge.Result();
  if (AnyEmpty(names)) return "an empty type name";
  if (!Ascending(names)) return "the type names are not sorted";
  return UniqueIgnoringCase(names) ? std::string() : "a type name appears twice";
}

std::string FuzzStreamActivities(std::string_view data) {
  const TStringList activities = clearcase::ParseStreamActivities(data);
  for (const std::string& activity : activities) {
    if (!Contains(activity, "@") || activity.starts_with(" ")) {
      return "an activity without its VOB or with its indentation";
    }
  }
  return Ascending(activities) ? std::string() : "the activities are not sorted";
}

std::string FuzzBaselineComponents(std::string_view data) {
  const TStringList components = clearcase::ParseBaselineComponents(data);
  for (const std::string& component : components) {
    if (Contains(component, "@") || Contains(component, ")")) {
      return "a component keeps its VOB or its parenthesis";
    }
  }
  return Ascending(components) ? std::string() : "the components are not sorted";
}

std::string FuzzPromotionLevels(std::string_view data) {
  for (const std::string& level : clearcase::ParsePromotionLevels(data)) {
    if (Contains(level, ":") || level.starts_with(" ") || level.ends_with(" ")) {
      return "a promotion level holds a colon or blanks around it";
    }
  }
  return {};
}

std::string FuzzMergeBaselines(std::string_view data) {
  TStringList baselines = clearcase::MergeBaselines(data);
  if (AnyEmpty(baselines)) return "an empty baseline";
  const std::set<std::string> distinct(baselines.begin(), baselines.end());
  if (distinct.size() != baselines.size()) return "a baseline appears twice";
  std::reverse(baselines.begin(), baselines.end());
  return Ascending(baselines) ? std::string() : "the baselines are not in descending order";
}

}  // namespace vyfuzz
