#pragma once
// Where cleartool is installed when the options do not say.

#include <string>

namespace clearcase {

#ifdef _WIN32
inline constexpr const char* kCleartoolProgramName = "cleartool.exe";
#else
inline constexpr const char* kCleartoolProgramName = "cleartool";
#endif

// The registry's application path (Windows only), else the program in the
// current directory, else in each folder of PATH; empty when nothing exists.
std::string defaultClearToolPath();

}  // namespace clearcase
