// The one symbol the designer looks for in this library, after it has loaded
// the package itself.

#include <cstdio>

#include "clearcase/editors/registration.h"

extern "C" __attribute__((visibility("default"))) void VyRegisterPages() {
  try {
    clearcase::editors::RegisterPages();
  } catch (...) {
    std::fprintf(stderr, "ClearCase package: the pages could not be registered\n");
  }
}
