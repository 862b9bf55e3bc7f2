// Where the designer looks for page libraries, and what it says about a
// library it cannot use. The runner, the host library and the package must
// run on a build server without any GUI library: none of them may need Qt,
// directly or through a dependency.

#include <gmock/gmock.h>

#include <QProcess>
#include <filesystem>
#include <string>

#include "test_support.h"
#include "vycore/gui/page_packages.h"

namespace designer_test {
namespace {

using ::testing::HasSubstr;

TEST(PagePackages, PagesAreLookedForBesideEveryPackageFolderThenOnTheirOwnPath) {
  vytest::TScopedEnv packages("VANTRY_PLUGIN_PATH", "/opt/a/lib/vantry/plugins:/opt/b/plugins/");
  vytest::TScopedEnv pages("VANTRY_PAGES_PATH", "/opt/c/pages:/opt/a/lib/vantry/pages");
  const std::vector<std::string> path = vy::gui::PageLibrarySearchPath();
  ASSERT_EQ(path.size(), 4u);  // the program's own folder first, each folder once
  EXPECT_THAT(path[0], ::testing::EndsWith("lib/vantry/pages"));
  EXPECT_EQ(std::vector<std::string>(path.begin() + 1, path.end()),
            (std::vector<std::string>{"/opt/a/lib/vantry/pages", "/opt/b/pages", "/opt/c/pages"}));
}

TEST(PagePackages, ALibraryThatCannotRegisterPagesIsNamedInTheError) {
  struct Case {
    std::string library;
    std::string error;
  };
  const Case cases[] = {
      {"/nonexistent/libpages.so", "cannot load /nonexistent/libpages.so"},
      {VANTRY_LIBRARY_DIR "/libvycore.so", "libvycore.so has no entry point VyRegisterPages"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(vy::gui::LoadPageLibrary(c.library, &error));
    EXPECT_THAT(error, HasSubstr(c.error));
  }
  vytest::TTempDir folder;
  vytest::WriteAll(folder.File("libbroken.so"), "not a library");
  vytest::WriteAll(folder.File("notes.txt"), "");
  std::filesystem::create_directory(folder.File("folder.so"));
  std::vector<std::string> errors;
  EXPECT_EQ(vy::gui::LoadAllPageLibraries({"/nonexistent", folder.Path()}, errors), 0);
  ASSERT_EQ(errors.size(), 1u);  // neither the missing folder nor the others count
  EXPECT_THAT(errors[0], HasSubstr("libbroken.so"));
}

std::string Ldd(const QString& file) {
  QProcess ldd;
  ldd.start(QStringLiteral("ldd"), {file});
  return ldd.waitForFinished() ? ldd.readAllStandardOutput().toStdString() : std::string();
}

TEST(Headless, TheRunnerAndThePackageNeedNoQt) {
  for (const char* file :
       {VANTRY_EXE, VANTRY_LIBRARY_DIR "/libvycore.so", VANTRY_PLUGIN_FOLDER "/libclearcase.so"}) {
    SCOPED_TRACE(file);
    const std::string loaded = Ldd(file);
    ASSERT_THAT(loaded, HasSubstr("libc.so"));  // the tool ran and read the file
    EXPECT_THAT(loaded, ::testing::Not(HasSubstr("libQt")));
  }
  // The check itself works: the pages do need Qt.
  EXPECT_THAT(Ldd(VANTRY_PAGES_FOLDER "/libclearcase_editors.so"), HasSubstr("libQt6Widgets"));
}

}  // namespace
}  // namespace designer_test
