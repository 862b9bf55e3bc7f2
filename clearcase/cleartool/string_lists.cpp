#include "clearcase/cleartool/string_lists.h"

#include "clearcase/cleartool/case_folding.h"

#include <algorithm>
#include <bit>
#include <compare>
#include <cstdint>
#include <cstring>
#include <utility>

namespace clearcase {
namespace {

unsigned char Fold(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// Listings run to a million names, so names are folded and compared eight
// bytes at a time.
std::uint64_t LoadWord(const char* bytes, std::size_t count = 8) {
  std::uint64_t word = 0;
  std::memcpy(&word, bytes, count);
  return word;
}

constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

// Fold() of each byte of the word at once.
std::uint64_t FoldWord(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  const std::uint64_t low = word & ~kHighBits;
  const std::uint64_t atLeastA = low + kOnes * (0x80 - 'A');
  const std::uint64_t aboveZ = low + kOnes * (0x80 - 'Z' - 1);
  const std::uint64_t upper = atLeastA & ~aboveZ & ~word & kHighBits;
  return word | (upper >> 2);
}

bool IsAscii(std::string_view text) {
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    if ((LoadWord(text.data() + i) & kHighBits) != 0) return false;
  }
  for (; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
  }
  return true;
}

// Compares the folded bytes. Names are mostly ASCII: those parts go eight
// bytes at a time, and only from the first byte above ASCII on are the
// characters decoded.
int CompareFolded(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  std::size_t i = 0;
  for (; i + 8 <= common; i += 8) {
    const std::uint64_t x = LoadWord(a.data() + i), y = LoadWord(b.data() + i);
    if (((x | y) & kHighBits) != 0 || FoldWord(x) != FoldWord(y)) break;
  }
  for (; i < common; ++i) {
    const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 0x80 || y >= 0x80) break;
    if (Fold(a[i]) != Fold(b[i])) return Fold(a[i]) < Fold(b[i]) ? -1 : 1;
  }
  if (i == common) return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
  // Every byte before i is ASCII in both: a character starts at i in each.
  TFoldedBytes x(a, i), y(b, i);
  for (;;) {
    const int p = x.Next(), q = y.Next();
    if (p != q) return p < q ? -1 : 1;  // the end (-1) comes first
    if (p < 0) return 0;
  }
}

}  // namespace

int CCCompareText(std::string_view a, std::string_view b) {
  const int folded = CompareFolded(a, b);
  return folded != 0 ? folded : a.compare(b);
}

bool CCSameText(std::string_view a, std::string_view b) {
  // Folding changes the length only of a text with bytes above ASCII.
  if (a.size() != b.size() && IsAscii(a) && IsAscii(b)) return false;
  return CompareFolded(a, b) == 0;
}

namespace {

// The hash of the folded bytes of an ASCII text, or false when the text
// holds a byte above ASCII. FoldWord() leaves folded bytes as they are, so
// that the same serves for a text folded already.
bool HashAscii(std::string_view text, std::uint64_t& result) {
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  std::uint64_t hash = text.size();
  while (!text.empty()) {
    const std::size_t count = std::min<std::size_t>(text.size(), 8);
    const std::uint64_t word = LoadWord(text.data(), count);
    if ((word & kHighBits) != 0) return false;
    hash = (hash ^ FoldWord(word)) * kMultiplier;
    hash ^= hash >> 32;
    text.remove_prefix(count);
  }
  // The final mix of MurmurHash3: every input bit reaches the low bits that
  // pick a slot.
  hash ^= hash >> 33;
  hash *= 0xFF51AFD7ED558CCDull;
  hash ^= hash >> 33;
  hash *= 0xC4CEB9FE1A85EC53ull;
  hash ^= hash >> 33;
  result = hash;
  return true;
}

// The same for a folded text with bytes above ASCII, taken as they are.
std::uint64_t HashBytes(std::string_view text) {
  std::uint64_t hash = text.size();
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  return hash ^ (hash >> 29);
}

}  // namespace

// The hash of the folded bytes.
std::uint64_t TTextHashIgnoringCase::operator()(std::string_view text) const noexcept {
  std::uint64_t hash = 0;
  if (HashAscii(text, hash)) return hash;
  try {
    const std::string folded = CCFoldedText(text);
    // Folding may leave only ASCII ("K" for the Kelvin sign): hash that as ASCII.
    return HashAscii(folded, hash) ? hash : HashBytes(folded);
  } catch (...) {
    return 0;  // out of memory: a poor hash, still a correct one
  }
}

namespace {

// Eight ASCII bytes folded, the first in the highest byte.
std::uint64_t FoldWordInOrder(const char* bytes) {
  const std::uint64_t folded = FoldWord(LoadWord(bytes));
  if constexpr (std::endian::native == std::endian::big) return folded;
  return __builtin_bswap64(folded);
}

// The first sixteen folded bytes in two integers whose order is theirs, so
// that most comparisons of a large sort touch neither the names nor their
// bytes.
struct TOrderPrefix {
  std::uint64_t high = 0, low = 0;

  explicit TOrderPrefix(std::string_view text) {
    if (text.size() >= 16 &&
        ((LoadWord(text.data()) | LoadWord(text.data() + 8)) & kHighBits) == 0) {
      high = FoldWordInOrder(text.data());
      low = FoldWordInOrder(text.data() + 8);
      return;
    }
    TFoldedBytes bytes(text);
    for (std::size_t i = 0; i < 16; ++i) {
      std::uint64_t& word = i < 8 ? high : low;
      const int byte = bytes.Next();
      word = word << 8 | static_cast<std::uint64_t>(byte < 0 ? 0 : byte);
    }
  }
  auto operator<=>(const TOrderPrefix&) const = default;
};

template <class Line>
void SortByText(std::vector<Line>& lines) {
  struct Entry {
    TOrderPrefix prefix;
    Line* line;
  };
  std::vector<Entry> entries;
  entries.reserve(lines.size());
  for (Line& line : lines) entries.push_back({TOrderPrefix(line), &line});
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    return CCCompareText(*a.line, *b.line) < 0;
  });
  std::vector<Line> sorted;
  sorted.reserve(lines.size());
  for (const Entry& entry : entries) sorted.push_back(std::move(*entry.line));
  lines = std::move(sorted);
}

}  // namespace

void SortTStrings(TStringList& lines) {
  SortByText(lines);
}

void SortLineViews(TLineViews& lines) {
  SortByText(lines);
}

void TrimTStrings(TStringList& lines) {
  std::erase_if(lines, [](const std::string& line) { return line.empty(); });
}

void ReverseTStrings(TStringList& lines) {
  std::reverse(lines.begin(), lines.end());
}

TLineViews SplitLineViews(std::string_view text) {
  TLineViews lines;
  ForEachLine(text, [&lines](std::string_view line) { lines.push_back(line); });
  return lines;
}

TStringList SplitLines(std::string_view text) {
  const TLineViews views = SplitLineViews(text);
  return TStringList(views.begin(), views.end());
}

namespace {

template <class Lines>
std::string JoinWithCrLf(const Lines& lines) {
  std::size_t size = 0;
  for (std::string_view line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (std::string_view line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace

std::string LinesText(const TStringList& lines) {
  return JoinWithCrLf(lines);
}

std::string LinesText(const TLineViews& lines) {
  return JoinWithCrLf(lines);
}

}  // namespace clearcase
