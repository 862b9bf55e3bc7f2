// The listing parsers: the de-duplications and merges must grow no faster
// than n log n, and a million history lines must parse well under a second.

#include <chrono>
#include <functional>
#include <string>
#include <utility>

#include "bench.h"
#include "clearcase/cleartool/listing_parsers.h"

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

// The growth is timed where text and tables of both sizes stay within the
// processor's caches, so that the ratio shows the algorithm, not the step
// from cache to memory; the largest sizes are timed on their own.
constexpr std::size_t kHistoryLines = 100000;  // n of the growth
constexpr std::size_t kLargestHistory = 1000000;
constexpr std::size_t kVobs = 100;  // n of the growth
constexpr std::size_t kLargestVobs = 1000;
constexpr std::size_t kTypesPerVob = 1000;
constexpr int kRounds = 5;
constexpr double kGrowthTarget = 2.3;
constexpr double kLargestTargetMs = 500;

// Every other line repeats an earlier version, every second repeat in
// another case.
std::string HistoryText(std::size_t lines) {
  std::string text;
  text.reserve(lines * 40);
  for (std::size_t i = 0; i < lines; ++i) {
    const std::size_t version = i % 2 == 0 ? i / 2 : (i / 2 * 7919) % (i / 2 + 1);
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

double TimeMs(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return Milliseconds(Clock::now() - start);
}

// Medians at n and 2n, measured in turns after one round of each to warm
// up, so that both sizes see the same machine.
std::pair<double, double> MedianMs(const std::function<void()>& atN,
                                   const std::function<void()>& at2N) {
  TimeMs(atN);
  TimeMs(at2N);
  std::vector<double> n, twoN;
  for (int round = 0; round < kRounds; ++round) {
    n.push_back(TimeMs(atN));
    twoN.push_back(TimeMs(at2N));
  }
  return {Median(n), Median(twoN)};
}

std::function<void()> ParseHistory(std::size_t lines) {
  return [text = HistoryText(lines)] { clearcase::ParseHistory(text); };
}

// As CCGetAllTypeNames does with what each VOB's listing returns.
std::function<void()> MergeTypes(std::size_t vobs) {
  return [listings = TypeListings(vobs)] {
    clearcase::TTypeNameMerge merge;
    for (const std::string& listing : listings) {
      merge.Add(clearcase::RemoveLockedMarkers(listing));
    }
    merge.Result();
  };
}

}  // namespace

std::vector<BenchRow> RunParseBench() {
  const auto [history, history2] =
      MedianMs(ParseHistory(kHistoryLines), ParseHistory(2 * kHistoryLines));
  const auto [merge, merge2] = MedianMs(MergeTypes(kVobs), MergeTypes(2 * kVobs));
  const auto [largestHistory, largestMerge] =
      MedianMs(ParseHistory(kLargestHistory), MergeTypes(kLargestVobs));
  return {
      {"CCGetHistory parse, 200k vs 100k lines (half repeats)", "ms", history2, history,
       kGrowthTarget},
      {"CCGetHistory parse of 1M lines (half repeats)", "ms", largestHistory, 0, kLargestTargetMs},
      {"CCGetAllTypeNames merge, 200 vs 100 VOBs of 1000 types", "ms", merge2, merge,
       kGrowthTarget},
      {"CCGetAllTypeNames merge of 1000 VOBs of 1000 types", "ms", largestMerge, 0,
       kLargestTargetMs},
  };
}

}  // namespace bench
