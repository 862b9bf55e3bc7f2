#include "clearcase/actions/metadata/make_attribute_type_action.h"

namespace clearcase {

namespace {

const char* ConstraintOption(TClearCaseLabelConstraints constraints) {
  switch (constraints) {
    case lcVPelement:
      return "-vpelement";
    case lcVPbranch:
      return "-vpbranch";
    case lcVPversion:
      return "-vpversion";
    case lcDefault:
      break;
  }
  return nullptr;
}

const char* ValueTypeWord(TClearCaseAttributeType type) {
  switch (type) {
    case atInteger:
      return "integer";
    case atReal:
      return "real";
    case atDate:
      return "time";
    case atOpaque:
      return "opaque";
    case atString:
      break;
  }
  return "string";
}

}  // namespace

bool TClearCaseMakeAttributeTypeAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseBaseAction::GetCommandLine(builder);
  if (replace_) Append(builder, "-replace");
  AddScope(builder);
  if (const char* option = ConstraintOption(constraints_)) Append(builder, option);
  if (shared_) Append(builder, "-shared");
  Append(builder, "-vtype");
  Append(builder, ValueTypeWord(newAttributeType_));
  AddRange(builder);
  if (useDefaultValue_) Append(builder, "-default " + defaultValue_);
  result = AddComment(builder) && result;
  result = AddAttributeName(builder) && result;
  return result;
}

void TClearCaseMakeAttributeTypeAction::AddScope(vy::ICommandLineBuilder& builder) {
  if (global_) {
    Append(builder, "-global");
    if (acquire_) Append(builder, "-acquire");
  } else {
    Append(builder, "-ordinary");
  }
}

void TClearCaseMakeAttributeTypeAction::AddRange(vy::ICommandLineBuilder& builder) {
  if (useMax_) {
    Append(builder, maxInclusive_ ? "-le" : "-lt");
    Append(builder, maxValue_);
  }
  if (useMin_) {
    Append(builder, minInclusive_ ? "-ge" : "-gt");
    Append(builder, minValue_);
  }
}

const vy::TPropertyList& TClearCaseMakeAttributeTypeAction::PublishedProperties() const {
  using T = TClearCaseMakeAttributeTypeAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .String("Comment", &T::GetComment, &T::SetComment)
          .Boolean("NoComment", &T::GetNoComment, &T::SetNoComment)
          .String("AttributeName", &T::GetAttributeName, &T::SetAttributeName)
          .String("VOBSelector", &T::GetVOBSelector, &T::SetVOBSelector)
          .Enumeration("Constraints", {"lcDefault", "lcVPelement", "lcVPbranch", "lcVPversion"},
                       &T::GetConstraints, &T::SetConstraints)
          .Boolean("Global", &T::GetGlobal, &T::SetGlobal)
          .Boolean("Acquire", &T::GetAcquire, &T::SetAcquire)
          .Enumeration("NewAttributeType",
                       {"atString", "atInteger", "atReal", "atDate", "atOpaque"},
                       &T::GetNewAttributeType, &T::SetNewAttributeType)
          .String("DefaultValue", &T::GetDefaultValue, &T::SetDefaultValue)
          .Boolean("UseDefaultValue", &T::GetUseDefaultValue, &T::SetUseDefaultValue)
          .Boolean("Replace", &T::GetReplace, &T::SetReplace)
          .Boolean("Shared", &T::GetShared, &T::SetShared)
          .String("MinValue", &T::GetMinValue, &T::SetMinValue)
          .String("MaxValue", &T::GetMaxValue, &T::SetMaxValue)
          .Boolean("MinInclusive", &T::GetMinInclusive, &T::SetMinInclusive)
          .Boolean("MaxInclusive", &T::GetMaxInclusive, &T::SetMaxInclusive)
          .Boolean("UseMin", &T::GetUseMin, &T::SetUseMin)
          .Boolean("UseMax", &T::GetUseMax, &T::SetUseMax);
  return list;
}

}  // namespace clearcase
