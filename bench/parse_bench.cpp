// The listing parsers: the de-duplications and merges must grow no faster
// than n log n, and a million history lines must parse well under a second.

#include <chrono>
#include <functional>
#include <string>

#include "bench.h"
#include "clearcase/cleartool/listing_parsers.h"

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kHistoryLines = 500000;  // n; 2n is the million of the target
constexpr std::size_t kVobs = 500;             // n; 2n is a thousand VOBs
constexpr std::size_t kTypesPerVob = 1000;
constexpr int kRounds = 3;
constexpr double kGrowthTarget = 2.3;
constexpr double kLargestTargetMs = 500;

// Half of the lines repeat an earlier version, some in another case, as a
// history of many branches merged back shows.
std::string HistoryText(std::size_t lines) {
  std::string text;
  text.reserve(lines * 40);
  for (std::size_t i = 0; i < lines; ++i) {
    const std::size_t version = i % 2 == 0 ? i : i / 2;
    text += (i % 4 == 3 ? "SRC/Module_" : "src/module_") + std::to_string(version % 997) +
            ".c@@/main/dev/" + std::to_string(version) + "\r\n";
  }
  return text;
}

// Every VOB holds the same release labels and as many of its own.
std::vector<std::string> TypeListings(std::size_t vobs) {
  std::vector<std::string> listings;
  for (std::size_t vob = 0; vob < vobs; ++vob) {
    std::string text;
    for (std::size_t type = 0; type < kTypesPerVob / 2; ++type) {
      text += (vob % 2 == 0 ? "REL_" : "rel_") + std::to_string(type) + "\r\n";
      text += "VOB" + std::to_string(vob) + "_BUILD_" + std::to_string(type) + " (locked)\r\n";
    }
    listings.push_back(std::move(text));
  }
  return listings;
}

double MedianMs(const std::function<void()>& work) {
  std::vector<double> times;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = Clock::now();
    work();
    times.push_back(Milliseconds(Clock::now() - start));
  }
  return Median(times);
}

double HistoryMs(std::size_t lines) {
  const std::string text = HistoryText(lines);
  return MedianMs([&] { clearcase::ParseHistory(text); });
}

double MergeMs(std::size_t vobs) {
  const std::vector<std::string> listings = TypeListings(vobs);
  return MedianMs([&] {
    clearcase::TTypeNameMerge merge;
    for (const std::string& listing : listings) {
      merge.Add(clearcase::LinesText(clearcase::RemoveLockedMarkers(listing)));
    }
    merge.Result();
  });
}

}  // namespace

std::vector<BenchRow> RunParseBench() {
  const double history = HistoryMs(kHistoryLines), history2 = HistoryMs(2 * kHistoryLines);
  const double merge = MergeMs(kVobs), merge2 = MergeMs(2 * kVobs);
  return {
      {"CCGetHistory parse, 1M vs 500k lines (half repeats)", "ms", history2, history, kGrowthTarget},
      {"CCGetHistory parse of 1M lines", "ms", history2, 0, kLargestTargetMs},
      {"CCGetAllTypeNames merge, 1000 vs 500 VOBs of 1000 types", "ms", merge2, merge,
       kGrowthTarget},
      {"CCGetAllTypeNames merge of 1000 VOBs of 1000 types", "ms", merge2, 0, kLargestTargetMs},
  };
}

}  // namespace bench
