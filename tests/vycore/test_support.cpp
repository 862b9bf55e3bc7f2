#include "test_support.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vytest {
namespace {

std::string MakeTempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vycore-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

// Points every per-user location at a private folder before any test runs.
struct TIsolatedHome {
  TIsolatedHome() : root(MakeTempDir()) {
    setenv("HOME", root.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
    unsetenv("VANTRY_OPTIONS");
    unsetenv("VANTRY_USER_INI");
    unsetenv("VANTRY_PLUGIN_PATH");
  }
  ~TIsolatedHome() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
  }
  std::string root;
};

const TIsolatedHome kIsolatedHome;

}  // namespace

TTempDir::TTempDir() : path_(MakeTempDir()) {}

TTempDir::~TTempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TTempDir::Entries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Plain streams, not the host's file functions, so that a test never reads
// back through the code it checks.
std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteAll(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

TScopedEnv::TScopedEnv(const std::string& name, const char* value) : name_(name) {
  if (const char* old = getenv(name.c_str())) old_ = old;
  Set(value);
}

TScopedEnv::~TScopedEnv() {
  Set(old_ ? old_->c_str() : nullptr);
}

void TScopedEnv::Set(const char* value) {
  value ? setenv(name_.c_str(), value, 1) : unsetenv(name_.c_str());
}

vy::TProcessOutcome TFakeRunner::Run(const vy::TProcessSpec& spec, vy::IProcessSink& sink) {
  specs.push_back(spec);
  if (throws) throw std::runtime_error("sink failed");
  for (const TPiece& piece : output) {
    piece.err ? sink.OnStdErr(piece.text) : sink.OnStdOut(piece.text);
  }
  const auto found = printed.find(spec.arguments);
  std::string_view text = found == printed.end() ? std::string_view() : found->second;
  while (!text.empty()) {
    const std::size_t length = std::min(text.find('\n'), text.size() - 1) + 1;
    sink.OnStdOut(text.substr(0, length));
    text.remove_prefix(length);
  }
  return outcome;
}

std::vector<std::vector<std::string>> TFakeRunner::Argvs() const {
  std::vector<std::vector<std::string>> argvs;
  for (const vy::TProcessSpec& spec : specs) argvs.push_back(spec.arguments);
  return argvs;
}

}  // namespace vytest
