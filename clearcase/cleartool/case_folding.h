#pragma once
// Case folding of the names in listings, the same on every machine whatever
// its locale: each valid UTF-8 sequence stands for the simple case folding of
// its code point (written again in UTF-8), every other byte for itself. Names
// are then ordered by their folded bytes, which for valid UTF-8 is the order
// of the folded code points.

#include <string>
#include <string_view>

namespace clearcase {

// The simple case folding of a code point: itself when it has none.
char32_t CCFoldCodePoint(char32_t c);

// The folded bytes of a text, one at a time. `from` must be the start of a
// character (every byte before it below 0x80 will do).
class TFoldedBytes {
 public:
  explicit TFoldedBytes(std::string_view text, std::size_t from = 0)
      : text_(text), position_(from) {}

  // The next folded byte (0 to 255), or -1 at the end.
  int Next() {
    if (pendingAt_ < pendingCount_) return pending_[pendingAt_++];
    if (position_ >= text_.size()) return -1;
    const auto byte = static_cast<unsigned char>(text_[position_]);
    if (byte < 0x80) {
      ++position_;
      return byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte;
    }
    return NextSequence();
  }

 private:
  int NextSequence();

  std::string_view text_;
  std::size_t position_;
  unsigned char pending_[4] = {};
  int pendingCount_ = 0;
  int pendingAt_ = 0;
};

// The whole folded text.
std::string CCFoldedText(std::string_view text);

}  // namespace clearcase
