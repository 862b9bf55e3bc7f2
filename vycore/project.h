#pragma once
// Project files: one XML file per project, written to be read and reviewed
// by people (docs/project-files.md).

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "vycore/action.h"

namespace vy {

struct TVyProjectAction {
  std::string typeId;
  std::string description;
  bool enabled = true;
  std::unique_ptr<TCustomVyAction> action;
};

struct TVyProject {
  std::vector<std::pair<std::string, std::string>> variables;  // in file order
  std::vector<TVyProjectAction> actions;
};

struct TVyDiagnostic {
  enum Severity { Warning, Error };
  Severity severity = Error;
  std::string file;
  int line = 0;  // 0 when unknown
  std::string message;
  std::string ToString() const;  // "FILE:LINE: error: message"
};

// Actions are created through VyActionServices. Returns false when any error
// was found; the project is then left empty (warnings alone do not fail).
bool LoadProject(const std::string& path, TVyProject& project,
                 std::vector<TVyDiagnostic>& diagnostics);
bool LoadProjectText(const std::string& text, const std::string& fileName, TVyProject& project,
                     std::vector<TVyDiagnostic>& diagnostics);
std::string ProjectToText(const TVyProject& project);
bool SaveProject(const std::string& path, const TVyProject& project, std::string* error);

}  // namespace vy
