#pragma once
// The package-wide ClearCase settings: where cleartool lives, the default
// view, the installed product and the two settings of design-time listings.

#include <cstdint>
#include <string>

#include "clearcase/cleartool/clearcase_type.h"
#include "vycore/options.h"

namespace clearcase {

class TVyClearCaseOptions;

class IVyClearCaseOptions {
 public:
  virtual ~IVyClearCaseOptions() = default;
  virtual TVyClearCaseOptions* GetImplementation() = 0;
  // The effective path: a folder gets the program name appended; an empty
  // stored path is filled from discovery first.
  virtual std::string GetCleartoolPath() = 0;
  virtual void SetClearToolPath(const std::string& value) = 0;
  virtual std::string GetDefaultViewPath() const = 0;
  virtual void SetDefaultViewPath(const std::string& value) = 0;
  virtual TClearCaseType GetClearCaseType() = 0;
  virtual void SetClearCaseType(TClearCaseType value) = 0;
  virtual void SetTestForClearCaseType(bool value) = 0;
  virtual bool GetTestForClearCaseType() const = 0;
  virtual bool GetDesignListLocal() const = 0;
  virtual std::int32_t GetDesignTimeout() const = 0;
  virtual void SetDesignListLocal(bool value) = 0;
  virtual void SetDesignTimeout(std::int32_t value) = 0;
};

class TVyClearCaseOptions final : public vy::TVyOptionsObject, public IVyClearCaseOptions {
 public:
  // IVyClearCaseOptions
  TVyClearCaseOptions* GetImplementation() override { return this; }
  std::string GetCleartoolPath() override;
  void SetClearToolPath(const std::string& value) override;
  std::string GetDefaultViewPath() const override { return defaultViewPath_; }
  void SetDefaultViewPath(const std::string& value) override;
  TClearCaseType GetClearCaseType() override;
  void SetClearCaseType(TClearCaseType value) override;
  void SetTestForClearCaseType(bool value) override;
  bool GetTestForClearCaseType() const override { return testForType_; }
  bool GetDesignListLocal() const override { return designListLocal_; }
  std::int32_t GetDesignTimeout() const override { return designTimeout_; }
  void SetDesignListLocal(bool value) override;
  void SetDesignTimeout(std::int32_t value) override;

  // vy::TVyOptionsObject
  void SaveOptions(vy::IVyOptionsWriter& writer) override;
  void LoadOptions(vy::IVyOptionsReader& reader) override;
  int GetOptionType() const override { return 1; }
  std::string GetName() const override { return "ClearCase"; }
  std::string GetCategory() const override { return "Version Control Systems"; }
  std::string GetOptionKey() const override { return "ClearCase"; }
  const vy::TPropertyList& PublishedProperties() const override;
  TSettingCheck CheckSetting(const std::string& property) const override;

  // The stored path, as saved (not the computed one).
  const std::string& StoredCleartoolPath() const { return cleartoolPath_; }
  // The stored path was found by searching, not given by the user.
  bool CleartoolPathDiscovered() const { return cleartoolPathDiscovered_; }

 private:
  std::string GetCleartoolPathProperty() const;
  TClearCaseType GetClearCaseTypeProperty() const;
  void DetectInstalledType();

  std::string cleartoolPath_;
  bool cleartoolPathDiscovered_ = false;
  std::string defaultViewPath_;
  bool testForType_ = false;
  bool typeDetected_ = false;
  TClearCaseType clearCaseType_ = ccUnknown;
  std::int32_t designTimeout_ = 0;
  bool designListLocal_ = false;
};

// The one way to the settings; nullptr only before the package registered.
IVyClearCaseOptions* ClearCaseOptions();

// Registers the options class, the script enumeration TClearCaseType and the
// script function "ClearCaseOptions", and makes the options the settings of
// the design-time listings.
void RegisterOptions();

}  // namespace clearcase
