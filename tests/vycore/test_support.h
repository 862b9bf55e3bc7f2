#pragma once
// Helpers for the host library's tests. Every test process runs with its
// per-user folders pointed at a private temporary folder (test_support.cpp),
// so no test ever touches the real home.

#include <string>
#include <vector>

namespace vytest {

// A fresh folder, removed with everything in it when the object goes.
class TTempDir {
 public:
  TTempDir();
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  std::vector<std::string> Entries() const;  // file names, sorted

 private:
  std::string path_;
};

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& text);

// Sets (or, with nullptr, unsets) an environment variable for one scope.
class TScopedEnv {
 public:
  TScopedEnv(const std::string& name, const char* value);
  ~TScopedEnv();
  TScopedEnv(const TScopedEnv&) = delete;
  TScopedEnv& operator=(const TScopedEnv&) = delete;

 private:
  std::string name_;
  bool had_ = false;
  std::string old_;
};

}  // namespace vytest
