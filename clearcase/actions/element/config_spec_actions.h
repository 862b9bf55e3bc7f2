#pragma once
// Setting a view's config spec, and reading it, optionally into a file.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "clearcase/actions/core/base_action.h"

namespace clearcase {

// Which config spec to set.
enum TConfigSpecType : std::uint8_t { csCurrent, csDefault, csFile, csStream };

class TClearCaseSetConfigSpecAction : public TClearCaseBaseAction {
 public:
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override;
  const vy::TPropertyList& PublishedProperties() const override;

  std::string GetCSFilePath() const { return csFilePath_; }
  void SetCSFilePath(const std::string& value) { csFilePath_ = value; }
  TConfigSpecType GetCSpecChoice() const { return cSpecChoice_; }
  void SetCSpecChoice(TConfigSpecType value) { cSpecChoice_ = value; }

 private:
  bool AddConfigSpecFile(vy::ICommandLineBuilder& builder);

  std::string csFilePath_;
  TConfigSpecType cSpecChoice_ = csCurrent;
};

// The command line is "catcs" alone. With OutputToFile the output file is
// opened (created, or emptied; a symbolic link's target is rewritten) before
// cleartool starts, receives each piece of output exactly as delivered, and
// is closed when the result is judged. A dry run does not touch it.
class TClearCaseGetConfigSpecAction : public TClearCaseBaseAction {
 public:
  bool AfterGetCommandLine() override;
  void OnStdOutData(vy::IVyProcess* process, const std::string& data) override;
  bool InterpretResult(int exitCode) override;
  const vy::TPropertyList& PublishedProperties() const override;

  bool GetOutputToFile() const { return outputToFile_; }
  void SetOutputToFile(bool value) { outputToFile_ = value; }
  std::string GetOutputFilePath() const { return outputFilePath_; }
  void SetOutputFilePath(const std::string& value) { outputFilePath_ = value; }

 private:
  struct TCloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  bool OpenOutputFile();

  bool outputToFile_ = false;
  std::string outputFilePath_;
  std::unique_ptr<std::FILE, TCloseFile> output_;
};

}  // namespace clearcase
