#include "vycore/options_store.h"

#include <pugixml.hpp>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>

#include "vycore/filesystem.h"
#include "vycore/platform.h"
#include "vycore/services.h"
#include "vycore/text.h"
#include "vycore/xml_text.h"

namespace vy {
namespace {

using TValues = std::map<std::string, std::string>;

class TWriter final : public IVyOptionsWriter {
 public:
  explicit TWriter(TValues& values) : values_(values) {}

  void WriteString(const std::string& key, const std::string& value) override {
    values_[key] = value;
  }
  void WriteInteger(const std::string& key, std::int32_t value) override {
    values_[key] = std::to_string(value);
  }
  void WriteBoolean(const std::string& key, bool value) override {
    values_[key] = value ? "true" : "false";
  }

 private:
  TValues& values_;
};

std::string Located(const std::string& path, int line, const std::string& what) {
  return path + ":" + std::to_string(line) + ": " + what;
}

}  // namespace

// Reads one options object's values; with a store behind it, notes what it
// was asked for and each value it could not read.
class TStoreReader final : public IVyOptionsReader {
 public:
  TStoreReader(const TVyOptionsStore& store, const std::string& key) : store_(store), key_(key) {
    auto it = store.values_.find(key);
    values_ = it == store.values_.end() ? nullptr : &it->second;
  }

  std::string ReadString(const std::string& key, const std::string& defaultValue) override {
    const std::string* text = Find(key);
    return text ? *text : defaultValue;
  }
  std::int32_t ReadInteger(const std::string& key, std::int32_t defaultValue) override {
    const std::string* text = Find(key);
    if (!text) return defaultValue;
    std::int32_t value = 0;
    const char* end = text->data() + text->size();
    const auto [ptr, ec] = std::from_chars(text->data(), end, value);
    if (ec == std::errc() && ptr == end && !text->empty()) return value;
    Unreadable(key, *text, "a whole number", std::to_string(defaultValue));
    return defaultValue;
  }
  bool ReadBoolean(const std::string& key, bool defaultValue) override {
    const std::string* text = Find(key);
    if (text && SameText(*text, "true")) return true;
    if (text && SameText(*text, "false")) return false;
    if (text) Unreadable(key, *text, "true or false", defaultValue ? "true" : "false");
    return defaultValue;
  }

 private:
  const std::string* Find(const std::string& key) const {
    store_.asked_[key_].insert(key);
    if (!values_) return nullptr;
    auto it = values_->find(key);
    return it == values_->end() ? nullptr : &it->second;
  }
  void Unreadable(const std::string& key, const std::string& text, const std::string& expected,
                  const std::string& used) const {
    store_.warnings_.push_back(Located(store_.path_, store_.LineOf(key_, key),
                                       "warning: " + key_ + "." + key + ": \"" + text +
                                           "\" is not " + expected + "; " + used +
                                           " is used"));
  }

  const TVyOptionsStore& store_;
  std::string key_;
  const TValues* values_ = nullptr;
};

TVyOptionsStore::~TVyOptionsStore() {
  if (lockFd_ >= 0) close(lockFd_);  // releases the lock
}

bool TVyOptionsStore::LockForUpdate(const std::string& path, std::string* error) {
  if (lockFd_ >= 0) return true;
  const std::string lockPath = FinalPath(path.empty() ? DefaultPath() : path) + ".lock";
  const std::string dir = ExtractFileDir(lockPath);
  std::error_code ignored;  // a missing folder shows as the open error below
  if (!dir.empty()) std::filesystem::create_directories(dir, ignored);
  const int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (error) *error = "cannot open the lock file \"" + lockPath + "\": " + std::strerror(errno);
    return false;
  }
  int locked;
  while ((locked = flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
  }
  if (locked != 0) {
    if (error) *error = "cannot lock \"" + lockPath + "\": " + std::strerror(errno);
    close(fd);
    return false;
  }
  lockFd_ = fd;
  return true;
}

std::string TVyOptionsStore::DefaultPath() {
  if (auto path = GetEnvironmentVariable("VANTRY_OPTIONS"); path && !path->empty()) return *path;
  return IncludeTrailingPathDelimiter(UserConfigDir()) + "options.xml";
}

bool TVyOptionsStore::Load(const std::string& path, std::string* error) {
  path_ = path.empty() ? DefaultPath() : path;
  values_.clear();
  lines_.clear();
  keyLines_.clear();
  // The store is the user's own file, never a test's fake: ask the real file
  // system whether it is there.
  std::error_code ignored;
  const auto status = std::filesystem::status(path_, ignored);
  if (status.type() == std::filesystem::file_type::not_found) return true;
  std::string text;
  if (!ReadFileText(path_, text, error)) return false;
  // Loaded, the value would end at the NUL, and the next save would keep
  // only that much: refuse the store and leave it as it is.
  if (const std::size_t nul = FindNulReference(text); nul != std::string::npos) {
    if (error) {
      *error = Located(path_, LineOfOffset(text, static_cast<std::ptrdiff_t>(nul)),
                       "a value holds a NUL character (&#0;)");
    }
    return false;
  }

  pugi::xml_document document;
  // A value of blanks only is still a value.
  const unsigned flags = pugi::parse_default | pugi::parse_ws_pcdata_single;
  const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size(), flags);
  if (!parsed) {
    if (error) {
      *error = Located(path_,
                       ParseErrorLine(text, parsed.offset,
                                      parsed.status == pugi::status_end_element_mismatch),
                       parsed.description());
    }
    return false;
  }
  const pugi::xml_node root = document.document_element();
  if (std::string_view(root.name()) != "VantryOptions") {
    if (error) {
      *error = Located(path_, LineOfOffset(text, root.offset_debug()),
                       "the root element must be <VantryOptions>");
    }
    return false;
  }
  // A newer store is left alone rather than rewritten in this version's shape.
  if (const pugi::xml_attribute version = root.attribute("version");
      version && std::string_view(version.value()) != "1") {
    if (error) {
      *error = Located(path_, LineOfOffset(text, root.offset_debug()),
                       "unsupported options store version \"" + std::string(version.value()) +
                           "\" (expected 1)");
    }
    return false;
  }
  for (const pugi::xml_node options : root.children("Options")) {
    const std::string key = options.attribute("key").value();
    TValues& values = values_[key];
    keyLines_.emplace(key, LineOfOffset(text, options.offset_debug()));
    for (const pugi::xml_node value : options.children("Value")) {
      values[value.attribute("name").value()] = value.text().get();
      lines_[key][value.attribute("name").value()] = LineOfOffset(text, value.offset_debug());
    }
  }
  return true;
}

bool TVyOptionsStore::Save(std::string* error, const std::string& path) {
  const std::string target = !path.empty() ? path : !path_.empty() ? path_ : DefaultPath();
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<VantryOptions version=\"1\">\n";
  for (const auto& [key, values] : values_) {
    text += "  <Options key=\"" + XmlEscape(key) + "\">\n";
    for (const auto& [name, value] : values) {
      text += "    <Value name=\"" + XmlEscape(name) + "\">" + XmlEscape(value) + "</Value>\n";
    }
    text += "  </Options>\n";
  }
  text += "</VantryOptions>\n";

  const std::string dir = ExtractFileDir(target);
  std::error_code ignored;  // a missing folder shows as the write error below
  if (!dir.empty()) std::filesystem::create_directories(dir, ignored);
  return WriteFileAtomic(target, text, error);
}

std::unique_ptr<IVyOptionsReader> TVyOptionsStore::Reader(const std::string& optionKey) const {
  return std::make_unique<TStoreReader>(*this, optionKey);
}

int TVyOptionsStore::LineOf(const std::string& key, const std::string& name) const {
  if (auto it = lines_.find(key); it != lines_.end()) {
    if (auto line = it->second.find(name); line != it->second.end()) return line->second;
  }
  auto it = keyLines_.find(key);
  return it == keyLines_.end() ? 0 : it->second;
}

std::unique_ptr<IVyOptionsWriter> TVyOptionsStore::Writer(const std::string& optionKey) {
  TValues& values = values_[optionKey];
  values.clear();
  return std::make_unique<TWriter>(values);
}

void TVyOptionsStore::LoadRegisteredOptions() const {
  warnings_.clear();
  asked_.clear();
  std::set<std::string> keys;
  for (const TVyRegisteredOptions& entry : VyOptionsServices().Registered()) {
    if (!entry.instance) continue;
    keys.insert(entry.instance->GetOptionKey());
    entry.instance->LoadOptions(*Reader(entry.instance->GetOptionKey()));
    entry.instance->SetModified(false);
  }
  // A misspelt name would otherwise be ignored without a word.
  for (const auto& [key, values] : values_) {
    if (!keys.contains(key)) {
      warnings_.push_back(Located(path_, LineOf(key, ""),
                                  "warning: no options object has the key \"" + key +
                                      "\"; its values are kept but not used"));
      continue;
    }
    for (const auto& [name, value] : values) {
      if (!asked_[key].contains(name)) {
        warnings_.push_back(Located(path_, LineOf(key, name),
                                    "warning: " + key + " has no option \"" + name +
                                        "\"; it is kept but not used"));
      }
    }
  }
}

void TVyOptionsStore::StoreModifiedOptions() {
  for (const TVyRegisteredOptions& entry : VyOptionsServices().Registered()) {
    if (!entry.instance || !entry.instance->GetModified()) continue;
    entry.instance->SaveOptions(*Writer(entry.instance->GetOptionKey()));
    entry.instance->SetModified(false);
  }
}

}  // namespace vy
