#pragma once
// Helpers for the host library's tests. Every test process runs with its
// per-user folders pointed at a private temporary folder (test_support.cpp),
// so no test ever touches the real home.

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

// Stands in for the process runner while it lives: plays back output and an
// outcome, and records what it was asked to start.
class TFakeRunner final : public vy::IProcessRunner {
 public:
  struct TPiece {
    bool err;
    std::string text;
  };

  TFakeRunner() { vy::SetProcessRunner(this); }
  ~TFakeRunner() override { vy::SetProcessRunner(nullptr); }

  vy::TProcessOutcome Run(const vy::TProcessSpec& spec, vy::IProcessSink& sink) override {
    specs.push_back(spec);
    for (const TPiece& piece : output) {
      piece.err ? sink.OnStdErr(piece.text) : sink.OnStdOut(piece.text);
    }
    return outcome;
  }

  std::vector<vy::TProcessSpec> specs;
  std::vector<TPiece> output;
  vy::TProcessOutcome outcome{vy::TProcessOutcome::Exited, 0, 0, {}, 0};
};

}  // namespace vytest
