#pragma once
// Table rows for the element actions' command lines: settings applied to a
// fresh action whose view context is the test's view, then the expected
// result, arguments and last error message.

#include <functional>
#include <string>
#include <vector>

#include "package_fixture.h"

namespace cctest {

using Args = std::vector<std::string>;

// The names an action publishes, in order.
inline Args PublishedNames(const vy::TVyPersistent& object) {
  Args names;
  for (const auto& property : object.PublishedProperties().Items()) names.push_back(property.name);
  return names;
}

template <class T>
struct TCommandCase {
  const char* name;
  std::function<void(T&)> settings;
  bool ok;
  Args expected;           // every argument, the subcommand first
  std::string error = "";  // part of the last error message; empty: no error at all
};

class ElementActionTest : public TPackageTest {
 protected:
  template <class T>
  void CheckCommandLines(const std::vector<TCommandCase<T>>& cases) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.name);
      T action;
      action.SetViewContextPath(view_);
      action.SetVariable("VAR", "value");
      c.settings(action);
      const TBuiltCommand built = Build(action);
      EXPECT_EQ(built.ok, c.ok);
      EXPECT_EQ(built.arguments, c.expected);
      const std::string error = built.errors.empty() ? "" : built.errors.back();
      if (c.error.empty()) {
        EXPECT_EQ(error, "");
      } else {
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
      }
    }
  }
};

}  // namespace cctest
