#pragma once
// The view folder the user chose last, remembered per user so that folder
// browsers start there.

#include <string>

namespace clearcase {

std::string CCGetLastViewDirectory();
void CCSetLastViewDirectory(const std::string& dir);
// Browses for a view folder; returns `Initial` unchanged when cancelled.
std::string CCSelectViewPath(const std::string& initial);

}  // namespace clearcase
