#pragma once
// Pages are created by class name: a package registers a factory under each
// page class name its registration names, and the designer asks for them.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vycore/gui/action_page.h"
#include "vycore/gui/options_page.h"

namespace vy::gui {

using TActionPageFactory = std::function<std::unique_ptr<TVyActionPage>()>;
using TOptionsPageFactory = std::function<std::unique_ptr<TVyOptionsPage>()>;

// A later registration under the same name replaces the earlier one.
void RegisterActionPage(const std::string& className, TActionPageFactory factory);
void RegisterOptionsPage(const std::string& className, TOptionsPageFactory factory);

// The page, or null when no factory is registered under the name (or the
// factory failed).
std::unique_ptr<TVyActionPage> CreateActionPage(const std::string& className);
std::unique_ptr<TVyOptionsPage> CreateOptionsPage(const std::string& className);

// Names with a factory, sorted.
std::vector<std::string> RegisteredActionPages();
std::vector<std::string> RegisteredOptionsPages();

template <class Page>
void RegisterActionPage(const std::string& className) {
  RegisterActionPage(className, [] { return std::unique_ptr<TVyActionPage>(new Page()); });
}
template <class Page>
void RegisterOptionsPage(const std::string& className) {
  RegisterOptionsPage(className, [] { return std::unique_ptr<TVyOptionsPage>(new Page()); });
}

// A companion library of a package exports this entry point; the designer
// calls it after loading the package itself.
using TVyRegisterPagesEntry = void (*)();
inline constexpr const char* kVyRegisterPagesSymbol = "VyRegisterPages";

}  // namespace vy::gui
