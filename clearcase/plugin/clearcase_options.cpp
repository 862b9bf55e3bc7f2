#include "clearcase/plugin/clearcase_options.h"

#include "clearcase/cleartool/cleartool_settings.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/plugin/cleartool_discovery.h"
#include "vycore/filesystem.h"
#include "vycore/platform.h"
#include "vycore/services.h"
#include "vycore/text.h"

#include <limits>

namespace clearcase {

namespace {

const std::vector<std::string> kTypeNames = {"ccUnknown", "ccLT", "ccFull"};

TCleartoolSettings ListingSettingsFromOptions() {
  IVyClearCaseOptions* options = ClearCaseOptions();
  if (options == nullptr) return {};
  return {options->GetCleartoolPath(), options->GetDesignTimeout(), options->GetDesignListLocal()};
}

}  // namespace

std::string TVyClearCaseOptions::GetCleartoolPath() {
  if (cleartoolPath_.empty()) {
    cleartoolPath_ = DefaultClearToolPath();
    cleartoolPathDiscovered_ = true;
    SetModified(true);
  }
  const auto& fs = vy::FileSystem();
  if (fs.DirectoryExists(cleartoolPath_) && !fs.FileExists(cleartoolPath_)) {
    return vy::IncludeTrailingPathDelimiter(cleartoolPath_) + kCleartoolProgramName;
  }
  return cleartoolPath_;
}

void TVyClearCaseOptions::SetClearToolPath(const std::string& value) {
  if (value == cleartoolPath_) return;
  cleartoolPath_ = value;
  cleartoolPathDiscovered_ = false;
  SetModified(true);
}

void TVyClearCaseOptions::SetDefaultViewPath(const std::string& value) {
  if (value == defaultViewPath_) return;
  defaultViewPath_ = value;
  SetModified(true);
}

TClearCaseType TVyClearCaseOptions::GetClearCaseType() {
  if (testForType_) DetectInstalledType();
  return clearCaseType_;
}

// Detection does not mark the options modified; an unknown answer leaves the
// flag clear so that the next read asks again.
void TVyClearCaseOptions::DetectInstalledType() {
  if (typeDetected_) return;
  clearCaseType_ = CCGetClearCaseInstalledType();
  typeDetected_ = clearCaseType_ != ccUnknown;
}

void TVyClearCaseOptions::SetClearCaseType(TClearCaseType value) {
  clearCaseType_ = value;
  SetModified(true);
}

void TVyClearCaseOptions::SetTestForClearCaseType(bool value) {
  testForType_ = value;
  SetModified(true);
}

void TVyClearCaseOptions::SetDesignListLocal(bool value) {
  designListLocal_ = value;
  SetModified(true);
}

void TVyClearCaseOptions::SetDesignTimeout(std::int32_t value) {
  designTimeout_ = value;
  SetModified(true);
}

void TVyClearCaseOptions::LoadOptions(vy::IVyOptionsReader& reader) {
  cleartoolPath_.clear();
  defaultViewPath_.clear();
  cleartoolPath_ = reader.ReadString("CleartoolPath", "");
  cleartoolPathDiscovered_ = cleartoolPath_.empty();
  if (cleartoolPath_.empty()) cleartoolPath_ = DefaultClearToolPath();
  defaultViewPath_ = reader.ReadString("DefaultView", "");
  const auto installation = reader.ReadString("InstallationType", "Auto");
  testForType_ = installation == "Auto";
  if (installation == "ClearCase") clearCaseType_ = ccFull;
  if (installation == "ClearCaseLT") clearCaseType_ = ccLT;
  designTimeout_ = reader.ReadInteger("DesignTimeout", 5000);
  designListLocal_ = reader.ReadBoolean("DesignListLocal", false);
}

void TVyClearCaseOptions::SaveOptions(vy::IVyOptionsWriter& writer) {
  writer.WriteString("CleartoolPath", cleartoolPath_);
  writer.WriteString("DefaultView", defaultViewPath_);
  if (testForType_) {
    writer.WriteString("InstallationType", "Auto");
  } else if (clearCaseType_ == ccFull) {
    writer.WriteString("InstallationType", "ClearCase");
  } else if (clearCaseType_ == ccLT) {
    writer.WriteString("InstallationType", "ClearCaseLT");
  }
  writer.WriteInteger("DesignTimeout", designTimeout_);
  writer.WriteBoolean("DesignListLocal", designListLocal_);
}

std::string TVyClearCaseOptions::GetCleartoolPathProperty() const {
  return const_cast<TVyClearCaseOptions*>(this)->GetCleartoolPath();
}

TClearCaseType TVyClearCaseOptions::GetClearCaseTypeProperty() const {
  return const_cast<TVyClearCaseOptions*>(this)->GetClearCaseType();
}

vy::TVyOptionsObject::TSettingCheck TVyClearCaseOptions::CheckSetting(
    const std::string& property) const {
  TSettingCheck check;
  if (vy::SameText(property, "ClearCaseType") && testForType_) {
    check.refusal =
        "detection decides the type while TestForClearCaseType is true, so a stored type is not "
        "used; to choose it, set TestForClearCaseType to false as well (in the same command, "
        "e.g. TestForClearCaseType false ClearCaseType ccLT)";
  } else if (vy::SameText(property, "CleartoolPath") && !cleartoolPath_.empty()) {
    // The effective path, as GetCleartoolPath computes it (without discovery).
    const auto& fs = vy::FileSystem();
    std::string path = cleartoolPath_;
    if (fs.DirectoryExists(path) && !fs.FileExists(path)) {
      path = vy::IncludeTrailingPathDelimiter(path) + kCleartoolProgramName;
    }
    if (!fs.FileExists(path)) {
      check.warning = "there is no cleartool at " + path +
                      "; the path is stored, but every ClearCase action fails until it exists";
    }
  }
  return check;
}

const vy::TPropertyList& TVyClearCaseOptions::PublishedProperties() const {
  using T = TVyClearCaseOptions;
  static const vy::TPropertyList list =
      vy::Publish<T>()
          .String("CleartoolPath", &T::GetCleartoolPathProperty, &T::SetClearToolPath)
          .String("DefaultViewPath", &T::GetDefaultViewPath, &T::SetDefaultViewPath)
          .Enumeration("ClearCaseType", kTypeNames, &T::GetClearCaseTypeProperty,
                       &T::SetClearCaseType)
          .Boolean("TestForClearCaseType", &T::GetTestForClearCaseType, &T::SetTestForClearCaseType)
          // Milliseconds; the listings raise anything under the minimum to it.
          .Integer("DesignTimeout", 0, std::numeric_limits<std::int32_t>::max(),
                   &T::GetDesignTimeout, &T::SetDesignTimeout)
          .Boolean("DesignListLocal", &T::GetDesignListLocal, &T::SetDesignListLocal);
  return list;
}

IVyClearCaseOptions* ClearCaseOptions() {
  auto* object = vy::VyOptionsServices().FindOptions("Version Control Systems", "ClearCase");
  return dynamic_cast<IVyClearCaseOptions*>(object);
}

void RegisterOptions() {
  SetCleartoolSettingsSource(&ListingSettingsFromOptions);
  auto& scripting = vy::VyScriptingServices();
  scripting.RegisterEnumeration("TClearCaseType", kTypeNames);
  vy::VyOptionsServices().RegisterOptions(
      vy::OptionsClass<TVyClearCaseOptions>("TVyClearCaseOptions"), "CC_LOGO");
  scripting.RegisterFunction("ClearCaseOptions", []() -> std::shared_ptr<vy::IVyScriptValue> {
    auto* options = ClearCaseOptions();
    if (options == nullptr) return nullptr;
    return vy::VyScriptingServices().WrapObject(options->GetImplementation());
  });
}

}  // namespace clearcase
