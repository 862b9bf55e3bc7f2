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
  TVyOptionsStore() = default;
  ~TVyOptionsStore();
  TVyOptionsStore(const TVyOptionsStore&) = delete;
  TVyOptionsStore& operator=(const TVyOptionsStore&) = delete;

  // $VANTRY_OPTIONS, else UserConfigDir()/options.xml.
  static std::string DefaultPath();

  // For a load, change and save: waits for and takes the exclusive lock of
  // the store at `path` (empty: DefaultPath()), an flock on "NAME.lock"
  // beside the file the path leads to, and holds it until the store goes
  // away. Concurrent writers so never lose an update. Readers take no lock:
  // a save replaces the file in one step.
  bool LockForUpdate(const std::string& path, std::string* error);

  // A missing file is an empty store. On a parse error returns false with
  // `error` as "FILE:LINE: what is wrong" and leaves the store empty.
  bool Load(const std::string& path, std::string* error);
  // Writes atomically to the path given at Load (or `path` when not empty).
  bool Save(std::string* error, const std::string& path = {});
  const std::string& Path() const { return path_; }

  std::unique_ptr<IVyOptionsReader> Reader(const std::string& optionKey) const;
  // Starts the key afresh: what the object saves replaces everything stored
  // under it, so that a value it no longer writes is gone.
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
  int lockFd_ = -1;
};

}  // namespace vy
