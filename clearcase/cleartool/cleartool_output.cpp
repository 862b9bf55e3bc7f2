#include "clearcase/cleartool/cleartool_output.h"

#include <memory>

#include "clearcase/plugin/clearcase_options.h"
#include "vycore/filesystem.h"
#include "vycore/platform.h"
#include "vycore/process.h"
#include "vycore/services.h"

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

void ApplyDesignTimeout(vy::IVyProcess& process, const IVyClearCaseOptions& options) {
  process.SetTimeout(options.GetDesignTimeout());
  // Unsigned on purpose: a negative setting (no limit) stays as it is.
  if (static_cast<std::uint32_t>(process.GetTimeout()) <
      static_cast<std::uint32_t>(kMinimumDesignTimeout)) {
    process.SetTimeout(kMinimumDesignTimeout);
  }
}

std::string Capture(const std::string& Command, const std::string& Params, const std::string& Dir,
                    bool Sorted) {
  TStringList output;
  const std::unique_ptr<vy::IVyProcess> process = vy::CreateVyProcess();
  IVyClearCaseOptions* options = ClearCaseOptions();
  if (!process || !options) return {};
  if (!vy::FileSystem().FileExists(options->GetCleartoolPath())) return {};
  process->SetFileName(options->GetCleartoolPath());
  process->SetParameters(CleartoolParameterString(Command, Params));
  process->SetWorkingDirectory(Dir.empty() ? vy::ExtractFileDir(process->GetFileName()) : Dir);
  process->SetHidden(true);
  process->SetCaptureOutput(true);
  ApplyDesignTimeout(*process, *options);
  int result = vy::prCouldNotStart;
  vy::VyRunBlocking([&] { result = process->Run(output); });
  if (Sorted) SortTStrings(output);
  TrimTStrings(output);
  return result == vy::prSuccess ? LinesText(output) : std::string();
}

}  // namespace

std::string CleartoolParameterString(const std::string& Command, const std::string& Params) {
  return Command + " " + Params;
}

std::string CCGetCleartoolOutput(const std::string& Command, const std::string& Params,
                                 const std::string& Dir, bool Sorted) noexcept {
  SetScreenCursor(vy::kVyCursorBusy);
  std::string result;
  try {
    result = Capture(Command, Params, Dir, Sorted);
  } catch (...) {
    result.clear();
  }
  SetScreenCursor(vy::kVyCursorDefault);
  return result;
}

}  // namespace clearcase
