#pragma once
// Table rows for the actions' command lines: settings applied to a fresh
// action whose view context is the test's view, then the expected result,
// arguments and last error message.

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
  template <class T>
  void CheckCommandLines(const std::vector<TCommandCase<T>>& cases) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.name);
      T action;
      action.SetViewContextPath(view_);
      action.SetVariable("VAR", "value");
      c.settings(action);
      ExpectBuilt(Build(action), c.ok, c.expected, c.error);
    }
  }
};

}  // namespace cctest
