#pragma once
// Making an attribute type in a VOB: scope, where instances may be attached,
// value type, range and default value. It works on the VOB, not in a view.

#include <cstdint>
#include <string>

#include "clearcase/actions/core/attribute_action.h"

namespace clearcase {

// Where instances of the type may be attached.
enum TClearCaseLabelConstraints : std::uint8_t { lcDefault, lcVPelement, lcVPbranch, lcVPversion };

class TClearCaseMakeAttributeTypeAction : public TClearCaseBaseAttributeAction {
 public:
  bool GetActionDoesNotUseViewContext() override { return true; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  TClearCaseLabelConstraints GetConstraints() const { return constraints_; }
  void SetConstraints(TClearCaseLabelConstraints value) { constraints_ = value; }
  bool GetGlobal() const { return global_; }
  void SetGlobal(bool value) { global_ = value; }
  bool GetAcquire() const { return acquire_; }
  void SetAcquire(bool value) { acquire_ = value; }
  TClearCaseAttributeType GetNewAttributeType() const { return newAttributeType_; }
  void SetNewAttributeType(TClearCaseAttributeType value) { newAttributeType_ = value; }
  std::string GetDefaultValue() const { return defaultValue_; }
  void SetDefaultValue(const std::string& value) { defaultValue_ = value; }
  bool GetUseDefaultValue() const { return useDefaultValue_; }
  void SetUseDefaultValue(bool value) { useDefaultValue_ = value; }
  bool GetReplace() const { return replace_; }
  void SetReplace(bool value) { replace_ = value; }
  bool GetShared() const { return shared_; }
  void SetShared(bool value) { shared_ = value; }
  std::string GetMinValue() const { return minValue_; }
  void SetMinValue(const std::string& value) { minValue_ = value; }
  std::string GetMaxValue() const { return maxValue_; }
  void SetMaxValue(const std::string& value) { maxValue_ = value; }
  bool GetMinInclusive() const { return minInclusive_; }
  void SetMinInclusive(bool value) { minInclusive_ = value; }
  bool GetMaxInclusive() const { return maxInclusive_; }
  void SetMaxInclusive(bool value) { maxInclusive_ = value; }
  bool GetUseMin() const { return useMin_; }
  void SetUseMin(bool value) { useMin_ = value; }
  bool GetUseMax() const { return useMax_; }
  void SetUseMax(bool value) { useMax_ = value; }

 private:
  void AddScope(vy::ICommandLineBuilder& builder);
  void AddRange(vy::ICommandLineBuilder& builder);

  TClearCaseLabelConstraints constraints_ = lcDefault;
  bool global_ = false;
  bool acquire_ = false;
  TClearCaseAttributeType newAttributeType_ = atString;
  std::string defaultValue_;
  bool useDefaultValue_ = false;
  bool replace_ = false;
  bool shared_ = false;
  std::string minValue_;
  std::string maxValue_;
  bool minInclusive_ = false;
  bool maxInclusive_ = false;
  bool useMin_ = false;
  bool useMax_ = false;
};

}  // namespace clearcase
