#include <filesystem>

#include "vycore/command_line.h"
#include "vycore/process.h"
#include "vycore/text.h"

namespace vy {
namespace {

std::string ProgramName(const std::string& program) {
  return std::filesystem::path(program).filename().string();
}

class TCaptureSink final : public IProcessSink {
 public:
  TCaptureSink(TStringList* output, std::string& errorText)
      : output_(output), errorText_(errorText) {}

  void OnStdOut(std::string_view line) override {
    if (output_) output_->emplace_back(WithoutTerminator(line));
  }
  void OnStdErr(std::string_view line) override { errorText_.append(line); }

 private:
  TStringList* output_;
  std::string& errorText_;
};

class TVyProcess final : public IVyProcess {
 public:
  std::string GetFileName() const override { return program_; }
  void SetFileName(const std::string& program) override { program_ = program; }
  void SetWorkingDirectory(const std::string& directory) override { directory_ = directory; }
  void SetParameters(const std::string& parameters) override { parameters_ = parameters; }
  void SetHidden(bool) override {}
  void SetCaptureOutput(bool capture) override { capture_ = capture; }
  std::int32_t GetTimeout() const override { return timeout_; }
  void SetTimeout(std::int32_t milliseconds) override { timeout_ = milliseconds; }

  int Run(TStringList& output) override {
    errorText_.clear();
    TProcessSpec spec{program_, TokenizeCommandLine(parameters_), directory_,
                      timeout_ > 0 ? timeout_ : 0};
    TCaptureSink sink(capture_ ? &output : nullptr, errorText_);
    outcome_ = ProcessRunner().Run(spec, sink);
    if (outcome_.kind != TProcessOutcome::Exited) {
      errorText_ += outcome_.Describe(ProgramName(program_)) + '\n';
    }
    return outcome_.ResultCode();
  }

  const TProcessOutcome& Outcome() const override { return outcome_; }
  const std::string& ErrorText() const override { return errorText_; }

 private:
  std::string program_;
  std::string directory_;
  std::string parameters_;
  bool capture_ = true;
  std::int32_t timeout_ = 0;
  TProcessOutcome outcome_;
  std::string errorText_;
};

}  // namespace

std::unique_ptr<IVyProcess> CreateVyProcess() {
  return std::make_unique<TVyProcess>();
}

}  // namespace vy
