#pragma once
// Where cleartool is installed when the options do not say.

#include <string>

namespace clearcase {

#ifdef _WIN32
inline constexpr const char* kCleartoolProgramName = "cleartool.exe";
#else
inline constexpr const char* kCleartoolProgramName = "cleartool";
#endif

// The registry's application path (with a trailing delimiter), else the
// program in the current directory, else in each folder of PATH; empty when
// nothing exists there.
std::string DefaultClearToolPath();

// The folder that the platform's registry of application paths names for
// cleartool; empty where there is no such registry or no entry.
std::string RegisteredCleartoolFolder();

}  // namespace clearcase
