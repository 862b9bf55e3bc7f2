#include "sim/cleartool/journal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <stdexcept>

#include "sim/cleartool/text.h"

namespace ctsim {

void AppendJournal(const std::string& path, const JournalEntry& entry, bool statusKnown) {
  std::string line = "{\"cwd\":" + JsonString(entry.cwd) + ",\"argv\":[";
  for (size_t i = 0; i < entry.argv.size(); ++i) {
    if (i) line += ",";
    line += JsonString(entry.argv[i]);
  }
  line += "],\"status\":" + (statusKnown ? std::to_string(entry.status) : "null") + "}\n";
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (fd < 0) return;
  while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
  size_t done = 0;
  while (done < line.size()) {
    ssize_t n = write(fd, line.data() + done, line.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  close(fd);
}

namespace {

// A small reader for exactly the lines AppendJournal writes.
class LineParser {
 public:
  explicit LineParser(const std::string& text) : s_(text) {}

  JournalEntry Parse() {
    JournalEntry entry{"", {}, -1};
    Expect('{');
    bool first = true;
    while (!Peek('}')) {
      if (!first) Expect(',');
      first = false;
      std::string key = String();
      Expect(':');
      if (key == "cwd") {
        entry.cwd = String();
      } else if (key == "argv") {
        entry.argv = Strings();
      } else if (key == "status") {
        entry.status = Status();
      } else {
        throw std::runtime_error("unknown key " + key);
      }
    }
    Expect('}');
    return entry;
  }

 private:
  bool Peek(char c) { return pos_ < s_.size() && s_[pos_] == c; }
  void Expect(char c) {
    if (!Peek(c)) throw std::runtime_error(std::string("expected ") + c);
    ++pos_;
  }

  std::vector<std::string> Strings() {
    std::vector<std::string> items;
    Expect('[');
    while (!Peek(']')) {
      if (!items.empty()) Expect(',');
      items.push_back(String());
    }
    Expect(']');
    return items;
  }

  int Status() {
    if (s_.compare(pos_, 4, "null") == 0) {
      pos_ += 4;
      return -1;
    }
    size_t end = pos_;
    while (end < s_.size() && (isdigit(static_cast<unsigned char>(s_[end])) || s_[end] == '-')) {
      ++end;
    }
    long long value;
    if (!ParseInteger(s_.substr(pos_, end - pos_), &value)) throw std::runtime_error("bad status");
    pos_ = end;
    return static_cast<int>(value);
  }

  std::string String() {
    Expect('"');
    std::string out;
    while (!Peek('"')) {
      if (pos_ >= s_.size()) throw std::runtime_error("unterminated string");
      char c = s_[pos_++];
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= s_.size()) throw std::runtime_error("bad escape");
      char e = s_[pos_++];
      switch (e) {
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u':
          AppendCodePoint(out);
          break;
        default:
          out += e;
          break;
      }
    }
    Expect('"');
    return out;
  }

  // \u00XX is a byte (the writer escapes raw bytes and control characters that way).
  void AppendCodePoint(std::string& out) {
    if (pos_ + 4 > s_.size()) throw std::runtime_error("bad \\u escape");
    unsigned cp = static_cast<unsigned>(std::stoul(s_.substr(pos_, 4), nullptr, 16));
    pos_ += 4;
    if (cp < 0x100) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  const std::string& s_;
  size_t pos_ = 0;
};

}  // namespace

std::vector<JournalEntry> ReadJournal(const std::string& path) {
  std::vector<JournalEntry> entries;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty()) continue;
    try {
      entries.push_back(LineParser(line).Parse());
    } catch (const std::exception& e) {
      throw std::runtime_error("journal " + path + " line " + std::to_string(number) + ": " +
                               e.what());
    }
  }
  return entries;
}

}  // namespace ctsim
