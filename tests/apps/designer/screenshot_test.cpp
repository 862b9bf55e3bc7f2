// The pictures of the documentation: the designer makes them itself, and
// every page a package registers has one.

#include <gmock/gmock.h>

#include <QImage>
#include <QProcess>
#include <algorithm>
#include <filesystem>
#include <iterator>
#include <regex>
#include <set>
#include <vector>

#include "designer_fixture.h"
#include "test_support.h"
#include "vycore/services.h"

namespace designer_test {
namespace {

TEST_F(TDesignerTest, ScreenshotModeRendersPagesAndWindowsOffscreen) {
  vytest::TTempDir folder;
  const QString showcase = VANTRY_SOURCE_DIR "/apps/designer/screenshots/showcase.vantry.xml";
  struct Case {
    QStringList arguments;
    int exitCode;
  };
  const Case cases[] = {
      {{"MainWindow", "main.png", "--project", showcase}, 0},
      {{"PropertyDialog", "dialog.png", "--project", showcase, "--action", "2"}, 0},
      {{"TClearCaseCommentFrame", "page.png"}, 0},
      // Dialogs open from their page: Edit on the showcase's objects, Add on
      // a new action's empty list; a new baseline action selects nothing to
      // add activities or components to, so nothing opens the form.
      {{"TClearCaseObjectSelectorEditForm", "edit.png", "--project", showcase}, 0},
      {{"TClearCaseObjectSelectorEditForm", "add.png"}, 0},
      {{"TComponentActivitySelectorForm", "form.png", "--project", showcase}, 0},
      {{"TComponentActivitySelectorForm", "closed.png"}, 1},
      {{"TNoSuchFrame", "none.png"}, 1},
      {{"PropertyDialog", "far.png", "--project", showcase, "--action", "99"}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    QProcess designer;
    designer.setWorkingDirectory(QString::fromStdString(folder.Path()));
    designer.start(VANTRY_DESIGNER_EXE, QStringList{"--screenshot"} + c.arguments);
    ASSERT_TRUE(designer.waitForFinished(60000));
    EXPECT_EQ(designer.exitCode(), c.exitCode) << designer.readAllStandardError().toStdString();
    const QImage picture(QString::fromStdString(folder.File(c.arguments[1].toStdString())));
    EXPECT_EQ(picture.isNull(), c.exitCode != 0);
    EXPECT_TRUE(picture.isNull() || picture.width() >= 400) << picture.width();
  }
}

// The pictures a Markdown text shows, by their file name.
std::set<std::string> PicturesShown(const std::string& file) {
  static const std::regex picture(R"(!\[[^\]]*\]\((?:docs/)?images/([^)]+)\))");
  const std::string text = vytest::ReadAll(file);
  std::set<std::string> names;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), picture);
       it != std::sregex_iterator(); ++it)
    names.insert((*it)[1]);
  return names;
}

// scripts/screenshots makes exactly the pictures the documents show, and the
// guide shows every page a package registers and the dialogs pages open.
TEST_F(TDesignerTest, TheDocumentsShowEveryPageAndExactlyThePictures) {
  std::set<std::string> shown = PicturesShown(VANTRY_SOURCE_DIR "/README.md");
  for (const auto& file : std::filesystem::directory_iterator(VANTRY_SOURCE_DIR "/docs")) {
    if (file.path().extension() != ".md") continue;
    const std::set<std::string> pictures = PicturesShown(file.path().string());
    shown.insert(pictures.begin(), pictures.end());
  }
  std::set<std::string> present;
  for (const auto& file : std::filesystem::directory_iterator(VANTRY_SOURCE_DIR "/docs/images"))
    present.insert(file.path().filename().string());
  std::vector<std::string> missing, stray;
  std::set_difference(shown.begin(), shown.end(), present.begin(), present.end(),
                      std::back_inserter(missing));
  std::set_difference(present.begin(), present.end(), shown.begin(), shown.end(),
                      std::back_inserter(stray));
  EXPECT_THAT(missing, ::testing::IsEmpty()) << "run scripts/screenshots";
  EXPECT_THAT(stray, ::testing::IsEmpty()) << "not made by scripts/screenshots";

  std::set<std::string> pages{"TClearCaseObjectSelectorEditForm", "TComponentActivitySelectorForm"};
  for (const vy::TVyRegisteredAction& entry : vy::VyActionServices().Catalogue()) {
    for (const vy::TVyPageClass& page : entry.pages) pages.insert(page.className);
  }
  for (const vy::TVyRegisteredOptions& entry : vy::VyOptionsServices().Registered()) {
    for (const vy::TVyPageClass& page : entry.pages) pages.insert(page.className);
  }
  EXPECT_GE(pages.size(), 30u);
  const std::set<std::string> guide = PicturesShown(VANTRY_SOURCE_DIR "/docs/designer.md");
  for (const std::string& page : pages) {
    EXPECT_TRUE(page.rfind("TTest", 0) == 0 || guide.count(page + ".png")) << page;  // ours
  }
}

}  // namespace
}  // namespace designer_test
