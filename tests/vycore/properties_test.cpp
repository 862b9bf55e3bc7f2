#include "vycore/properties.h"

#include <gtest/gtest.h>

#include "test_action.h"

namespace {

using vy::TPropertyKind;
using vytest::TTestAction;

// Republishes "Flag" with its own reading and adds a property of its own.
class TDerived : public TTestAction {
 public:
  const vy::TPropertyList& PublishedProperties() const override {
    static const vy::TPropertyList list =
        vy::Publish<TDerived>(TTestAction::PublishedProperties())
            .Boolean("FLAG", &TDerived::GetInverted, &TDerived::SetInverted)
            .String("Extra", &TDerived::GetText, &TDerived::SetText);
    return list;
  }
  bool GetInverted() const { return !flag; }
  void SetInverted(bool value) { flag = !value; }
};

TEST(Properties, RepublishingReplacesInPlace) {
  TDerived derived;
  std::vector<std::string> names;
  for (const auto& p : derived.PublishedProperties().Items()) names.push_back(p.name);
  EXPECT_EQ(names, (std::vector<std::string>{"Text", "FLAG", "Count", "Colour", "Extra"}));
  derived.flag = true;
  EXPECT_EQ(vy::GetPropertyText(derived, "flag"), "false");  // the derived reading
  // The parent's list is untouched.
  EXPECT_EQ(TTestAction().PublishedProperties().Items().size(), 4u);
}

// Letter case, enumeration names and the messages of a ranged integer show
// in the project and options tests; here the integers' edges.
TEST(Properties, ValuesConvertToAndFromText) {
  using enum TPropertyKind;
  const struct {
    TPropertyKind kind;
    std::string text;
    std::string back;     // the text of the value read, when it reads
    std::string error;    // part of the error, when it does not
    bool ranged = false;  // an integer from -3 to 100
  } cases[] = {
      {Boolean, "maybe", "", "\"maybe\" is not a Boolean"},
      {Integer, "2147483647", "2147483647", ""},
      {Integer, "2147483648", "", "out of the integer range"},
      {Integer, " 1", "", "\" 1\" is not an integer"},
      {Integer, "-3", "-3", "", true},
      {Integer, "9999999999", "", "is out of range: a whole number from -3 to 100", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    vy::TPublishedProperty property{"P", c.kind, {}, {}, {}, INT32_MIN, INT32_MAX};
    if (c.ranged) {
      property.minimum = -3;
      property.maximum = 100;
    }
    vy::TPropertyValue value;
    std::string error;
    EXPECT_EQ(vy::PropertyValueFromText(property, c.text, value, &error), c.error.empty()) << error;
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
    const std::string back = error.empty() ? vy::PropertyValueToText(property, value) : "";
    EXPECT_EQ(back, c.back);
  }
}

}  // namespace
