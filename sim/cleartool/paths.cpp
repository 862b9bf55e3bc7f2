#include "sim/cleartool/paths.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "sim/cleartool/text.h"

namespace ctsim {

std::string NormalizePath(std::string_view path) {
  bool absolute = !path.empty() && path[0] == '/';
  std::vector<std::string> parts;
  for (const std::string& part : Split(path, '/')) {
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty() && parts.back() != "..") {
        parts.pop_back();
      } else if (!absolute) {
        parts.push_back(part);
      }
      continue;
    }
    parts.push_back(part);
  }
  std::string joined = Join(parts, "/");
  if (absolute) return "/" + joined;
  return joined.empty() ? "." : joined;
}

std::string AbsolutePath(const std::string& cwd, std::string_view operand, bool windows) {
  std::string p(operand);
  if (windows) {
    for (char& c : p) {
      if (c == '\\') c = '/';
    }
  }
  if (!p.empty() && p[0] == '/') return NormalizePath(p);
  return NormalizePath(cwd + "/" + p);
}

bool IsUnder(std::string_view path, std::string_view dir) {
  if (dir == "/") return !path.empty() && path[0] == '/';
  if (!StartsWith(path, dir)) return false;
  return path.size() == dir.size() || path[dir.size()] == '/';
}

std::string RelativeTo(std::string_view path, std::string_view dir) {
  if (path.size() <= dir.size()) return "";
  size_t skip = dir == "/" ? 1 : dir.size() + 1;
  return std::string(path.substr(skip));
}

std::string JoinPath(std::string_view dir, std::string_view rel) {
  if (rel.empty()) return std::string(dir);
  if (dir.empty() || dir == "/") return std::string(dir) + std::string(rel);
  return std::string(dir) + "/" + std::string(rel);
}

std::string ParentPath(std::string_view path) {
  size_t pos = path.rfind('/');
  if (pos == std::string_view::npos) return "";
  if (pos == 0) return "/";
  return std::string(path.substr(0, pos));
}

std::string BaseName(std::string_view path) {
  size_t pos = path.rfind('/');
  return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

std::string PhysicalPath(const std::string& path) {
  char buffer[PATH_MAX];
  if (realpath(path.c_str(), buffer)) return buffer;
  return NormalizePath(path);
}

bool IsDirectory(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileExists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

bool MakeDirectories(const std::string& path) {
  if (path.empty() || IsDirectory(path)) return true;
  std::string parent = ParentPath(path);
  if (!parent.empty() && parent != path && !MakeDirectories(parent)) return false;
  return mkdir(path.c_str(), 0777) == 0 || errno == EEXIST;
}

}  // namespace ctsim
