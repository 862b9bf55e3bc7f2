#include "vycore/action.h"

#include "vycore/filesystem.h"
#include "vycore/platform.h"
#include "vycore/text.h"

namespace vy {

TCustomVyAction::TCustomVyAction() : ownVariables_(std::make_unique<TVyVariables>()) {}

TCustomVyAction::~TCustomVyAction() = default;

TVyVariables& TCustomVyAction::Variables() {
  return host_ ? host_->Variables() : *ownVariables_;
}

void TCustomVyAction::SendMessage(const std::string& text, TStatusTag tag) {
  if (host_) {
    host_->Log(*this, text, tag);
  } else {
    messages_.push_back({text, tag});
  }
}

void TCustomVyAction::SendSettingNote(const TVySettingNote& note) {
  if (host_) host_->NoteSetting(*this, note);
}

std::string DescribeSettingNote(const TVySettingNote& note, const std::string& optionsStore) {
  std::string origin;
  switch (note.origin) {
    case TVySettingNote::soOptions:
      origin = "options store " + optionsStore;
      break;
    case TVySettingNote::soProperty:
      origin = "the action's property " + note.source;
      break;
    case TVySettingNote::soOther:
      origin = note.source;
      break;
  }
  if (!note.written.empty()) origin += ", written as " + note.written;
  const std::string value = note.value.empty() ? "(empty)" : note.value;
  return note.label + ": " + value + (origin.empty() ? "" : " (" + origin + ")");
}

bool TCustomVyAction::TryExpandExpression(const std::string& propertyName,
                                          const std::string& expression, std::string& text,
                                          bool flag) {
  TExpansionResult result = ExpandText(expression, Variables(), flag);
  text = std::move(result.text);
  if (!result.ok) {
    SendMessage("Error: cannot expand " + propertyName + ": " + result.error, tsError);
  }
  return result.ok;
}

std::string TCustomVyAction::ExpandExpression(const std::string& expression, bool flag) {
  std::string text;
  TryExpandExpression("the expression \"" + expression + "\"", expression, text, flag);
  return text;
}

void TCustomVyAction::SetVariable(const std::string& name, const std::string& value) {
  Variables().Set(name, value);
}

std::string TCustomVyAction::GetVariableValue(const std::string& name) {
  return Variables().Get(name);
}

bool TCustomVyAction::IsVariableDefined(const std::string& name) {
  return Variables().IsDefined(name);
}

bool TCustomVyAction::Validate(IVyActionValidationError&) {
  return true;
}

bool TVyExecuteAbstractAction::GetCommandLine(ICommandLineBuilder&) {
  return true;
}

std::string TVyExecuteAbstractAction::GetStartingDir(const std::string& defaultDir) {
  const IFileSystem& fs = FileSystem();
  if (fs.DirectoryExists(defaultDir)) return defaultDir;
  std::string parent = ExtractFileDir(defaultDir);
  return fs.DirectoryExists(parent) ? parent : std::string();
}

void TVyExecuteAbstractAction::BeforeExecute(ICommandLineBuilder&) {}

void TVyExecuteAbstractAction::OnStdOutData(IVyProcess*, const std::string& line) {
  SendMessage(std::string(WithoutTerminator(line)), tsInformation);
}

void TVyExecuteAbstractAction::OnStdErrData(IVyProcess*, const std::string& line) {
  SendMessage(std::string(WithoutTerminator(line)), tsError);
}

void TVyExecuteAbstractAction::OnProcessOutput(const TStringList& lines) {
  if (streamOutput_) return;  // each line was logged as it arrived
  for (const std::string& line : lines) SendMessage(line, tsInformation);
}

bool TVyExecuteAbstractAction::InterpretResult(int exitCode) {
  return exitCode == 0;
}

void TVyExecuteAbstractAction::OnSuccess(int) {}

void TVyExecuteAbstractAction::OnFailure(int) {}

}  // namespace vy
