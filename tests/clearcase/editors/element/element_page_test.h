#pragma once
// Element page tests: actions loaded and read back by property name, and
// the few widget moves every page test makes.

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>
#include <initializer_list>
#include <string>
#include <utility>

#include "page_fixture.h"
#include "vycore/properties.h"

namespace cctest {

class TElementPageTest : public TPageTest {
 protected:
  using TValues = std::initializer_list<std::pair<const char*, const char*>>;

  static void Load(vy::TCustomVyAction& action, TValues values) {
    for (const auto& [name, value] : values) {
      std::string error;
      ASSERT_TRUE(vy::SetPropertyText(action, name, value, &error)) << name << ": " << error;
    }
  }
  static std::string Get(const vy::TCustomVyAction& action, const char* name) {
    return vy::GetPropertyText(action, name).value_or("<no such property>");
  }
  static void ExpectStored(const vy::TCustomVyAction& action, TValues values) {
    for (const auto& [name, value] : values) EXPECT_EQ(Get(action, name), value) << name;
  }
  // Clicks a button on its caption's left end, where a user aims.
  static void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
  }
  static void Drop(QComboBox* box) {
    box->showPopup();
    box->hidePopup();
  }
};

}  // namespace cctest
