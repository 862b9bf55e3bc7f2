#include "designer_fixture.h"

#include <QTest>
#include <filesystem>
#include <memory>

#include "test_support.h"
#include "vycore/services.h"

namespace designer_test {
namespace {

namespace fs = std::filesystem;

struct TSandboxFiles {
  TSandboxFiles() {
    const std::string root = folder.Path();
    fs::copy_file(fs::path(VANTRY_SOURCE_DIR) / "examples/worlds/demo.xml", root + "/demo.xml");
    fs::create_directories(root + "/config");
    // The child runner and stand-in see the same files as the designer.
    setenv("VANTRY_OPTIONS", (root + "/options.xml").c_str(), 1);
    setenv("VANTRY_USER_INI", (root + "/config/user.ini").c_str(), 1);
    setenv("CLEARTOOL_SIM_WORLD", (root + "/demo.xml").c_str(), 1);
    setenv("CLEARTOOL_SIM_JOURNAL", (root + "/journal.jsonl").c_str(), 1);
    setenv("NO_COLOR", "1", 1);
    // No test may open a real file dialog.
    vy::SetVyBrowsers([](const std::string&, std::string&, const std::string&) { return false; },
                      [](const std::string&, std::string&, const std::string&, const std::string&) {
                        return false;
                      });
    vy::SetVySaveFileBrowser([](const vy::TVySaveFileRequest&, std::string&) { return false; });
  }
  vytest::TTempDir folder;
};

TSandboxFiles& Files() {
  static TSandboxFiles files;
  return files;
}

}  // namespace

std::string Sandbox() {
  return Files().folder.Path();
}
std::string SandboxPath(const std::string& relative) {
  return Sandbox() + "/" + relative;
}
std::string ViewPath() {
  return SandboxPath("views/dev_view/vobs/src");
}
std::string JournalFile() {
  return SandboxPath("journal.jsonl");
}

designer::TDesignerHost& Host() {
  static designer::TDesignerHost* host = [] {
    Files();
    auto* loaded = new designer::TDesignerHost;
    const bool ok =
        loaded->Load({VANTRY_PLUGIN_FOLDER}, {VANTRY_PAGES_FOLDER}, SandboxPath("options.xml"));
    for (const std::string& error : loaded->errors) ADD_FAILURE() << error;
    EXPECT_TRUE(ok);
    return loaded;
  }();
  return *host;
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  return QTest::qWaitFor(condition, timeoutMs);
}

void ConfigureOptions() {
  vy::TVyOptionsObject* options =
      vy::VyOptionsServices().FindOptions("Version Control Systems", "ClearCase");
  ASSERT_NE(options, nullptr);
  for (const auto& [name, value] :
       {std::pair<std::string, std::string>{"CleartoolPath", CLEARTOOL_EXE},
        {"DefaultViewPath", ViewPath()},
        {"TestForClearCaseType", "false"}}) {
    ASSERT_TRUE(vy::SetPropertyText(*options, name, value)) << name;
  }
  options->SetModified(true);
  std::string error;
  ASSERT_TRUE(Host().SaveOptions(&error)) << error;
}

}  // namespace designer_test
