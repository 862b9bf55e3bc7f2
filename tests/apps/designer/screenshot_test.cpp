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
  const std::string showcase = VANTRY_SOURCE_DIR "/apps/designer/screenshots/showcase.vantry.xml";
  struct Case {
    std::vector<std::string> arguments;
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

// The dialogs pages open, which --screenshot takes by class name too.
const char* const kDialogs[] = {"TClearCaseObjectSelectorEditForm",
                                "TComponentActivitySelectorForm"};

// The pictures a Markdown text shows, by their file name.
std::set<std::string> PicturesShown(const std::string& text) {
  static const std::regex picture(R"(!\[[^\]]*\]\((?:docs/)?images/([^)]+)\))");
  std::set<std::string> names;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), picture);
       it != std::sregex_iterator(); ++it)
    names.insert((*it)[1]);
  return names;
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
  pages.insert(std::begin(kDialogs), std::end(kDialogs));
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

// scripts/screenshots makes exactly the pictures the documents show: any
// other file in docs/images is a leftover, made by hand or shown nowhere.
TEST_F(TDesignerTest, ThePicturesAreExactlyThoseTheDocumentsShow) {
  std::set<std::string> shown = PicturesShown(vytest::ReadAll(VANTRY_SOURCE_DIR "/README.md"));
  EXPECT_FALSE(shown.empty());
  for (const auto& file : std::filesystem::directory_iterator(VANTRY_SOURCE_DIR "/docs")) {
    if (file.path().extension() != ".md") continue;
    const std::set<std::string> pictures = PicturesShown(vytest::ReadAll(file.path().string()));
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
}

}  // namespace
}  // namespace designer_test
