#include "project_document.h"

#include <algorithm>
#include <utility>

#include "vycore/services.h"

namespace designer {

void CopyProperties(const vy::TCustomVyAction& from, vy::TCustomVyAction& to) {
  const vy::TPropertyList& target = to.PublishedProperties();
  for (const vy::TPublishedProperty& property : from.PublishedProperties().Items()) {
    if (const vy::TPublishedProperty* same = target.Find(property.name)) {
      same->set(to, property.get(from));
    }
  }
}

std::unique_ptr<vy::TCustomVyAction> CloneAction(const std::string& typeId,
                                                 const vy::TCustomVyAction& action) {
  std::unique_ptr<vy::TCustomVyAction> copy = vy::VyActionServices().CreateAction(typeId);
  if (copy) CopyProperties(action, *copy);
  return copy;
}

bool TProjectDocument::Open(const std::string& path, std::vector<vy::TVyDiagnostic>& diagnostics) {
  vy::TVyProject loaded;
  if (!vy::LoadProject(path, loaded, diagnostics)) return false;
  project_ = std::move(loaded);
  path_ = path;
  modified_ = false;
  PublishDesignVariables();
  return true;
}

bool TProjectDocument::Save(std::string* error, const std::string& path) {
  const std::string target = path.empty() ? path_ : path;
  if (target.empty()) {
    if (error) *error = "the project has no file name yet";
    return false;
  }
  if (!vy::SaveProject(target, project_, error)) return false;
  path_ = target;
  modified_ = false;
  return true;
}

void TProjectDocument::Clear() {
  project_ = {};
  path_.clear();
  modified_ = false;
  PublishDesignVariables();
}

int TProjectDocument::Add(const std::string& typeId, int at) {
  std::unique_ptr<vy::TCustomVyAction> action = vy::VyActionServices().CreateAction(typeId);
  if (!action) return -1;
  if (at < 0 || at > Count()) at = Count();
  project_.actions.insert(project_.actions.begin() + at, {typeId, "", true, std::move(action)});
  modified_ = true;
  return at;
}

int TProjectDocument::Duplicate(int index) {
  if (!Valid(index)) return -1;
  const vy::TVyProjectAction& original = At(index);
  std::unique_ptr<vy::TCustomVyAction> copy = CloneAction(original.typeId, *original.action);
  if (!copy) return -1;
  vy::TVyProjectAction entry{original.typeId, original.description, original.enabled,
                             std::move(copy)};
  project_.actions.insert(project_.actions.begin() + index + 1, std::move(entry));
  modified_ = true;
  return index + 1;
}

int TProjectDocument::Remove(int index) {
  if (!Valid(index)) return -1;
  project_.actions.erase(project_.actions.begin() + index);
  modified_ = true;
  return Count() == 0 ? -1 : std::min(index, Count() - 1);
}

int TProjectDocument::Move(int index, int delta) {
  const int target = index + delta;
  if (!Valid(index) || !Valid(target) || delta == 0) return -1;
  std::swap(project_.actions[static_cast<size_t>(index)],
            project_.actions[static_cast<size_t>(target)]);
  modified_ = true;
  return target;
}

bool TProjectDocument::SetEnabled(int index, bool enabled) {
  if (!Valid(index) || At(index).enabled == enabled) return false;
  At(index).enabled = enabled;
  modified_ = true;
  return true;
}

bool TProjectDocument::SetDescription(int index, const std::string& description) {
  if (!Valid(index) || At(index).description == description) return false;
  At(index).description = description;
  modified_ = true;
  return true;
}

bool TProjectDocument::SetVariables(std::vector<std::pair<std::string, std::string>> variables) {
  variables.erase(std::remove_if(variables.begin(), variables.end(),
                                 [](const auto& entry) { return entry.first.empty(); }),
                  variables.end());
  if (variables == project_.variables) return false;
  project_.variables = std::move(variables);
  modified_ = true;
  PublishDesignVariables();
  return true;
}

void TProjectDocument::PublishDesignVariables() const {
  vy::TVyVariables variables;
  for (const auto& [name, value] : project_.variables) variables.Set(name, value);
  vy::VyDesignApplicationServices().DesignVariables() = std::move(variables);
}

}  // namespace designer
