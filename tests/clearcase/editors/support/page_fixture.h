#pragma once
// Page tests: the package fixture (isolated per-user files, options naming a
// cleartool) plus the stand-in answering listings with a journal of its runs,
// and doubles for the design services that record what was asked.

#include <QTest>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "package_fixture.h"
#include "vycore/gui/action_page.h"
#include "vycore/properties.h"
#include "vycore/services.h"

namespace cctest {

struct TBrowseCall {
  std::string kind;  // "directory", "file" or "save"
  std::string initialDir;
  std::string caption;
  std::string pattern;   // file: the pattern; save: the filter
  int filterIndex = 0;   // save only
  std::string fileName;  // save only
};

class TPageTest : public TPackageTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Real processes, cleartool being the stand-in over a copy of an example
  // world (examples/worlds/NAME.xml), whose views are laid out.
  void UseStandIn(const std::string& world = "demo");
  // The argv of every stand-in run so far (program name left out).
  std::vector<std::vector<std::string>> StandInRuns() const;
  // How many runs had this subcommand as their first argument.
  int CountRuns(const std::string& subcommand) const;

  // The browser doubles answer with this (empty: the user cancels) and
  // record every call.
  std::string browseAnswer_;
  std::vector<TBrowseCall> browseCalls_;

  // InitFrame, InitPage, ReadActionData, then shown; no page fails the test.
  template <class Page>
  static std::unique_ptr<Page> Opened(std::unique_ptr<Page> page, vy::TCustomVyAction& action) {
    EXPECT_NE(page, nullptr);
    if (page == nullptr) return page;
    page->InitFrame();
    page->InitPage(action);
    page->ReadActionData(action);
    page->resize(520, 420);
    page->show();
    return page;
  }
  template <class Page>
  std::unique_ptr<Page> Open(vy::TCustomVyAction& action) {
    return Opened(std::make_unique<Page>(), action);
  }

  // Published properties by name, as the pages read and write them.
  using TValues = std::initializer_list<std::pair<const char*, const char*>>;
  static std::string Get(const vy::TCustomVyAction& action, const char* name) {
    return vy::GetPropertyText(action, name).value_or("<no such property>");
  }
  static void ExpectStored(const vy::TCustomVyAction& action, TValues values) {
    for (const auto& [name, value] : values) EXPECT_EQ(Get(action, name), value) << name;
  }

  // Finds a control of a page by its objectName; fails the test if absent.
  template <class Widget>
  static Widget* Find(QWidget* root, const char* name) {
    auto* widget = root->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no control named " << name;
    return widget;
  }

 private:
  std::string world_;
};

}  // namespace cctest
