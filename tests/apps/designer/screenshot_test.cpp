// The pictures of the documentation: the designer makes them itself, and
// every page a package registers has one.

#include <gmock/gmock.h>

#include <QImage>
#include <QProcess>
#include <filesystem>
#include <set>

#include "designer_fixture.h"
#include "test_support.h"
#include "vycore/services.h"

namespace designer_test {
namespace {

TEST_F(TDesignerTest, ScreenshotModeRendersPagesAndWindowsOffscreen) {
  vytest::TTempDir folder;
  const std::string showcase = VANTRY_SOURCE_DIR "/apps/designer/screenshots/showcase.vantry.xml";
  struct Case {
    std::vector<std::string> arguments;
    int exitCode;
  };
  const Case cases[] = {
      {{"MainWindow", "main.png", "--project", showcase}, 0},
      {{"PropertyDialog", "dialog.png", "--project", showcase, "--action", "2"}, 0},
      {{"TClearCaseCommentFrame", "page.png"}, 0},
      {{"TNoSuchFrame", "none.png"}, 1},
      {{"PropertyDialog", "far.png", "--project", showcase, "--action", "99"}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.front() + " " + c.arguments[1]);
    QStringList arguments{"--screenshot"};
    for (const std::string& argument : c.arguments)
      arguments.append(QString::fromStdString(argument));
    QProcess designer;
    designer.setWorkingDirectory(QString::fromStdString(folder.Path()));
    designer.start(VANTRY_DESIGNER_EXE, arguments);
    ASSERT_TRUE(designer.waitForFinished(60000));
    EXPECT_EQ(designer.exitCode(), c.exitCode) << designer.readAllStandardError().toStdString();
    const QImage picture(QString::fromStdString(folder.File(c.arguments[1])));
    EXPECT_EQ(picture.isNull(), c.exitCode != 0);
    if (!picture.isNull()) {
      EXPECT_GE(picture.width(), 400);
    }
  }
}

TEST_F(TDesignerTest, TheDocumentationShowsEveryRegisteredPage) {
  std::set<std::string> pages;
  for (const vy::TVyRegisteredAction& entry : vy::VyActionServices().Catalogue()) {
    for (const vy::TVyPageClass& page : entry.pages) pages.insert(page.className);
  }
  for (const vy::TVyRegisteredOptions& entry : vy::VyOptionsServices().Registered()) {
    for (const vy::TVyPageClass& page : entry.pages) pages.insert(page.className);
  }
  pages.erase("TTestTextFrame");  // the property dialog test's own
  pages.erase("TTestMissingFrame");
  pages.erase("TTestLoudFrame");
  EXPECT_GE(pages.size(), 30u);
  for (const std::string& page : pages) {
    EXPECT_TRUE(std::filesystem::exists(VANTRY_SOURCE_DIR "/docs/images/" + page + ".png"))
        << page << ": run scripts/screenshots";
  }
  const std::string guide = vytest::ReadAll(VANTRY_SOURCE_DIR "/docs/designer.md");
  for (const std::string& page : pages) {
    EXPECT_THAT(guide, ::testing::HasSubstr("images/" + page + ".png")) << page;
  }
}

}  // namespace
}  // namespace designer_test
