#include "designer_fixture.h"

#include <filesystem>

#include "test_support.h"

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
  }
  vytest::TTempDir folder;
};

TSandboxFiles& Files() {
  static TSandboxFiles files;
  return files;
}

}  // namespace

std::string SandboxPath(const std::string& relative) {
  return Files().folder.File(relative);
}
std::string ViewPath() {
  return SandboxPath("views/dev_view/vobs/src");
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

}  // namespace designer_test
