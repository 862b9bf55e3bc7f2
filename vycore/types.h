#pragma once
// Small vocabulary shared by every part of the host.

#include <string>
#include <vector>

namespace vy {

// A list of text lines as the host hands them around (no terminators unless a
// function says otherwise).
using TStringList = std::vector<std::string>;

// How a log line is tagged. The numbers are part of the host contract.
enum TStatusTag : int {
  tsInformation = 0,
  tsError = 3,
};

}  // namespace vy
