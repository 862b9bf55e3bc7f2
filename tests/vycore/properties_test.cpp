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
            (std::vector<std::string>{"Text", "FLAG", "Count", "Colour", "Secret", "Extra"}));
  derived.flag = true;
  EXPECT_EQ(vy::GetPropertyText(derived, "flag"), "false");  // the derived reading
  TTestAction base;
  EXPECT_EQ(base.PublishedProperties().Items().size(), 5u);  // the parent's list is untouched
  EXPECT_TRUE(vy::TVyPersistent().PublishedProperties().Items().empty());
}

TEST(Properties, TextReachesTheSettersAndBadTextChangesNothing) {
  TTestAction action;
  EXPECT_TRUE(vy::SetPropertyText(action, "cOuNt", "-42"));
  EXPECT_TRUE(vy::SetPropertyText(action, "Colour", "clBlue"));
  EXPECT_EQ(action.count, -42);
  EXPECT_EQ(action.colour, vytest::clBlue);
  EXPECT_EQ(vy::GetPropertyText(action, "Colour"), "clBlue");
  std::string error;
  EXPECT_FALSE(vy::SetPropertyText(action, "Nope", "1", &error));
  EXPECT_EQ(error, "unknown property \"Nope\"");
  EXPECT_FALSE(vy::SetPropertyText(action, "Count", "7x", &error));
  EXPECT_EQ(action.count, -42);
  EXPECT_EQ(vy::GetPropertyText(action, "Nope"), std::nullopt);
}

struct TConversionCase {
  TPropertyKind kind;
  std::string text;
  std::string back;   // the text of the value read, when it reads
  std::string error;  // part of the error, when it does not
};

class PropertyConversion : public testing::TestWithParam<TConversionCase> {};

TEST_P(PropertyConversion, ReadsAndWritesText) {
  const TConversionCase& c = GetParam();
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

INSTANTIATE_TEST_SUITE_P(
    Table, PropertyConversion,
    testing::Values(
        TConversionCase{TPropertyKind::String, "a\tb\r\n\"é\"", "a\tb\r\n\"é\"", ""},
        TConversionCase{TPropertyKind::String, "", "", ""},
        TConversionCase{TPropertyKind::Boolean, "FALSE", "false", ""},
        TConversionCase{TPropertyKind::Boolean, "maybe", "", "\"maybe\" is not a Boolean"},
        TConversionCase{TPropertyKind::Boolean, "1", "", "is not a Boolean"},
        TConversionCase{TPropertyKind::Integer, "2147483647", "2147483647", ""},
        TConversionCase{TPropertyKind::Integer, "-2147483648", "-2147483648", ""},
        TConversionCase{TPropertyKind::Integer, "2147483648", "", "out of the integer range"},
        TConversionCase{TPropertyKind::Integer, " 1", "", "is not an integer"},
        TConversionCase{TPropertyKind::Integer, "", "", "is not an integer"},
        TConversionCase{TPropertyKind::Enumeration, "coview", "coView", ""},
        TConversionCase{TPropertyKind::Enumeration, "coLabel", "",
                        "\"coLabel\" is not one of coView, coBranch"}));

TEST(Properties, AnEnumerationOrdinalWithoutANameIsWrittenAsANumber) {
  vy::TPublishedProperty property{"P", TPropertyKind::Enumeration, {"coView"}, {}, {}};
  EXPECT_EQ(vy::PropertyValueToText(property, std::int32_t{5}), "5");
}

}  // namespace
