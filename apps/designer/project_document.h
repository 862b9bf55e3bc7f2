#pragma once
// The project being designed: its actions and variables, where it lives and
// whether it differs from what was last saved. The editing rules live here,
// apart from the widgets, so that the window only shows them.

#include <memory>
#include <string>
#include <vector>

#include "vycore/project.h"

namespace designer {

// A new action of the same type with every published property copied; null
// when the type is not registered.
std::unique_ptr<vy::TCustomVyAction> CloneAction(const std::string& typeId,
                                                 const vy::TCustomVyAction& action);
// Copies every published property of `from` into `to` (same class).
void CopyProperties(const vy::TCustomVyAction& from, vy::TCustomVyAction& to);

class TProjectDocument {
 public:
  TProjectDocument() = default;

  // Replaces the document; false (document unchanged) with the diagnostics
  // when the file cannot be loaded.
  bool Open(const std::string& path, std::vector<vy::TVyDiagnostic>& diagnostics);
  // Saves atomically to `path`, or to Path() when empty; the document then
  // lives there.
  bool Save(std::string* error, const std::string& path = {});
  void Clear();

  const std::string& Path() const { return path_; }
  bool Modified() const { return modified_; }
  void SetModified() { modified_ = true; }

  const vy::TVyProject& Project() const { return project_; }
  int Count() const { return static_cast<int>(project_.actions.size()); }
  vy::TVyProjectAction& At(int index) { return project_.actions.at(static_cast<size_t>(index)); }
  const vy::TVyProjectAction& At(int index) const {
    return project_.actions.at(static_cast<size_t>(index));
  }

  // Each returns the index of the affected action afterwards, or -1 when
  // nothing changed (an unknown type, an index out of range, a move past
  // either end).
  int Add(const std::string& typeId, int at);  // at: -1 or Count() appends
  int Duplicate(int index);                    // the copy follows the original
  int Remove(int index);                       // the index that takes its place, -1 when empty
  int Move(int index, int delta);              // -1 up, +1 down
  bool SetEnabled(int index, bool enabled);
  bool SetDescription(int index, const std::string& description);

  const std::vector<std::pair<std::string, std::string>>& Variables() const {
    return project_.variables;
  }
  // Rows with an empty name are dropped; false when nothing changed.
  bool SetVariables(std::vector<std::pair<std::string, std::string>> variables);
  // The host's design-time variables (which the pages list) become the
  // project's.
  void PublishDesignVariables() const;

 private:
  bool Valid(int index) const { return index >= 0 && index < Count(); }

  vy::TVyProject project_;
  std::string path_;
  bool modified_ = false;
};

}  // namespace designer
