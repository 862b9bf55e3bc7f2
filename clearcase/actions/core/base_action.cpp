#include "clearcase/actions/core/base_action.h"

#include <typeinfo>

#include "clearcase/actions/core/storage_strings.h"
#include "clearcase/plugin/catalogue.h"
#include "clearcase/plugin/clearcase_options.h"
#include "vycore/filesystem.h"

namespace clearcase {

namespace {

// Reads the options defensively: before registration there are none.
std::string OptionsCleartoolPath() {
  auto* options = ClearCaseOptions();
  return options != nullptr ? options->GetCleartoolPath() : std::string();
}

std::string OptionsDefaultViewPath() {
  auto* options = ClearCaseOptions();
  return options != nullptr ? options->GetDefaultViewPath() : std::string();
}

// Where the cleartool path of the options came from.
vy::TVySettingNote CleartoolPathNote(const std::string& path) {
  vy::TVySettingNote note{"cleartool path", path, vy::TVySettingNote::soOptions, "ClearCase", ""};
  auto* options = ClearCaseOptions();
  if (options != nullptr && options->GetImplementation()->CleartoolPathDiscovered()) {
    note.origin = vy::TVySettingNote::soOther;
    note.source = "none set; the first cleartool found on PATH";
  }
  return note;
}

const vy::TVyPersistent* OptionsObject() {
  auto* options = ClearCaseOptions();
  return options != nullptr ? static_cast<const vy::TVyOptionsObject*>(options->GetImplementation())
                            : nullptr;
}

}  // namespace

std::string TClearCaseBaseAction::GetActionName() const {
  const auto* row = FindCatalogueRow(typeid(*this));
  return row != nullptr ? row->displayName : "";
}

int TClearCaseBaseAction::GetHelpTopicID() const {
  const auto* row = FindCatalogueRow(typeid(*this));
  return row != nullptr ? row->helpTopic : 4430;
}

std::string TClearCaseBaseAction::GetCommand() const {
  const auto* row = FindCatalogueRow(typeid(*this));
  return row != nullptr ? row->subcommand : "";
}

TClearCaseBaseAction::TClearCaseBaseAction() {
  SetCollectOutput(true);
  SetStreamOutput(true);
}

bool TClearCaseBaseAction::Validate(vy::IVyActionValidationError& errors) {
  const bool inherited = vy::TVyExecuteAbstractAction::Validate(errors);
  if (OptionsCleartoolPath().empty()) {
    errors.AddError("Options", "The path to cleartool.exe has not been specified.",
                    OptionsObject());
    return false;
  }
  if (!vy::FileSystem().FileExists(GetExecutable())) {
    errors.AddError("Options", "Cleartool.exe cannot be found at the path specified.",
                    OptionsObject());
    SendSettingNote(CleartoolPathNote(GetExecutable()));
    return false;
  }
  return inherited;
}

vy::TStringList TClearCaseBaseAction::GetHiddenProperties() const {
  auto names = vy::TVyExecuteAbstractAction::GetHiddenProperties();
  names.push_back("PathNameStorageString");
  names.push_back("ObjectsStorageString");
  return names;
}

bool TClearCaseBaseAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  if (OptionsCleartoolPath().empty()) {
    SendMessage(
        "The path to cleartool.exe has not been specified. Please check under Tools -> Options.",
        vy::tsError);
    return false;
  }
  if (!vy::FileSystem().FileExists(GetExecutable())) {
    SendMessage(
        "Cleartool.exe cannot be found at the path specified. Please check under Tools -> Options.",
        vy::tsError);
    SendSettingNote(CleartoolPathNote(GetExecutable()));
    return false;
  }
  Append(builder, GetCommand());
  if (!vy::TVyExecuteAbstractAction::GetCommandLine(builder)) return false;
  return vy::FileSystem().DirectoryExists(GetStartingDir(OptionsCleartoolPath()));
}

std::string TClearCaseBaseAction::GetExecutable() {
  return OptionsCleartoolPath();
}

std::string TClearCaseBaseAction::GetStartingDir(const std::string& defaultDir) {
  resolvedStartingDir_.clear();
  if (GetActionDoesNotUseViewContext()) {
    resolvedStartingDir_ = vy::TVyExecuteAbstractAction::GetStartingDir(defaultDir);
    return resolvedStartingDir_;
  }
  std::string directory;
  // The note shows the folder looked for, and the stored text when an
  // expression made it something else.
  bool expanded = false;
  const auto note = [&](std::string label, const std::string& written,
                        vy::TVySettingNote::TOrigin origin, std::string source) {
    const std::string& value = expanded ? directory : written;
    SendSettingNote({std::move(label), value, origin, std::move(source),
                     written == value ? std::string() : written});
  };
  if (useDefaultViewContext_) {
    const std::string written = OptionsDefaultViewPath();
    if (!(expanded = TryExpandExpression("Default View Context", written, directory, false)) ||
        !vy::FileSystem().DirectoryExists(directory)) {
      SendMessage(
          "Error: The Default View you have specified is invalid or does not exist. To rectify go "
          "to Tools->Options.",
          vy::tsError);
      note("default view", written, vy::TVySettingNote::soOptions, "ClearCase");
      return {};
    }
  } else if (!(expanded = TryExpandExpression("View Context Path", viewContextPath_, directory,
                                               false)) ||
             !vy::FileSystem().DirectoryExists(directory)) {
    SendMessage("Error: The View Context Path you have specified is invalid or does not exist.",
                vy::tsError);
    note("view context path", viewContextPath_, vy::TVySettingNote::soProperty,
         "ViewContextPath");
    return {};
  }
  resolvedStartingDir_ = directory;
  return resolvedStartingDir_;
}

void TClearCaseBaseAction::BeforeExecute(vy::ICommandLineBuilder& builder) {
  vy::TVyExecuteAbstractAction::BeforeExecute(builder);
  // Each line is logged as it arrives; the whole output is kept only for an
  // action that asks for it again after this, so that a flood costs no memory.
  SetCollectOutput(false);
  SendMessage("Starting Directory: " + resolvedStartingDir_, vy::tsInformation);
  SendMessage("Command Line: " + builder.GetCommandLine(), vy::tsInformation);
}

bool TClearCaseBaseAction::NoViewConfigured() {
  return useDefaultViewContext_ ? OptionsDefaultViewPath().empty() : viewContextPath_.empty();
}

bool TClearCaseBaseAction::GetActionDoesNotUseViewContext() {
  if (!NoViewConfigured()) return false;
  return (!viewPathNames_.empty() && extendedPathNames_.empty()) || !objectSelectors_.empty();
}

bool TClearCaseBaseAction::AddComment(vy::ICommandLineBuilder& builder) {
  std::string comment;
  const bool expanded = TryExpandExpression("Comment", comment_, comment, false);
  if (!expanded) return false;
  if (noComment_ || comment.empty()) {
    Append(builder, "-nc");
  } else {
    Append(builder, "-c " + vy::QuoteArgument(comment));
  }
  return true;
}

bool TClearCaseBaseAction::AddPathNames(vy::ICommandLineBuilder& builder) {
  const auto& pathNames = GetPathNames();
  if (pathNames.empty()) {
    SendMessage("Action Failed: No pathnames specified to act on.", vy::tsError);
    return false;
  }
  for (const auto& pathName : pathNames) {
    std::string expanded;
    if (!TryExpandExpression("Pathname", pathName, expanded, true)) return false;
    Append(builder, vy::QuoteArgument(expanded));
  }
  return true;
}

bool TClearCaseBaseAction::AddObjectSelectors(vy::ICommandLineBuilder& builder) {
  if (objectSelectors_.empty()) {
    SendMessage("Action Failed: No object selectors have been specified.", vy::tsError);
    return false;
  }
  for (const auto& selector : objectSelectors_) {
    std::string expanded;
    if (!TryExpandExpression("Object Selector", selector, expanded, true)) return false;
    Append(builder, vy::QuoteArgumentIfNeeded(expanded));
  }
  return true;
}

bool TClearCaseBaseAction::AddLabelTypeName(vy::ICommandLineBuilder& builder) {
  std::string name;
  std::string vob;
  if (!TryExpandExpression("Label Type Name", labelTypeName_, name, true) ||
      !TryExpandExpression("VOB Selector", vobSelector_, vob, true)) {
    return false;
  }
  if (!vobSelector_.empty()) name += "@" + vob;
  Append(builder, "lbtype:" + vy::QuoteArgumentIfNeeded(name));
  return true;
}

bool TClearCaseBaseAction::AddVersionSelector(vy::ICommandLineBuilder& builder) {
  if (!useVersionSelector_ || versionSelector_.empty()) return true;
  std::string selector;
  if (!TryExpandExpression("Version Selector", versionSelector_, selector, false)) return false;
  builder.AddArgument("-version", selector, vy::akOptionValue);
  return true;
}

const vy::TStringList& TClearCaseBaseAction::GetPathNames() {
  combinedPathNames_ = viewPathNames_;
  combinedPathNames_.insert(combinedPathNames_.end(), extendedPathNames_.begin(),
                            extendedPathNames_.end());
  return combinedPathNames_;
}

std::string TClearCaseBaseAction::GetPathNameStorageString() const {
  auto all = viewPathNames_;
  all.insert(all.end(), extendedPathNames_.begin(), extendedPathNames_.end());
  return JoinStorageString(all);
}

void TClearCaseBaseAction::SetPathNameStorageString(const std::string& value) {
  SplitPathNames(value, viewPathNames_, extendedPathNames_);
}

std::string TClearCaseBaseAction::GetObjectsStorageString() const {
  return JoinStorageString(objectSelectors_);
}

void TClearCaseBaseAction::SetObjectsStorageString(const std::string& value) {
  objectSelectors_ = SplitStorageString(value);
}

void TClearCaseBaseAction::Append(vy::ICommandLineBuilder& builder, const std::string& argument) {
  builder.AddArgument(argument, {}, vy::akPlain);
}

}  // namespace clearcase
