#include "vycore/gui/page_registry.h"

#include <map>

namespace vy::gui {
namespace {

template <class Factory>
std::map<std::string, Factory>& Factories() {
  static std::map<std::string, Factory> factories;
  return factories;
}

template <class Page, class Factory>
std::unique_ptr<Page> Create(const std::string& className) {
  const auto& factories = Factories<Factory>();
  const auto found = factories.find(className);
  if (found == factories.end() || !found->second) return nullptr;
  try {
    return found->second();
  } catch (...) {
    return nullptr;
  }
}

template <class Factory>
std::vector<std::string> Names() {
  std::vector<std::string> names;
  for (const auto& [name, factory] : Factories<Factory>()) names.push_back(name);
  return names;
}

}  // namespace

void RegisterActionPage(const std::string& className, TActionPageFactory factory) {
  Factories<TActionPageFactory>()[className] = std::move(factory);
}

void RegisterOptionsPage(const std::string& className, TOptionsPageFactory factory) {
  Factories<TOptionsPageFactory>()[className] = std::move(factory);
}

std::unique_ptr<TVyActionPage> CreateActionPage(const std::string& className) {
  return Create<TVyActionPage, TActionPageFactory>(className);
}

std::unique_ptr<TVyOptionsPage> CreateOptionsPage(const std::string& className) {
  return Create<TVyOptionsPage, TOptionsPageFactory>(className);
}

std::vector<std::string> RegisteredActionPages() {
  return Names<TActionPageFactory>();
}

std::vector<std::string> RegisteredOptionsPages() {
  return Names<TOptionsPageFactory>();
}

}  // namespace vy::gui
