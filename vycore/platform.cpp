#include "vycore/platform.h"

namespace vy {

std::vector<std::string> SplitPathList(std::string_view list) {
  std::vector<std::string> folders;
  std::size_t start = 0;
  while (start <= list.size()) {
    auto end = list.find(kPathListSeparator, start);
    if (end == std::string_view::npos) end = list.size();
    if (end > start) folders.emplace_back(list.substr(start, end - start));
    start = end + 1;
  }
  return folders;
}

}  // namespace vy
