#pragma once
// The parent of the attribute actions: the attribute (type) name, the value to
// apply and whether the type's default value is used instead. It publishes
// nothing itself; the concrete actions publish the properties below under
// these names.

#include <cstdint>
#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

// The value type of a new attribute type.
enum TClearCaseAttributeType : std::uint8_t { atString, atInteger, atReal, atDate, atOpaque };

class TClearCaseBaseAttributeAction : public TClearCaseBaseAction {
 public:
  // The expanded name, with "@" and the VOB when there is one; never quoted.
  bool AddAttributeName(vy::ICommandLineBuilder& builder);
  // "-default" and the name, or the name and the expanded value.
  bool AddAttributeNameAndValue(vy::ICommandLineBuilder& builder);

  std::string GetAttributeName() const { return attributeName_; }
  void SetAttributeName(const std::string& value) { attributeName_ = value; }
  std::string GetAttributeValue() const { return attributeValue_; }
  void SetAttributeValue(const std::string& value) { attributeValue_ = value; }
  bool GetUseDefaultAttributeValue() const { return useDefaultAttributeValue_; }
  void SetUseDefaultAttributeValue(bool value) { useDefaultAttributeValue_ = value; }

 private:
  std::string attributeName_;
  std::string attributeValue_;
  bool useDefaultAttributeValue_ = false;
};

}  // namespace clearcase
