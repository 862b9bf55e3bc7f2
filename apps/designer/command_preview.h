#pragma once
// What the runner would start for an action: its dry run, on a copy, with
// the project's variables, so that the live preview never changes the action.

#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "vycore/action.h"

namespace designer {

struct TCommandPreview {
  bool ok = false;
  QString program;  // the file name of the program, without its folder
  QString commandLine;
  QString startingDir;
  QString problems;  // the reason and the error lines of a failed preparation
  QString ToText() const;
};

TCommandPreview PreviewCommand(const std::string& typeId, const vy::TCustomVyAction& action,
                               const std::vector<std::pair<std::string, std::string>>& variables);

}  // namespace designer
