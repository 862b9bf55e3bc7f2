#pragma once
// Helpers for the host library's tests. Every test process runs with its
// per-user folders pointed at a private temporary folder (test_support.cpp),
// so no test ever touches the real home.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "vycore/process.h"

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

 private:
  void Set(const char* value);

  std::string name_;
  std::optional<std::string> old_;
};

// Stands in for the process runner while it lives: records what it was asked
// to start and plays back output and an outcome. Text `printed` for a start's
// arguments reaches standard output a line at a time, as a pipe delivers it.
class TFakeRunner final : public vy::IProcessRunner {
 public:
  struct TPiece {
    bool err;
    std::string text;
  };

  TFakeRunner() { vy::SetProcessRunner(this); }
  ~TFakeRunner() override { vy::SetProcessRunner(nullptr); }

  vy::TProcessOutcome Run(const vy::TProcessSpec& spec, vy::IProcessSink& sink) override;
  std::vector<std::vector<std::string>> Argvs() const;  // of every start, in order

  std::vector<vy::TProcessSpec> specs;
  std::vector<TPiece> output;  // played to every start
  std::map<std::vector<std::string>, std::string> printed;
  vy::TProcessOutcome outcome{vy::TProcessOutcome::Exited, 0, 0, {}, 0};
  bool throws = false;  // fails the way a throwing sink does
};

}  // namespace vytest
