#pragma once
// The file system as the host and packages query it. Tests may install a
// fake; everything that asks "does this exist" goes through FileSystem().

#include <cstdio>
#include <string>
#include <string_view>

namespace vy {

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;
  virtual bool FileExists(const std::string& path) const = 0;  // exists and is not a directory
  virtual bool DirectoryExists(const std::string& path) const = 0;
};

IFileSystem& FileSystem();
void SetFileSystem(IFileSystem* fileSystem);  // nullptr restores the real one

// Replaces `path` with `content` atomically: a temporary file in the target's
// folder (created with O_EXCL), flushed, then renamed over the target, so that
// a reader sees the old file or the new one, never half of one. A new file
// gets the user's umask; an existing one keeps its permissions, and one that
// nobody may write is refused ("is read-only") rather than replaced. When
// `path` is a symbolic link, the file it leads to is replaced and the link
// stays. Returns false with `error` set on failure; the target is then
// untouched.
bool WriteFileAtomic(const std::string& path, std::string_view content, std::string* error);
bool ReadFileText(const std::string& path, std::string& content, std::string* error);

// Opens `path` for writing from its start, for output written piece by
// piece, as a shell's ">" does: an existing file (a symbolic link's target
// included) is emptied and keeps its permissions, a new one gets the user's
// umask. nullptr with errno set on failure.
std::FILE* OpenFileForWriting(const std::string& path);

}  // namespace vy
