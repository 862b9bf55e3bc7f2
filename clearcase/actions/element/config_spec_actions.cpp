#include "clearcase/actions/element/config_spec_actions.h"

#include <cerrno>
#include <cstring>

#include "vycore/filesystem.h"

namespace clearcase {

bool TClearCaseSetConfigSpecAction::GetCommandLine(vy::ICommandLineBuilder& builder) {
  bool result = TClearCaseBaseAction::GetCommandLine(builder);
  switch (cSpecChoice_) {
    case csCurrent:
      Append(builder, "-current");
      break;
    case csDefault:
      Append(builder, "-default");
      break;
    case csStream:
      Append(builder, "-stream");
      break;
    case csFile:
      result = AddConfigSpecFile(builder) && result;
      break;
  }
  return result;
}

bool TClearCaseSetConfigSpecAction::AddConfigSpecFile(vy::ICommandLineBuilder& builder) {
  std::string path;
  if (!TryExpandExpression("Config Spec File", csFilePath_, path, true)) return false;
  if (!vy::FileSystem().FileExists(path)) {
    SendMessage("Error: The file you have specified for the config spec does not exist.",
                vy::tsError);
    return false;
  }
  Append(builder, vy::QuoteArgument(path));
  return true;
}

const vy::TPropertyList& TClearCaseSetConfigSpecAction::PublishedProperties() const {
  using T = TClearCaseSetConfigSpecAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext)
          .Enumeration("CSpecChoice", {"csCurrent", "csDefault", "csFile", "csStream"},
                       &T::GetCSpecChoice, &T::SetCSpecChoice)
          .String("CSFilePath", &T::GetCSFilePath, &T::SetCSFilePath);
  return list;
}

bool TClearCaseGetConfigSpecAction::AfterGetCommandLine() {
  const bool inherited = TClearCaseBaseAction::AfterGetCommandLine();
  output_.reset();
  if (outputToFile_ && !OpenOutputFile()) return false;
  return inherited;
}

bool TClearCaseGetConfigSpecAction::OpenOutputFile() {
  std::string path;
  if (!TryExpandExpression("Output File Path", outputFilePath_, path, true)) return false;
  // A dry run leaves the file as it is: it shows the command line only.
  if (IsDryRun()) return true;
  // Emptied, so that a longer old config spec leaves nothing behind.
  output_.reset(vy::OpenFileForWriting(path));
  if (!output_) {
    SendMessage("An error occured trying to open the file \"" + path +
                    "\" for writing : " + std::strerror(errno),
                vy::tsError);
    return false;
  }
  return true;
}

void TClearCaseGetConfigSpecAction::OnStdOutData(vy::IVyProcess* process, const std::string& data) {
  TClearCaseBaseAction::OnStdOutData(process, data);
  if (!outputToFile_ || !output_) return;
  // Flushed piece by piece, so that a failing write is reported at once and
  // the file keeps what was written before it.
  if (std::fwrite(data.data(), 1, data.size(), output_.get()) != data.size() ||
      std::fflush(output_.get()) != 0) {
    SendMessage("An error occured whilst writing to the file. The file could not be written.",
                vy::tsError);
    output_.reset();
  }
}

bool TClearCaseGetConfigSpecAction::InterpretResult(int exitCode) {
  if (outputToFile_) output_.reset();
  return TClearCaseBaseAction::InterpretResult(exitCode);
}

const vy::TPropertyList& TClearCaseGetConfigSpecAction::PublishedProperties() const {
  using T = TClearCaseGetConfigSpecAction;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .String("ViewContextPath", &T::GetViewContextPath, &T::SetViewContextPath)
          .Boolean("UseDefaultViewContext", &T::GetUseDefaultViewContext,
                   &T::SetUseDefaultViewContext)
          .Boolean("OutputToFile", &T::GetOutputToFile, &T::SetOutputToFile)
          .String("OutputFilePath", &T::GetOutputFilePath, &T::SetOutputFilePath);
  return list;
}

}  // namespace clearcase
