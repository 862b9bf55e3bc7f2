#include "clearcase/cleartool/ucm_parsers.h"

#include <algorithm>
#include <utility>

#include "clearcase/cleartool/listing_parsers.h"

namespace clearcase {
namespace {

bool Contains(std::string_view line, std::string_view part) {
  return line.find(part) != std::string_view::npos;
}

// Blanks and control characters at both ends go.
std::string TrimBlanks(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

// The text between the first "(" and the first ")", without an "@VOB" part;
// "" unless the line has a "(" before its first ")".
std::string ComponentOfBaselineLine(std::string_view line) {
  const std::size_t open = line.find('(');
  const std::size_t close = line.find(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) return {};
  std::string_view inside = line.substr(open + 1, close - open - 1);
  return std::string(inside.substr(0, inside.find('@')));
}

// Drops empty entries and repeats of the next entry from a sorted list. The
// last entry always stays, even when it is empty.
void DropEmptyAndRepeated(TStringList& sorted) {
  if (sorted.empty()) return;
  TStringList kept;
  for (std::size_t i = 0; i + 1 < sorted.size(); ++i) {
    if (!sorted[i].empty() && sorted[i] != sorted[i + 1]) kept.push_back(std::move(sorted[i]));
  }
  kept.push_back(std::move(sorted.back()));
  sorted = std::move(kept);
}

}  // namespace

TStringList ParseStreamActivities(std::string_view lsstream) {
  const TStringList lines = CapturedLines(lsstream);
  std::size_t i = 0;
  while (i < lines.size() && !Contains(lines[i], "contains activities:")) ++i;
  TStringList activities;
  for (++i; i < lines.size() && Contains(lines[i], "@"); ++i) {
    std::string_view activity = lines[i];
    activity.remove_prefix(std::min(activity.find_first_not_of(' '), activity.size()));
    activities.emplace_back(activity);
  }
  SortTStrings(activities);
  return activities;
}

TStringList ParseBaselineComponents(std::string_view listing) {
  TStringList components;
  bool inBaselines = false;
  for (const std::string& line : CapturedLines(listing)) {
    if (!inBaselines) {
      inBaselines = Contains(line, "baselines:");
    } else if (Contains(line, ":")) {
      inBaselines = false;
    } else {
      components.push_back(ComponentOfBaselineLine(line));
    }
  }
  SortTStrings(components);
  DropEmptyAndRepeated(components);
  return components;
}

TStringList ParsePromotionLevels(std::string_view description) {
  const TStringList lines = CapturedLines(description);
  if (lines.empty()) return {};
  const std::size_t last = lines.size() - 1;
  std::size_t i = 0;
  while (i < last && !Contains(lines[i], "promotion levels:")) ++i;
  TStringList levels;
  if (i == last) return levels;
  for (++i; i < last && !Contains(lines[i], ":"); ++i) levels.push_back(TrimBlanks(lines[i]));
  return levels;
}

TStringList MergeBaselines(std::string_view listings) {
  TStringList baselines = CapturedLines(listings);
  SortTStrings(baselines);
  ReverseTStrings(baselines);
  baselines.erase(std::unique(baselines.begin(), baselines.end()), baselines.end());
  return baselines;
}

}  // namespace clearcase
