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

// Replaces `path` with `content` atomically: a temporary file in the same
// folder (created with O_EXCL and the user's umask), flushed, then renamed
// over the target. A symbolic link planted at the target is replaced, never
// followed. Returns false with `error` set on failure; the target is then
// untouched.
bool WriteFileAtomic(const std::string& path, std::string_view content, std::string* error);
bool ReadFileText(const std::string& path, std::string& content, std::string* error);

// Opens `path` for writing from its start, for output written piece by
// piece: an existing file is emptied, a new one gets the user's umask, and a
// symbolic link planted at the path is replaced by a new file, never
// followed. nullptr with errno set on failure.
std::FILE* OpenFileForWriting(const std::string& path);

}  // namespace vy
