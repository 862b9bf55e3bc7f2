#include "fuzz/targets.h"

namespace vyfuzz {

const std::vector<TFuzzTarget>& Targets() {
  static const std::vector<TFuzzTarget> targets{
      {"tokenizer", FuzzTokenizer},
      {"storage_strings", FuzzStorageStrings},
      {"expressions", FuzzExpressions},
      {"project", FuzzProject},
      {"options_store", FuzzOptionsStore},
      {"captured_lines", FuzzCapturedLines},
      {"project_vob_tags", FuzzProjectVobTags},
      {"locked_markers", FuzzLockedMarkers},
      {"history", FuzzHistory},
      {"attribute_value_type", FuzzAttributeValueType},
      {"installed_type", FuzzInstalledType},
      {"type_name_merge", FuzzTypeNameMerge},
      {"stream_activities", FuzzStreamActivities},
      {"baseline_components", FuzzBaselineComponents},
      {"promotion_levels", FuzzPromotionLevels},
      {"merge_baselines", FuzzMergeBaselines},
  };
  return targets;
}

const TFuzzTarget* FindTarget(std::string_view name) {
  for (const TFuzzTarget& target : Targets()) {
    if (name == target.name) return &target;
  }
  return nullptr;
}

}  // namespace vyfuzz
