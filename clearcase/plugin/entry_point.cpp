// The one symbol the host looks for in this library.

#include <cstdio>
#include <exception>

#include "clearcase/plugin/registration.h"

extern "C" __attribute__((visibility("default"))) void VyRegister(bool registerPages) {
  try {
    clearcase::VyRegisterPackage(registerPages);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "ClearCase package: registration failed: %s\n", error.what());
  } catch (...) {
    std::fprintf(stderr, "ClearCase package: registration failed\n");
  }
}
