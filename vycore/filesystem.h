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
// Reads a whole file the host keeps (a project, the options store, the INI
// file): it must be a regular file of at most kMaxTextFileSize bytes, so that
// a device or a FIFO named by mistake neither fills memory nor blocks.
inline constexpr std::size_t kMaxTextFileSize = 64 * 1024 * 1024;
bool ReadFileText(const std::string& path, std::string& content, std::string* error);

// The file a chain of symbolic links at `path` leads to (for a dangling link,
// the file it names), or `path` itself when it is no link.
std::string FinalPath(const std::string& path);

// Opens `path` for writing from its start, for output written piece by
// piece, as a shell's ">" does: an existing file (a symbolic link's target
// included) is emptied and keeps its permissions, a new one gets the user's
// umask. nullptr with errno set on failure.
std::FILE* OpenFileForWriting(const std::string& path);

}  // namespace vy
