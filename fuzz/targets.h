#pragma once
// The fuzzed entry points, shared by the libFuzzer programs (clang, under
// the sanitizers) and by the regression tests that replay every input once
// found to crash (the normal compiler). Each entry point feeds the bytes to
// the code under test and checks what must hold for any input; it returns
// "" when all holds, else what was broken.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vyfuzz {

using TEntryPoint = std::string (*)(std::string_view data);

struct TFuzzTarget {
  const char* name;  // also the name of its corpus and regression folders
  TEntryPoint run;
};

// Every target, in a fixed order.
const std::vector<TFuzzTarget>& Targets();
// nullptr when there is no target of that name.
const TFuzzTarget* FindTarget(std::string_view name);

// The entry points, one per family of code under test.
std::string FuzzTokenizer(std::string_view data);
std::string FuzzStorageStrings(std::string_view data);
std::string FuzzExpressions(std::string_view data);
std::string FuzzProject(std::string_view data);
std::string FuzzOptionsStore(std::string_view data);
std::string FuzzCapturedLines(std::string_view data);
std::string FuzzProjectVobTags(std::string_view data);
std::string FuzzLockedMarkers(std::string_view data);
std::string FuzzHistory(std::string_view data);
std::string FuzzAttributeValueType(std::string_view data);
std::string FuzzInstalledType(std::string_view data);
std::string FuzzTypeNameMerge(std::string_view data);
std::string FuzzStreamActivities(std::string_view data);
std::string FuzzBaselineComponents(std::string_view data);
std::string FuzzPromotionLevels(std::string_view data);
std::string FuzzMergeBaselines(std::string_view data);

}  // namespace vyfuzz
