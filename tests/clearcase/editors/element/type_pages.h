#pragma once
// The pages of one action type opened together, as the property dialog opens
// them: a new action of the type holding the stored values, read by every
// page the package registers for the type. The page tests of every folder
// use it, so that they need not name the classes of pages and actions.

#include "clearcase/editors/registration.h"
#include "clearcase/plugin/catalogue.h"
#include "page_fixture.h"
#include "user_input.h"
#include "vycore/gui/page_registry.h"

namespace cctest {

using TStored = std::vector<std::pair<const char*, const char*>>;

class TTypePagesTest : public TPageTest {
 protected:
  void SetUp() override {
    TPageTest::SetUp();
    clearcase::editors::RegisterPages();
    // What the variable lists offer.
    vy::VyDesignApplicationServices().DesignVariables().Set("BUILD_LABEL", "");
    vy::VyDesignApplicationServices().DesignVariables().Set("CHECKOUTS", "");
  }

  void OpenPages(const std::string& typeId, const TStored& stored = {}, bool clearCaseLT = false) {
    Options().SetClearCaseType(clearCaseLT ? clearcase::ccLT : clearcase::ccFull);
    pages_.clear();
    const clearcase::TCatalogueRow* entry = nullptr;
    for (const clearcase::TCatalogueRow& row : clearcase::Catalogue())
      if (row.typeId == typeId) entry = &row;
    ASSERT_NE(entry, nullptr) << typeId;
    action_ = entry->actionClass.create();
    for (const auto& [name, value] : stored) {
      std::string error;
      ASSERT_TRUE(vy::SetPropertyText(*action_, name, value, &error)) << name << ": " << error;
    }
    for (const vy::TVyPageClass& pageClass : entry->pages) {
      pages_.push_back(Opened(vy::gui::CreateActionPage(pageClass.className), *action_));
      ASSERT_NE(pages_.back(), nullptr) << pageClass.className << " is not registered";
    }
  }

  // A control of any of the pages by its objectName; fails the test if none.
  template <class Widget = QWidget>
  Widget* C(const std::string& name) const {
    for (const auto& page : pages_)
      if (auto* found = page->findChild<Widget*>(QString::fromStdString(name))) return found;
    ADD_FAILURE() << "no control named " << name;
    return nullptr;
  }

  // Every page writes the action, in page order, as OK does.
  void WritePages() {
    for (auto& page : pages_) page->WriteActionData(*action_);
  }
  std::string Written(const char* name) {
    WritePages();
    return Get(*action_, name);
  }

  std::unique_ptr<vy::TCustomVyAction> action_;
  std::vector<std::unique_ptr<vy::gui::TVyActionPage>> pages_;
};

}  // namespace cctest
