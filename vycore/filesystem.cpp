#include "vycore/filesystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <random>

#include "vycore/platform.h"
#include "vycore/text.h"

namespace vy {
namespace {

class TRealFileSystem final : public IFileSystem {
 public:
  bool FileExists(const std::string& path) const override {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
  }
  bool DirectoryExists(const std::string& path) const override {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  }
};

std::atomic<IFileSystem*> gFileSystem{nullptr};

std::string Problem(const std::string& what, const std::string& path, int error) {
  return what + " \"" + path + "\": " + std::strerror(error);
}

// Closes the descriptor and removes the temporary file unless released.
class TTempFile {
 public:
  ~TTempFile() {
    if (fd_ >= 0) close(fd_);
    if (!path_.empty()) unlink(path_.c_str());
  }
  bool Create(const std::string& target, int& error) {
    const std::string dir = ExtractFileDir(target);
    const std::string prefix = (dir.empty() ? std::string() : IncludeTrailingPathDelimiter(dir)) +
                               "." + ExtractFileName(target) + ".tmp-";
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string candidate = prefix + std::to_string(getpid()) + "-" + std::to_string(random());
      fd_ = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
      if (fd_ >= 0) {
        path_ = std::move(candidate);
        return true;
      }
      if (errno != EEXIST) break;
    }
    error = errno;
    return false;
  }
  bool WriteAndSync(std::string_view content, int& error) {
    while (!content.empty()) {
      const ssize_t written = write(fd_, content.data(), content.size());
      if (written < 0) {
        if (errno == EINTR) continue;
        error = errno;
        return false;
      }
      content.remove_prefix(static_cast<std::size_t>(written));
    }
    const int closing = fd_;
    fd_ = -1;
    if (fsync(closing) != 0 || close(closing) != 0) {
      error = errno;
      return false;
    }
    return true;
  }
  bool KeepMode(mode_t mode, int& error) {
    if (fchmod(fd_, mode & 07777) == 0) return true;
    error = errno;
    return false;
  }
  const std::string& Path() const { return path_; }
  void Release() { path_.clear(); }

 private:
  int fd_ = -1;
  std::string path_;
};

// Where a save must land: the file a chain of symbolic links leads to (a
// dangling link names the file to create), or the path itself.
std::string SaveTarget(const std::string& path) {
  std::string target = path;
  for (int depth = 0; depth < 40; ++depth) {
    struct stat info {};
    if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
    std::string link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
    const ssize_t length = readlink(target.c_str(), link.data(), link.size());
    if (length < 0) return target;
    link.resize(static_cast<std::size_t>(length));
    if (link.empty()) return target;
    const std::string dir = ExtractFileDir(target);
    target = link.front() == '/' || dir.empty() ? link : IncludeTrailingPathDelimiter(dir) + link;
  }
  return target;
}

void SyncDirectory(const std::string& target) {
  const std::string dir = ExtractFileDir(target);
  const int fd = open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);  // best effort: the rename itself already happened
  close(fd);
}

}  // namespace

IFileSystem& FileSystem() {
  static TRealFileSystem real;
  IFileSystem* installed = gFileSystem.load();
  return installed ? *installed : real;
}

void SetFileSystem(IFileSystem* fileSystem) {
  gFileSystem.store(fileSystem);
}

std::string FinalPath(const std::string& path) {
  return SaveTarget(path);
}

bool WriteFileAtomic(const std::string& path, std::string_view content, std::string* error) {
  const std::string target = SaveTarget(path);
  struct stat existing {};
  const bool exists = stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
  if (exists && (existing.st_mode & 0222) == 0) {
    if (error) *error = Quoted(path) + " is read-only; make it writable to save it";
    return false;
  }
  TTempFile temp;
  int code = 0;
  if (!temp.Create(target, code)) {
    if (error) *error = Problem("cannot create a temporary file for", path, code);
    return false;
  }
  if (exists && !temp.KeepMode(existing.st_mode, code)) {
    if (error) *error = Problem("cannot keep the permissions of", path, code);
    return false;
  }
  if (!temp.WriteAndSync(content, code)) {
    if (error) *error = Problem("cannot write", temp.Path(), code);
    return false;
  }
  if (rename(temp.Path().c_str(), target.c_str()) != 0) {
    if (error) *error = Problem("cannot replace", path, errno);
    return false;
  }
  temp.Release();
  SyncDirectory(target);
  return true;
}

std::FILE* OpenFileForWriting(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  std::FILE* file = fdopen(fd, "wb");
  if (file == nullptr) {
    const int code = errno;
    close(fd);
    errno = code;
  }
  return file;
}

bool ReadFileText(const std::string& path, std::string& content, std::string* error) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (error) *error = Problem("cannot open", path, errno);
    return false;
  }
  struct stat info {};
  std::string refusal;
  if (fstat(fd, &info) != 0) {
    refusal = Problem("cannot read", path, errno);
  } else if (!S_ISREG(info.st_mode)) {
    refusal = Quoted(path) + " is not a regular file";
  } else if (static_cast<std::uint64_t>(info.st_size) > kMaxTextFileSize) {
    refusal = Quoted(path) + " is larger than " + std::to_string(kMaxTextFileSize >> 20) + " MB";
  }
  if (!refusal.empty()) {
    close(fd);
    if (error) *error = refusal;
    return false;
  }
  std::string text;
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      const int code = errno;
      close(fd);
      if (error) *error = Problem("cannot read", path, code);
      return false;
    }
    text.append(buffer, static_cast<std::size_t>(got));
    if (text.size() > kMaxTextFileSize) {  // it grew while being read
      close(fd);
      if (error)
        *error = Quoted(path) + " is larger than " + std::to_string(kMaxTextFileSize >> 20) + " MB";
      return false;
    }
  }
  close(fd);
  content = std::move(text);
  return true;
}

}  // namespace vy
