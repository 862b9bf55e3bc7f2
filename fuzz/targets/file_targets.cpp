// The two XML files the host reads: project files and the options store.
// Whatever loads must save, and a saved file must load back to the same
// content.

#include <unistd.h>

#include <cstdlib>
#include <exception>
#include <filesystem>

#include "clearcase/plugin/registration.h"
#include "fuzz/targets.h"
#include "vycore/filesystem.h"
#include "vycore/options_store.h"
#include "vycore/project.h"

namespace vyfuzz {
namespace {

void RegisterPackageOnce() {
  static const bool registered = (clearcase::VyRegisterPackage(false), true);
  (void)registered;
}

// A private folder for the options store files, removed at exit.
class TScratch {
 public:
  TScratch() {
    // Memory, where it is there: every save is flushed to disk.
    const std::filesystem::path memory = "/dev/shm";
    std::string pattern =
        (std::filesystem::is_directory(memory) ? memory : std::filesystem::temp_directory_path()) /
        "vantry-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    dir_ = pattern;
  }
  ~TScratch() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  std::string File(const char* name) const { return dir_ + "/" + name; }

 private:
  std::string dir_;
};

const TScratch& Scratch() {
  static const TScratch scratch;
  return scratch;
}

std::string Diagnostics(const std::vector<vy::TVyDiagnostic>& diagnostics) {
  std::string text;
  for (const vy::TVyDiagnostic& diagnostic : diagnostics) text += diagnostic.ToString() + "\n";
  return text;
}

std::string CheckFailedLoad(const vy::TVyProject& project,
                            const std::vector<vy::TVyDiagnostic>& diagnostics) {
  if (!project.actions.empty() || !project.variables.empty()) return "a failed load kept content";
  for (const vy::TVyDiagnostic& diagnostic : diagnostics) {
    if (diagnostic.severity == vy::TVyDiagnostic::Error) return {};
  }
  return "a load failed without an error";
}

// The saved text of a project, or "" with `problem` set when saving throws.
std::string SavedText(const vy::TVyProject& project, std::string& problem) {
  try {
    return vy::ProjectToText(project);
  } catch (const std::exception& e) {
    problem = std::string("saving a loaded project throws: ") + e.what();
  }
  return {};
}

// Loads the store at `path`; "" with `saved` holding what it saves as.
std::string LoadAndSave(const std::string& path, const std::string& target, std::string& saved) {
  vy::TVyOptionsStore store;
  std::string error;
  if (!store.Load(path, &error)) return "a saved store does not load: " + error;
  store.LoadRegisteredOptions();
  if (!store.Save(&error, target)) return "a loaded store cannot be saved: " + error;
  if (!vy::ReadFileText(target, saved, &error)) return error;
  return {};
}

}  // namespace

std::string FuzzProject(std::string_view data) {
  RegisterPackageOnce();
  vy::TVyProject project;
  std::vector<vy::TVyDiagnostic> diagnostics;
  if (!vy::LoadProjectText(std::string(data), "fuzz.xml", project, diagnostics)) {
    return CheckFailedLoad(project, diagnostics);
  }
  std::string problem;
  const std::string first = SavedText(project, problem);
  if (!problem.empty()) return problem;
  vy::TVyProject again;
  diagnostics.clear();
  if (!vy::LoadProjectText(first, "saved.xml", again, diagnostics)) {
    return "a saved project does not load:\n" + Diagnostics(diagnostics);
  }
  if (SavedText(again, problem) != first) {
    return problem.empty() ? "a reload changes the project" : problem;
  }
  return {};
}

std::string FuzzOptionsStore(std::string_view data) {
  RegisterPackageOnce();
  const std::string input = Scratch().File("input.xml");
  std::string error;
  if (!vy::WriteFileAtomic(input, data, &error)) return error;
  vy::TVyOptionsStore store;
  if (!store.Load(input, &error)) {
    return error.empty() ? "a store failed to load without saying why" : std::string();
  }
  std::string first, second;
  if (std::string problem = LoadAndSave(input, Scratch().File("first.xml"), first);
      !problem.empty()) {
    return problem;
  }
  if (std::string problem =
          LoadAndSave(Scratch().File("first.xml"), Scratch().File("second.xml"), second);
      !problem.empty()) {
    return problem;
  }
  return first == second ? std::string() : "a saved store changes when loaded and saved again";
}

}  // namespace vyfuzz
