#include "vycore/properties.h"

#include <charconv>

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

std::string BooleanFromText(std::string_view text, TPropertyValue& value) {
  if (SameText(text, "true")) {
    value = true;
  } else if (SameText(text, "false")) {
    value = false;
  } else {
    return Quoted(text) + " is not a Boolean (true or false)";
  }
  return {};
}

std::string IntegerFromText(std::string_view text, TPropertyValue& value) {
  std::int32_t number = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, number);
  if (ec == std::errc::result_out_of_range) return Quoted(text) + " is out of the integer range";
  if (text.empty() || ec != std::errc() || ptr != end) return Quoted(text) + " is not an integer";
  value = number;
  return {};
}

std::string EnumerationFromText(const TPublishedProperty& property, std::string_view text,
                                TPropertyValue& value) {
  for (std::size_t i = 0; i < property.enumNames.size(); ++i) {
    if (SameText(property.enumNames[i], text)) {
      value = static_cast<std::int32_t>(i);
      return {};
    }
  }
  std::string known;
  for (const std::string& name : property.enumNames) {
    known += (known.empty() ? "" : ", ") + name;
  }
  return Quoted(text) + " is not one of " + known;
}

}  // namespace

std::string PropertyValueFromText(const TPublishedProperty& property, std::string_view text,
                                  TPropertyValue& value) {
  switch (property.kind) {
    case TPropertyKind::String:
      value = std::string(text);
      return {};
    case TPropertyKind::Boolean:
      return BooleanFromText(text, value);
    case TPropertyKind::Integer:
      return IntegerFromText(text, value);
    case TPropertyKind::Enumeration:
      return EnumerationFromText(property, text, value);
  }
  return "unknown property kind";
}

std::optional<std::string> GetPropertyText(const TVyPersistent& object, std::string_view name) {
  const TPublishedProperty* property = object.PublishedProperties().Find(name);
  if (!property) return std::nullopt;
  return PropertyValueToText(*property, property->get(object));
}

bool SetPropertyText(TVyPersistent& object, std::string_view name, std::string_view text,
                     std::string* error) {
  const TPublishedProperty* property = object.PublishedProperties().Find(name);
  std::string problem;
  TPropertyValue value;
  if (!property) {
    problem = "unknown property " + Quoted(name);
  } else {
    problem = PropertyValueFromText(*property, text, value);
  }
  if (!problem.empty()) {
    if (error) *error = problem;
    return false;
  }
  property->set(object, value);
  return true;
}

}  // namespace vy
