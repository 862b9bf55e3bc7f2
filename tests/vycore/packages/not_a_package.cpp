// A shared library without the package entry point.

extern "C" __attribute__((visibility("default"))) int NotVyRegister() {
  return 42;
}
