#include "command_preview.h"

#include <QObject>
#include <QStringList>
#include <memory>

#include "project_document.h"
#include "vycore/platform.h"
#include "vycore/run.h"

namespace designer {
namespace {

// Collects what the action logs while it is prepared; nothing reaches the
// user's run log.
class TPreviewHost final : public vy::IVyActionHost {
 public:
  void Log(const vy::TCustomVyAction&, const std::string& text, vy::TStatusTag tag) override {
    if (tag == vy::tsError) errors.append(QString::fromStdString(text).trimmed());
  }
  vy::TVyVariables& Variables() override { return variables; }

  vy::TVyVariables variables;
  QStringList errors;
};

}  // namespace

QString TCommandPreview::ToText() const {
  if (!ok) return problems;
  QString text = program.isEmpty() ? commandLine : program + QLatin1Char(' ') + commandLine;
  if (!startingDir.isEmpty()) text += QStringLiteral("\nin ") + startingDir;
  return text;
}

TCommandPreview PreviewCommand(const std::string& typeId, const vy::TCustomVyAction& action,
                               const std::vector<std::pair<std::string, std::string>>& variables) {
  TCommandPreview preview;
  std::unique_ptr<vy::TCustomVyAction> copy = CloneAction(typeId, action);
  auto* runnable = dynamic_cast<vy::TVyExecuteAbstractAction*>(copy.get());
  if (runnable == nullptr) {
    preview.problems = QObject::tr("This action runs no program.");
    return preview;
  }
  TPreviewHost host;
  for (const auto& [name, value] : variables) host.variables.Set(name, value);
  runnable->AttachHost(&host);
  const vy::TVyRunResult result = vy::RunAction(*runnable, {true, 0});
  runnable->AttachHost(nullptr);
  preview.ok = result.succeeded;
  preview.program = QString::fromStdString(vy::ExtractFileName(result.executable));
  preview.commandLine = QString::fromStdString(result.commandLine);
  preview.startingDir = QString::fromStdString(result.startingDir);
  QStringList problems;
  if (!result.reason.empty()) problems.append(QString::fromStdString(result.reason));
  for (const QString& line : host.errors) {
    if (!problems.contains(line)) problems.append(line);
  }
  preview.problems = problems.join(QLatin1Char('\n'));
  return preview;
}

}  // namespace designer
