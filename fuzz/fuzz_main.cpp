// The libFuzzer program of one target, chosen when it is compiled.

#include <cstdio>
#include <cstdlib>

#include "fuzz/targets.h"

#ifndef VANTRY_FUZZ_TARGET
#error "VANTRY_FUZZ_TARGET names the target this program fuzzes"
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const vyfuzz::TFuzzTarget* target = vyfuzz::FindTarget(VANTRY_FUZZ_TARGET);
  if (target == nullptr) std::abort();
  const std::string problem =
      target->run(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!problem.empty()) {
    std::fprintf(stderr, "%s: %s\n", target->name, problem.c_str());
    std::abort();
  }
  return 0;
}
