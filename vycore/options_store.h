#pragma once
// The per-user options store: one XML file holding every options object
// under its option key. A store that cannot be parsed is reported with its
// file name and line and is never overwritten unless the user saves.

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "vycore/options.h"

namespace vy {

class TVyOptionsStore {
 public:
  // $VANTRY_OPTIONS, else UserConfigDir()/options.xml.
  static std::string DefaultPath();

  // A missing file is an empty store. On a parse error returns false with
  // `error` as "FILE:LINE: what is wrong" and leaves the store empty.
  bool Load(const std::string& path, std::string* error);
  // Writes atomically to the path given at Load (or `path` when not empty).
  bool Save(std::string* error, const std::string& path = {});
  const std::string& Path() const { return path_; }

  std::unique_ptr<IVyOptionsReader> Reader(const std::string& optionKey) const;
  std::unique_ptr<IVyOptionsWriter> Writer(const std::string& optionKey);

  // Every options object registered with VyOptionsServices: load from the
  // store, or write back the modified ones (then mark them unmodified).
  // Loading notes, as warnings, each stored value that cannot be read as what
  // the object asks for (the object gets its default) and each value no
  // object asks for; the store itself is left as it is.
  void LoadRegisteredOptions() const;
  void StoreModifiedOptions();

  // "FILE:LINE: warning: ..." lines of the last LoadRegisteredOptions.
  const std::vector<std::string>& Warnings() const { return warnings_; }

 private:
  friend class TStoreReader;
  int LineOf(const std::string& key, const std::string& name) const;  // 0 when unknown

  std::string path_;
  std::map<std::string, std::map<std::string, std::string>> values_;  // key -> name -> text
  std::map<std::string, std::map<std::string, int>> lines_;  // key -> name -> line in the file
  std::map<std::string, int> keyLines_;
  mutable std::vector<std::string> warnings_;
  mutable std::map<std::string, std::set<std::string>> asked_;  // key -> names read
};

}  // namespace vy
