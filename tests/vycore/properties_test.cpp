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

std::vector<std::string> Names(const vy::TPropertyList& list) {
  std::vector<std::string> names;
  for (const auto& p : list.Items()) names.push_back(p.name);
  return names;
}

TEST(Properties, RepublishingReplacesInPlace) {
  TDerived derived;
  EXPECT_EQ(Names(derived.PublishedProperties()),
            (std::vector<std::string>{"Text", "FLAG", "Count", "Colour", "Extra"}));
  derived.flag = true;
  EXPECT_EQ(vy::GetPropertyText(derived, "flag"), "false");  // the derived reading
  TTestAction base;
  EXPECT_EQ(base.PublishedProperties().Items().size(), 4u);  // the parent's list is untouched
  EXPECT_TRUE(vy::TVyPersistent().PublishedProperties().Items().empty());
}

TEST(Properties, ValuesConvertToAndFromText) {
  using enum TPropertyKind;
  const struct {
    TPropertyKind kind;
    std::string text;
    std::string back;   // the text of the value read, when it reads
    std::string error;  // part of the error, when it does not
  } cases[] = {
      {String, "a\tb\r\n\"é\"", "a\tb\r\n\"é\"", ""},
      {Boolean, "FALSE", "false", ""},
      {Boolean, "maybe", "", "\"maybe\" is not a Boolean"},
      {Boolean, "1", "", "is not a Boolean"},
      {Integer, "2147483647", "2147483647", ""},
      {Integer, "-2147483648", "-2147483648", ""},
      {Integer, "2147483648", "", "out of the integer range"},
      {Integer, " 1", "", "is not an integer"},
      {Integer, "", "", "is not an integer"},
      {Enumeration, "coview", "coView", ""},
      {Enumeration, "coLabel", "", "\"coLabel\" is not one of coView, coBranch"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    vy::TPublishedProperty property{"P", c.kind, {"coView", "coBranch"}, {}, {}};
    vy::TPropertyValue value;
    const std::string error = vy::PropertyValueFromText(property, c.text, value);
    if (c.error.empty()) {
      ASSERT_EQ(error, "");
      EXPECT_EQ(vy::PropertyValueToText(property, value), c.back);
    } else {
      EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
  }
  // An ordinal without a name is written as a number.
  vy::TPublishedProperty property{"P", Enumeration, {"coView"}, {}, {}};
  EXPECT_EQ(vy::PropertyValueToText(property, std::int32_t{5}), "5");
}

}  // namespace
