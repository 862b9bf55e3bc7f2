// Lexical path handling. Paths inside the stand-in always use "/"; a world with
// Windows tags only changes how paths are read from operands and printed.
#pragma once

#include <string>
#include <string_view>

namespace ctsim {

// Removes ".", "..", doubled and trailing separators; keeps a leading "/".
std::string NormalizePath(std::string_view path);
// Makes an operand absolute against cwd; in a Windows world "\" counts as a separator.
std::string AbsolutePath(const std::string& cwd, std::string_view operand, bool windows);
// True when path is dir itself or lies below it.
bool IsUnder(std::string_view path, std::string_view dir);
// The part of path below dir ("" for dir itself); path must be under dir.
std::string RelativeTo(std::string_view path, std::string_view dir);
std::string JoinPath(std::string_view dir, std::string_view rel);
std::string ParentPath(std::string_view path);
std::string BaseName(std::string_view path);
// The physical form of an existing path, or the lexical form when it does not exist.
std::string PhysicalPath(const std::string& path);
bool IsDirectory(const std::string& path);
bool FileExists(const std::string& path);
// mkdir -p; returns false when a directory could not be made.
bool MakeDirectories(const std::string& path);

}  // namespace ctsim
