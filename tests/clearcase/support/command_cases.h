#pragma once
// Table rows for the actions' command lines: settings applied to a fresh
// action whose view context is the test's view, then the expected result,
// arguments and last error message.

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "clearcase/plugin/catalogue.h"
#include "package_fixture.h"
#include "vycore/properties.h"
#include "vycore/run.h"

namespace cctest {

using Args = std::vector<std::string>;

// Messages that several actions send.
inline constexpr const char* kNoPaths = "Action Failed: No pathnames specified to act on.";
inline constexpr const char* kNoObjects = "Action Failed: No object selectors have been specified.";
inline constexpr const char* kViewError =
    "Error: The View Context Path you have specified is invalid or does not exist.";
inline constexpr const char* kNoAttributeName = "Error: You have not specified an attribute name.";
inline constexpr const char* kNoComponents = "Error: No UCM components selected.";

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

// The same, in a view that does not exist, for actions that do not publish one.
inline auto WithoutView(std::vector<std::string> settings) {
  return [settings](clearcase::TClearCaseBaseAction& action) {
    action.SetViewContextPath("/no/such/view");
    With(settings)(action);
  };
}

template <class T>
struct TCommandCase {
  const char* name;
  std::function<void(T&)> settings;
  bool ok;
  Args expected;           // every argument, the subcommand first
  std::string error = "";  // part of the last error message; empty: no error at all
};

// A row of any of the package's action types, named by its type identifier.
struct TTypeCase {
  const char* type;
  const char* name;
  std::function<void(clearcase::TClearCaseBaseAction&)> settings;
  bool ok;
  Args expected;
  std::string error = "";
};

class ActionCommandTest : public TPackageTest {
 protected:
  // The rows give every argument as the action appends it, or with `argv` the
  // argv cleartool receives: where quoting matters, only that shows where one
  // argument ends.
  template <class T>
  void CheckCommandLines(const std::vector<TCommandCase<T>>& cases, bool argv = false) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.name);
      T action;
      CheckRow(
          action, {}, [&](auto&) { c.settings(action); }, argv, c.ok, c.expected, c.error);
    }
  }

  // Rows of several types, giving every argument as the action appends it.
  void CheckTypes(const std::vector<TTypeCase>& cases, const Args& common = {}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.type) + ": " + c.name);
      const auto catalogue = clearcase::Catalogue();
      const auto row = std::ranges::find_if(
          catalogue, [&](const auto& r) { return std::string(r.typeId) == c.type; });
      ASSERT_NE(row, catalogue.end());
      const std::unique_ptr<vy::TCustomVyAction> created = row->actionClass.create();
      auto& action = dynamic_cast<clearcase::TClearCaseBaseAction&>(*created);
      CheckRow(action, common, c.settings, false, c.ok, c.expected, c.error);
    }
  }

  // The build ends as expected: its result, every argument, and the last error
  // message containing `error` (no error at all when `error` is empty).
  void CheckRow(clearcase::TClearCaseBaseAction& action, const Args& common,
                const std::function<void(clearcase::TClearCaseBaseAction&)>& settings, bool argv,
                bool ok, const Args& expected, const std::string& error) {
    action.SetViewContextPath(view_);
    action.SetVariable("VAR", "value");
    With(common)(action);
    settings(action);
    const TBuiltCommand built = Build(action);
    EXPECT_EQ(built.ok, ok);
    EXPECT_EQ(argv ? built.argv : built.arguments, expected);
    const std::string last = built.errors.empty() ? "" : built.errors.back();
    if (error.empty()) {
      EXPECT_EQ(last, "");
    } else {
      EXPECT_NE(last.find(error), std::string::npos) << last;
    }
  }

  // Runs the action in the test's view through the host, cleartool printing
  // `output` for the arguments `argv`; cleartool must start exactly once.
  vy::TVyRunResult RunPrinting(clearcase::TClearCaseBaseAction& action, const Args& argv,
                               const std::string& output) {
    action.SetViewContextPath(view_);
    runner_.specs.clear();
    runner_.printed[argv] = output;
    const vy::TVyRunResult result = vy::RunAction(action, {});
    EXPECT_EQ(runner_.specs.size(), result.succeeded ? 1u : 0u);
    return result;
  }
};

}  // namespace cctest
