#include "vycore/properties.h"

#include <charconv>
#include <limits>

#include "vycore/text.h"

namespace vy {

const TPublishedProperty* TPropertyList::Find(std::string_view name) const {
  for (const TPublishedProperty& item : items_) {
    if (SameText(item.name, name)) return &item;
  }
  return nullptr;
}

void TPropertyList::Add(TPublishedProperty property) {
  for (TPublishedProperty& item : items_) {
    if (SameText(item.name, property.name)) {
      item = std::move(property);
      return;
    }
  }
  items_.push_back(std::move(property));
}

void TPropertyList::SetRange(std::string_view name, std::int32_t minimum, std::int32_t maximum) {
  for (TPublishedProperty& item : items_) {
    if (SameText(item.name, name)) {
      item.minimum = minimum;
      item.maximum = maximum;
    }
  }
}

const TPropertyList& TVyPersistent::PublishedProperties() const {
  static const TPropertyList empty;
  return empty;
}

std::string PropertyValueToText(const TPublishedProperty& property, const TPropertyValue& value) {
  switch (property.kind) {
    case TPropertyKind::String:
      return std::get<std::string>(value);
    case TPropertyKind::Boolean:
      return std::get<bool>(value) ? "true" : "false";
    case TPropertyKind::Integer:
      return std::to_string(std::get<std::int32_t>(value));
    case TPropertyKind::Enumeration: {
      // An ordinal without a name is kept as a number so that nothing is lost
      // silently; reading it back reports it.
      const std::int32_t ordinal = std::get<std::int32_t>(value);
      if (ordinal >= 0 && static_cast<std::size_t>(ordinal) < property.enumNames.size()) {
        return property.enumNames[static_cast<std::size_t>(ordinal)];
      }
      return std::to_string(ordinal);
    }
  }
  return {};
}

namespace {

bool Fail(std::string problem, std::string* error) {
  if (error) *error = std::move(problem);
  return false;
}

bool BooleanFromText(std::string_view text, TPropertyValue& value, std::string* error) {
  if (SameText(text, "true")) {
    value = true;
  } else if (SameText(text, "false")) {
    value = false;
  } else {
    return Fail(Quoted(text) + " is not a Boolean (true or false)", error);
  }
  return true;
}

bool IntegerFromText(const TPublishedProperty& property, std::string_view text,
                     TPropertyValue& value, std::string* error) {
  const bool ranged = property.minimum != std::numeric_limits<std::int32_t>::min() ||
                      property.maximum != std::numeric_limits<std::int32_t>::max();
  const std::string range = ranged ? "a whole number from " + std::to_string(property.minimum) +
                                         " to " + std::to_string(property.maximum)
                                   : "";
  std::int32_t number = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, number);
  const bool tooBig = ec == std::errc::result_out_of_range;
  if (!tooBig && (text.empty() || ec != std::errc() || ptr != end)) {
    return Fail(Quoted(text) + (ranged ? " is not " + range : " is not an integer"), error);
  }
  if (tooBig || number < property.minimum || number > property.maximum) {
    return Fail(
        Quoted(text) + (ranged ? " is out of range: " + range : " is out of the integer range"),
        error);
  }
  value = number;
  return true;
}

bool EnumerationFromText(const TPublishedProperty& property, std::string_view text,
                         TPropertyValue& value, std::string* error) {
  for (std::size_t i = 0; i < property.enumNames.size(); ++i) {
    if (SameText(property.enumNames[i], text)) {
      value = static_cast<std::int32_t>(i);
      return true;
    }
  }
  std::string known;
  for (const std::string& name : property.enumNames) {
    known += (known.empty() ? "" : ", ") + name;
  }
  return Fail(Quoted(text) + " is not one of " + known, error);
}

}  // namespace

bool PropertyValueFromText(const TPublishedProperty& property, std::string_view text,
                           TPropertyValue& value, std::string* error) {
  switch (property.kind) {
    case TPropertyKind::String:
      value = std::string(text);
      return true;
    case TPropertyKind::Boolean:
      return BooleanFromText(text, value, error);
    case TPropertyKind::Integer:
      return IntegerFromText(property, text, value, error);
    case TPropertyKind::Enumeration:
      return EnumerationFromText(property, text, value, error);
  }
  return Fail("unknown property kind", error);
}

std::optional<std::string> GetPropertyText(const TVyPersistent& object, std::string_view name) {
  const TPublishedProperty* property = object.PublishedProperties().Find(name);
  if (!property) return std::nullopt;
  return PropertyValueToText(*property, property->get(object));
}

bool SetPropertyText(TVyPersistent& object, std::string_view name, std::string_view text,
                     std::string* error) {
  const TPublishedProperty* property = object.PublishedProperties().Find(name);
  if (!property) return Fail("unknown property " + Quoted(name), error);
  TPropertyValue value;
  if (!PropertyValueFromText(*property, text, value, error)) return false;
  property->set(object, value);
  return true;
}

}  // namespace vy
