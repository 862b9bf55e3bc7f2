#include "clearcase/plugin/cleartool_discovery.h"

namespace clearcase {

// This platform keeps no registry of application paths: the search decides.
std::string RegisteredCleartoolFolder() {
  return {};
}

}  // namespace clearcase
