#include "clearcase/actions/core/attribute_action.h"

namespace clearcase {

bool TClearCaseBaseAttributeAction::AddAttributeName(vy::ICommandLineBuilder& builder) {
  if (attributeName_.empty()) {
    SendMessage("Error: You have not specified an attribute name.", vy::tsError);
    return false;
  }
  std::string name = attributeName_;
  if (!GetVOBSelector().empty()) name += "@" + GetVOBSelector();
  std::string expanded;
  if (!TryExpandExpression("Attribute Name", name, expanded, true)) return false;
  Append(builder, expanded);
  return true;
}

bool TClearCaseBaseAttributeAction::AddAttributeNameAndValue(vy::ICommandLineBuilder& builder) {
  if (useDefaultAttributeValue_) Append(builder, "-default");
  bool result = AddAttributeName(builder);
  if (!useDefaultAttributeValue_) {
    std::string value;
    if (TryExpandExpression("Attribute Value", attributeValue_, value, true)) {
      Append(builder, value);
    } else {
      result = false;
    }
  }
  return result;
}

}  // namespace clearcase
