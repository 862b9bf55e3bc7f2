#pragma once
// Table rows for the actions' command lines: settings applied to a fresh
// action whose view context is the test's view, then the expected result,
// arguments and last error message.

#include <functional>
#include <string>
#include <vector>

#include "package_fixture.h"
#include "vycore/properties.h"

namespace cctest {

using Args = std::vector<std::string>;

// Settings written the way a project file stores them, "Name=text" by published
// property name; a bare name sets a Boolean to true. Applied in order; a name
// the action does not publish fails the test.
inline auto With(std::vector<std::string> settings) {
  return [settings](vy::TVyPersistent& action) {
    for (const std::string& setting : settings) {
      const auto equals = setting.find('=');
      const std::string text = equals == std::string::npos ? "true" : setting.substr(equals + 1);
      std::string error;
      EXPECT_TRUE(vy::SetPropertyText(action, setting.substr(0, equals), text, &error)) << error;
    }
  };
}

// The build ended as expected: its result, every argument, and the last error
// message containing `error` (no error at all when `error` is empty).
inline void ExpectBuilt(const TBuiltCommand& built, bool ok, const Args& expected,
                        const std::string& error) {
  EXPECT_EQ(built.ok, ok);
  EXPECT_EQ(built.arguments, expected);
  const std::string last = built.errors.empty() ? "" : built.errors.back();
  if (error.empty()) {
    EXPECT_EQ(last, "");
  } else {
    EXPECT_NE(last.find(error), std::string::npos) << last;
  }
}

template <class T>
struct TCommandCase {
  const char* name;
  std::function<void(T&)> settings;
  bool ok;
  Args expected;           // every argument, the subcommand first
  std::string error = "";  // part of the last error message; empty: no error at all
};

class ActionCommandTest : public TPackageTest {
 protected:
  // `common` is set before each row's own settings.
  template <class T>
  void CheckCommandLines(const std::vector<TCommandCase<T>>& cases, const Args& common = {}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.name);
      T action;
      action.SetViewContextPath(view_);
      action.SetVariable("VAR", "value");
      With(common)(action);
      c.settings(action);
      ExpectBuilt(Build(action), c.ok, c.expected, c.error);
    }
  }
};

}  // namespace cctest
