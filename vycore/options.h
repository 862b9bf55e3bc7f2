#pragma once
// Options objects: package-wide settings the host creates, loads at start,
// shows on its options dialog and saves when modified. They live in one
// per-user store (options_store.h), each object under its option key.

#include <cstdint>
#include <string>

#include "vycore/properties.h"

namespace vy {

class IVyOptionsReader {
 public:
  virtual ~IVyOptionsReader() = default;
  virtual std::string ReadString(const std::string& key, const std::string& defaultValue) = 0;
  virtual std::int32_t ReadInteger(const std::string& key, std::int32_t defaultValue) = 0;
  virtual bool ReadBoolean(const std::string& key, bool defaultValue) = 0;
};

class IVyOptionsWriter {
 public:
  virtual ~IVyOptionsWriter() = default;
  virtual void WriteString(const std::string& key, const std::string& value) = 0;
  virtual void WriteInteger(const std::string& key, std::int32_t value) = 0;
  virtual void WriteBoolean(const std::string& key, bool value) = 0;
};

class TVyOptionsObject : public TVyPersistent {
 public:
  bool GetModified() const { return modified_; }
  void SetModified(bool value) { modified_ = value; }

  virtual void SaveOptions(IVyOptionsWriter& writer) = 0;
  virtual void LoadOptions(IVyOptionsReader& reader) = 0;
  virtual int GetOptionType() const = 0;  // informational on this host
  virtual std::string GetName() const = 0;
  virtual std::string GetCategory() const = 0;
  virtual std::string GetOptionKey() const = 0;

  // What a tool that sets `property` by name should tell the user, given the
  // object's other settings: a refusal when the value just written would not
  // be used (nothing is then saved), a warning when it is kept but looks
  // wrong. Both empty when all is well.
  struct TSettingCheck {
    std::string refusal;
    std::string warning;
  };
  virtual TSettingCheck CheckSetting(const std::string& /*property*/) const { return {}; }

 private:
  bool modified_ = false;
};

}  // namespace vy
