#include "vycore/properties.h"

#include <gtest/gtest.h>

namespace {

using vy::TPropertyKind;

enum TColour { clRed, clGreen, clBlue };

class TBase : public vy::TVyPersistent {
 public:
  const vy::TPropertyList& PublishedProperties() const override {
    static const vy::TPropertyList list = vy::Publish<TBase>()
                                              .String("Name", &TBase::GetName, &TBase::SetName)
                                              .Boolean("Flag", &TBase::GetFlag, &TBase::SetFlag)
                                              .Integer("Count", &TBase::GetCount, &TBase::SetCount)
                                              .Enumeration("Colour", {"clRed", "clGreen", "clBlue"},
                                                           &TBase::GetColour, &TBase::SetColour);
    return list;
  }
  std::string GetName() const { return name_; }
  void SetName(const std::string& value) { name_ = value; }
  bool GetFlag() const { return flag_; }
  void SetFlag(bool value) { flag_ = value; }
  int GetCount() const { return count_; }
  void SetCount(int value) { count_ = value; }
  TColour GetColour() const { return colour_; }
  void SetColour(TColour value) { colour_ = value; }

 private:
  std::string name_;
  bool flag_ = false;
  int count_ = 0;
  TColour colour_ = clRed;
};

// Republishes "Flag" with its own reading and adds a property of its own.
class TDerived : public TBase {
 public:
  const vy::TPropertyList& PublishedProperties() const override {
    static const vy::TPropertyList list =
        vy::Publish<TDerived>(TBase::PublishedProperties())
            .Boolean("FLAG", &TDerived::GetInverted, &TDerived::SetInverted)
            .String("Extra", &TDerived::GetName, &TDerived::SetName);
    return list;
  }
  bool GetInverted() const { return !GetFlag(); }
  void SetInverted(bool value) { SetFlag(!value); }
};

std::vector<std::string> Names(const vy::TPropertyList& list) {
  std::vector<std::string> names;
  for (const auto& p : list.Items()) names.push_back(p.name);
  return names;
}

TEST(Properties, AreListedInDeclarationOrder) {
  TBase base;
  EXPECT_EQ(Names(base.PublishedProperties()),
            (std::vector<std::string>{"Name", "Flag", "Count", "Colour"}));
  EXPECT_EQ(base.PublishedProperties().Find("Colour")->kind, TPropertyKind::Enumeration);
}

TEST(Properties, RepublishingReplacesInPlace) {
  TDerived derived;
  EXPECT_EQ(Names(derived.PublishedProperties()),
            (std::vector<std::string>{"Name", "FLAG", "Count", "Colour", "Extra"}));
  derived.SetFlag(true);
  EXPECT_EQ(vy::GetPropertyText(derived, "flag"), "false");  // the derived reading
  TBase base;
  EXPECT_EQ(base.PublishedProperties().Items().size(), 4u);  // the parent's list is untouched
}

TEST(Properties, FindIgnoresCase) {
  TBase base;
  EXPECT_NE(base.PublishedProperties().Find("cOuNt"), nullptr);
  EXPECT_EQ(base.PublishedProperties().Find("Missing"), nullptr);
  EXPECT_TRUE(vy::TVyPersistent().PublishedProperties().Items().empty());
}

TEST(Properties, TextReachesTheSetters) {
  TBase base;
  EXPECT_TRUE(vy::SetPropertyText(base, "Name", " a\r\nb "));
  EXPECT_TRUE(vy::SetPropertyText(base, "Flag", "TRUE"));
  EXPECT_TRUE(vy::SetPropertyText(base, "Count", "-42"));
  EXPECT_TRUE(vy::SetPropertyText(base, "Colour", "clBlue"));
  EXPECT_EQ(base.GetName(), " a\r\nb ");
  EXPECT_TRUE(base.GetFlag());
  EXPECT_EQ(base.GetCount(), -42);
  EXPECT_EQ(base.GetColour(), clBlue);
  EXPECT_EQ(vy::GetPropertyText(base, "Colour"), "clBlue");
  EXPECT_EQ(vy::GetPropertyText(base, "Flag"), "true");
  EXPECT_EQ(vy::GetPropertyText(base, "Count"), "-42");
}

TEST(Properties, UnknownNamesAndBadTextChangeNothing) {
  TBase base;
  base.SetCount(7);
  std::string error;
  EXPECT_FALSE(vy::SetPropertyText(base, "Nope", "1", &error));
  EXPECT_EQ(error, "unknown property \"Nope\"");
  EXPECT_FALSE(vy::SetPropertyText(base, "Count", "7x", &error));
  EXPECT_EQ(base.GetCount(), 7);
  EXPECT_EQ(vy::GetPropertyText(base, "Nope"), std::nullopt);
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
        TConversionCase{TPropertyKind::Boolean, "True", "true", ""},
        TConversionCase{TPropertyKind::Boolean, "FALSE", "false", ""},
        TConversionCase{TPropertyKind::Boolean, "maybe", "", "\"maybe\" is not a Boolean"},
        TConversionCase{TPropertyKind::Boolean, "1", "", "is not a Boolean"},
        TConversionCase{TPropertyKind::Integer, "2147483647", "2147483647", ""},
        TConversionCase{TPropertyKind::Integer, "-2147483648", "-2147483648", ""},
        TConversionCase{TPropertyKind::Integer, "2147483648", "", "out of the integer range"},
        TConversionCase{TPropertyKind::Integer, "12a", "", "is not an integer"},
        TConversionCase{TPropertyKind::Integer, " 1", "", "is not an integer"},
        TConversionCase{TPropertyKind::Integer, "", "", "is not an integer"},
        TConversionCase{TPropertyKind::Enumeration, "coBranch", "coBranch", ""},
        TConversionCase{TPropertyKind::Enumeration, "coview", "coView", ""},
        TConversionCase{TPropertyKind::Enumeration, "coLabel", "",
                        "\"coLabel\" is not one of coView, coBranch"}));

TEST(Properties, AnEnumerationOrdinalWithoutANameIsWrittenAsANumber) {
  vy::TPublishedProperty property{"P", TPropertyKind::Enumeration, {"coView"}, {}, {}};
  EXPECT_EQ(vy::PropertyValueToText(property, std::int32_t{5}), "5");
}

}  // namespace
