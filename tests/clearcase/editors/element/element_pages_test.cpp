// The element pages: the rules each adds to plain loading and storing and to
// switching controls on and off (which the round trip file covers).

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "type_pages.h"
#include "vycore/gui/path_edit.h"

namespace {

using cctest::DropDown;
using vy::gui::TVyPathEdit;

using ElementPagesTest = cctest::TTypePagesTest;

// The names of the checked radio buttons of the check-out page, joined by
// blanks.
std::string CheckedOnPageOf(QWidget* control) {
  std::string checked;
  for (QRadioButton* radio : control->window()->findChildren<QRadioButton*>())
    if (radio->isChecked())
      checked += (checked.empty() ? "" : " ") + radio->objectName().toStdString();
  return checked;
}

TEST_F(ElementPagesTest, CheckOutReadingShowsTheStoredChoicesAndLetsFilledSelectorsDecide) {
  const struct {
    cctest::TStored stored;
    const char* checked;  // reservation, location, selection
    bool lazyTicked, lazyEnabled;
  } rows[] = {
      // clang-format off
      {{{"Reserved", "true"}, {"Unreserved", "true"}}, "btnReserved btnViewDefault btnSelModeDefault", true, true},
      {{{"Unreserved", "true"}, {"DataLocation", "coNoData"}}, "btnUnreserved btnNData btnSelModeDefault", false, false},
      // The stored location wins over a filled path, which is read first...
      {{{"DataLocation", "coView"}, {"OutExternalPath", "/tmp/out"}}, "btnUnreserved btnViewDefault btnSelModeDefault",
       false, false},
      // ...while a filled selector wins over the stored mode, read before it.
      {{{"SelectionMode", "coDefault"}, {"VersionSelector", "/main/3"}}, "btnUnreserved btnViewDefault btnSelModeVersion",
       false, false},
      {{{"SelectionMode", "coBranch"}, {"BranchSelector", "dev"}, {"VersionSelector", "/main/3"}},
       "btnUnreserved btnViewDefault btnSelModeVersion", false, false},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.checked);
    OpenPages("CC_CHECKOUT", row.stored);
    EXPECT_EQ(CheckedOnPageOf(C("btnReserved")), row.checked);
    EXPECT_EQ(C<QCheckBox>("boxLazyReserved")->isChecked(), row.lazyTicked);
    EXPECT_EQ(C("boxLazyReserved")->isEnabled(), row.lazyEnabled);
  }
}

TEST_F(ElementPagesTest, CheckOutUnreservedWinsOverTheDisabledLazyBox) {
  OpenPages("CC_CHECKOUT", {{"Reserved", "true"}, {"Unreserved", "true"}});
  cctest::Click(C<QRadioButton>("btnUnreserved"));
  EXPECT_FALSE(C("boxLazyReserved")->isEnabled());
  EXPECT_TRUE(C<QCheckBox>("boxLazyReserved")->isChecked());
  QTest::keyClicks(C("txtBranchName"), "dev");
  WritePages();
  ExpectStored(*action_,
               {{"Reserved", "false"}, {"Unreserved", "true"}, {"SelectionMode", "coBranch"}});
}

TEST_F(ElementPagesTest, CheckOutFolderButtonBrowsesFromTheTypedPath) {
  OpenPages("CC_CHECKOUT", {{"OutExternalPath", "/tmp/first"}, {"DataLocation", "coView"}});
  auto* path = C<TVyPathEdit>("txtExternalPath");
  QTest::mouseClick(path->Button(), Qt::LeftButton);  // cancelled
  EXPECT_EQ(path->text(), "/tmp/first");
  EXPECT_TRUE(C<QRadioButton>("btnViewDefault")->isChecked());
  browseAnswer_ = "/tmp/chosen";
  QTest::mouseClick(path->Button(), Qt::LeftButton);
  EXPECT_EQ(path->text(), "/tmp/chosen");
  EXPECT_TRUE(C<QRadioButton>("btnOut")->isChecked());
  ASSERT_EQ(browseCalls_.size(), 2u);
  EXPECT_EQ(browseCalls_[0].kind + " " + browseCalls_[0].initialDir + " " + browseCalls_[0].caption,
            "directory /tmp/first Select Directory");
}

TEST_F(ElementPagesTest, MakeElementAsksForElementTypesUntilItGetsSome) {
  OpenPages("CC_MKELEM", {{"ElementType", "my_type"}});
  auto* types = C<QComboBox>("txtElementType");
  // The demo world's first VOB, its project VOB, has no element types, and
  // the walk over the VOBs stops there.
  UseStandIn("demo");
  DropDown(types);
  EXPECT_EQ(DropDown(types), QStringList());
  EXPECT_EQ(CountRuns("lstype"), 2);
  UseStandIn("lt");
  DropDown(types);
  EXPECT_EQ(DropDown(types), QStringList({"text_file"}));
  EXPECT_EQ(CountRuns("lstype"), 3);
  EXPECT_EQ(types->currentText(), "my_type");
}

TEST_F(ElementPagesTest, VariableListsComeFromTheDesignerWithOrWithoutTheEnvironment) {
  const auto items = [this] { return DropDown(C<QComboBox>("cmbVariable")); };
  vytest::TScopedEnv variable("CC_PAGE_TEST_ONLY", "1");
  OpenPages("CC_FINDCHECKOUTS", {{"VariableName", "CHECKOUTS"}});
  EXPECT_EQ(items(), QStringList({"BUILD_LABEL", "CHECKOUTS"}));
  EXPECT_EQ(C<QComboBox>("cmbVariable")->currentText(), "CHECKOUTS");

  OpenPages("CC_GENERIC", {{"VyVariable", "BUILD_LABEL"}});
  EXPECT_EQ(items().value(0), "");
  EXPECT_TRUE(items().contains("ENV:CC_PAGE_TEST_ONLY"));
  EXPECT_EQ(C<QComboBox>("cmbVariable")->currentText(), "BUILD_LABEL");
}

TEST_F(ElementPagesTest, FullCommandLabelFollowsEveryEdit) {
  OpenPages("CC_GENERIC", {{"Command", "lsview"}, {"Arguments", "-short"}});
  auto* label = C<QLabel>("lblPath");
  EXPECT_EQ(label->text(), "Full Command Will Be: 'cleartool lsview -short'");
  C<QLineEdit>("txtCommand")->clear();
  C<QPlainTextEdit>("txtArgs")->clear();
  EXPECT_EQ(label->text(), "Full Command Will Be: 'cleartool  '");
  QTest::keyClicks(C("txtCommand"), "status");
  QTest::keyClicks(C("txtArgs"), "-long");
  EXPECT_EQ(label->text(), "Full Command Will Be: 'cleartool status -long'");
}

TEST_F(ElementPagesTest, ConfigSpecFilesChosenWithTheHostsDialogs) {
  OpenPages("CC_GETCONFIGSPEC", {{"OutputToFile", "true"}});
  auto* output = C<TVyPathEdit>("txtFilePath");
  QTest::mouseClick(output->Button(), Qt::LeftButton);  // cancelled
  output->setText("/views/specs/mine.txt");
  browseAnswer_ = "/views/specs/saved.txt";
  QTest::mouseClick(output->Button(), Qt::LeftButton);
  EXPECT_EQ(output->text(), "/views/specs/saved.txt");

  OpenPages("CC_SETCONFIGSPEC", {{"CSpecChoice", "csFile"}, {"CSFilePath", "/tmp/spec.txt"}});
  auto* input = C<TVyPathEdit>("txtSpecFile");
  browseAnswer_ = "/tmp/other.txt";
  QTest::mouseClick(input->Button(), Qt::LeftButton);
  EXPECT_EQ(input->text(), "/tmp/other.txt");

  ASSERT_EQ(browseCalls_.size(), 3u);
  const cctest::TBrowseCall& first = browseCalls_[0];
  EXPECT_EQ(first.kind + "|" + first.caption + "|" + first.initialDir + "|" + first.fileName,
            "save|Save Config Spec As||config_spec.txt");
  EXPECT_EQ(first.pattern, "Text Files (*.txt)|*.TXT|All Files (*.*)|*.*");
  EXPECT_EQ(first.filterIndex, 2);
  EXPECT_EQ(browseCalls_[1].initialDir + "|" + browseCalls_[1].fileName,
            "/views/specs|/views/specs/mine.txt");
  const cctest::TBrowseCall& file = browseCalls_[2];
  EXPECT_EQ(file.kind + "|" + file.caption + "|" + file.initialDir + "|" + file.pattern,
            "file|Select Config Spec File|/tmp/spec.txt|*.*");
}

}  // namespace
