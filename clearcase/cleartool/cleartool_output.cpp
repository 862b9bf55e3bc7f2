#include "clearcase/cleartool/cleartool_output.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "vycore/filesystem.h"
#include "vycore/platform.h"
#include "vycore/process.h"
#include "vycore/services.h"
#include "vycore/text.h"

namespace clearcase {
namespace {

// The designer shows the busy cursor while the interface is blocked; a
// failing cursor must not cost the listing.
void SetScreenCursor(int cursor) noexcept {
  try {
    vy::VyDesignApplicationServices().SetScreenCursor(cursor);
  } catch (...) {
  }
}

TCleartoolSettingsSource settingsSource = nullptr;

void ApplyDesignTimeout(vy::IVyProcess& process, std::int32_t timeoutMs) {
  process.SetTimeout(timeoutMs);
  // Unsigned on purpose: a negative setting (no limit) stays as it is.
  if (static_cast<std::uint32_t>(process.GetTimeout()) <
      static_cast<std::uint32_t>(kMinimumDesignTimeout)) {
    process.SetTimeout(kMinimumDesignTimeout);
  }
}

// At most this many lines of what cleartool printed on its error stream go
// with a failure report.
constexpr std::size_t kReportedErrorLines = 5;

void ReportFailure(const std::string& parameters, const vy::IVyProcess& process) noexcept {
  try {
    const std::string described = process.Outcome().Describe("cleartool");
    std::string text = described + " (cleartool " + parameters + ")";
    std::size_t lines = 0;
    std::string_view rest = process.ErrorText();
    while (!rest.empty() && lines < kReportedErrorLines) {
      const std::size_t length = std::min(rest.find('\n'), rest.size() - 1) + 1;
      const std::string_view line = vy::WithoutTerminator(rest.substr(0, length));
      if (!line.empty() && line != described) {
        text += "\n" + std::string(line);
        ++lines;
      }
      rest.remove_prefix(length);
    }
    vy::VyReportListingFailure(text);
  } catch (...) {
  }
}

std::string Capture(const TCleartoolSettings& settings, const std::string& command,
                    const std::string& params, const std::string& dir, bool sorted) {
  TStringList output;
  const std::unique_ptr<vy::IVyProcess> process = vy::CreateVyProcess();
  if (!process) return {};
  if (!vy::FileSystem().FileExists(settings.program)) {
    vy::VyReportListingFailure("Cleartool.exe cannot be found at the path specified: " +
                               settings.program);
    return {};
  }
  process->SetFileName(settings.program);
  process->SetParameters(CleartoolParameterString(command, params));
  process->SetWorkingDirectory(dir.empty() ? vy::ExtractFileDir(process->GetFileName()) : dir);
  process->SetHidden(true);
  process->SetCaptureOutput(true);
  ApplyDesignTimeout(*process, settings.timeoutMs);
  int result = vy::prCouldNotStart;
  vy::VyRunBlocking([&] { result = process->Run(output); });
  if (result != vy::prSuccess) ReportFailure(CleartoolParameterString(command, params), *process);
  if (sorted) SortTStrings(output);
  TrimTStrings(output);
  return result == vy::prSuccess ? LinesText(output) : std::string();
}

}  // namespace

void SetCleartoolSettingsSource(TCleartoolSettingsSource source) {
  settingsSource = source;
}

TCleartoolSettings CurrentCleartoolSettings() {
  return settingsSource != nullptr ? settingsSource() : TCleartoolSettings{};
}

std::string CleartoolParameterString(const std::string& command, const std::string& params) {
  return command + " " + params;
}

std::string CCGetCleartoolOutput(const TCleartoolSettings& settings, const std::string& command,
                                 const std::string& params, const std::string& dir,
                                 bool sorted) noexcept {
  SetScreenCursor(vy::kVyCursorBusy);
  std::string result;
  try {
    result = Capture(settings, command, params, dir, sorted);
  } catch (...) {
    result.clear();
  }
  SetScreenCursor(vy::kVyCursorDefault);
  return result;
}

std::string CCGetCleartoolOutput(const std::string& command, const std::string& params,
                                 const std::string& dir, bool sorted) noexcept {
  try {
    return CCGetCleartoolOutput(CurrentCleartoolSettings(), command, params, dir, sorted);
  } catch (...) {
    return {};  // a source that throws lists nothing
  }
}

}  // namespace clearcase
