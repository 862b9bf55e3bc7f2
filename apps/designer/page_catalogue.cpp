#include "page_catalogue.h"

#include <memory>
#include <set>

#include "vycore/gui/page_registry.h"
#include "vycore/services.h"

namespace designer {
namespace {

class TNoOwner final : public vy::gui::IVyOptionPageOwner {
 public:
  QWidget* OwnerWindow() override { return nullptr; }
};

// A value no default has: another text, the other truth value, the next
// enumeration value.
vy::TPropertyValue Unusual(const vy::TPublishedProperty& property, const vy::TPropertyValue& now) {
  switch (property.kind) {
    case vy::TPropertyKind::String:
      // Both kinds of path, so that each path page finds its own.
      return std::string("src/x.c\r\nsrc/y.c@@/main/1\r\n");
    case vy::TPropertyKind::Boolean:
      return !std::get<bool>(now);
    case vy::TPropertyKind::Integer:
      return std::get<std::int32_t>(now) + 7;
    case vy::TPropertyKind::Enumeration: {
      const auto count = static_cast<std::int32_t>(property.enumNames.size());
      return count == 0 ? now : vy::TPropertyValue((std::get<std::int32_t>(now) + 1) % count);
    }
  }
  return now;
}

QStringList Written(const std::string& typeId, vy::gui::TVyActionPage& page) {
  std::unique_ptr<vy::TCustomVyAction> source = vy::VyActionServices().CreateAction(typeId);
  std::unique_ptr<vy::TCustomVyAction> target = vy::VyActionServices().CreateAction(typeId);
  std::unique_ptr<vy::TCustomVyAction> fresh = vy::VyActionServices().CreateAction(typeId);
  if (!source || !target || !fresh) return {};
  const auto& items = source->PublishedProperties().Items();
  for (const vy::TPublishedProperty& property : items) {
    property.set(*source, Unusual(property, property.get(*source)));
  }
  try {
    page.InitFrame();
    page.InitPage(*source);
    page.ReadActionData(*source);
    page.WriteActionData(*target);
  } catch (...) {
    return {};
  }
  QStringList names;
  for (const vy::TPublishedProperty& property : items) {
    if (property.get(*target) != property.get(*fresh))
      names.append(QString::fromStdString(property.name));
  }
  return names;
}

}  // namespace

QStringList PageClasses() {
  QStringList names;
  std::set<std::string> seen;
  const auto add = [&](const std::string& name) {
    if (seen.insert(name).second) names.append(QString::fromStdString(name));
  };
  for (const vy::TVyRegisteredOptions& entry : vy::VyOptionsServices().Registered()) {
    for (const vy::TVyPageClass& page : entry.pages) add(page.className);
  }
  for (const vy::TVyRegisteredAction& entry : vy::VyActionServices().Catalogue()) {
    for (const vy::TVyPageClass& page : entry.pages) add(page.className);
  }
  return names;
}

std::vector<TPageDescription> DescribePages() {
  std::vector<TPageDescription> pages;
  for (const QString& name : PageClasses()) {
    TPageDescription description{name, {}, {}, {}};
    const std::string className = name.toStdString();
    for (const vy::TVyRegisteredOptions& entry : vy::VyOptionsServices().Registered()) {
      for (const vy::TVyPageClass& page : entry.pages) {
        if (page.className != className) continue;
        description.types.append(QString::fromStdString(entry.instance->GetName()));
        if (auto shown = vy::gui::CreateOptionsPage(className)) {
          TNoOwner owner;
          shown->InitPage(owner);
          description.pageName = shown->GetPageName();
        }
        for (const vy::TPublishedProperty& property :
             entry.instance->PublishedProperties().Items()) {
          description.properties.append(QString::fromStdString(property.name));
        }
      }
    }
    for (const vy::TVyRegisteredAction& entry : vy::VyActionServices().Catalogue()) {
      for (const vy::TVyPageClass& page : entry.pages) {
        if (page.className != className) continue;
        description.types.append(QString::fromStdString(entry.typeId));
        if (!description.pageName.isEmpty()) continue;
        if (auto shown = vy::gui::CreateActionPage(className)) {
          description.properties = Written(entry.typeId, *shown);
          description.pageName = shown->PageName();
        }
      }
    }
    pages.push_back(std::move(description));
  }
  return pages;
}

}  // namespace designer
