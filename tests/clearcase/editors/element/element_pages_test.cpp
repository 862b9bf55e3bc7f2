// The element pages other than check out: the rules each adds to plain
// loading and storing and to switching controls on and off (which the round
// trip file covers).

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <cstdlib>

#include "clearcase/actions/element/checkin_action.h"
#include "clearcase/actions/element/cleartool_action.h"
#include "clearcase/actions/element/config_spec_actions.h"
#include "clearcase/actions/element/find_checkouts_action.h"
#include "clearcase/actions/element/make_element_action.h"
#include "clearcase/actions/element/update_action.h"
#include "clearcase/editors/element/check_in_frame.h"
#include "clearcase/editors/element/cleartool_frame.h"
#include "clearcase/editors/element/find_checkouts_frame.h"
#include "clearcase/editors/element/get_config_spec_frame.h"
#include "clearcase/editors/element/make_element_frame.h"
#include "clearcase/editors/element/set_config_spec_frame.h"
#include "clearcase/editors/element/update_frame.h"
#include "page_fixture.h"
#include "user_input.h"
#include "vycore/gui/path_edit.h"

namespace {

using cctest::Click;
using cctest::DropDown;

using namespace clearcase::editors;

class ElementPagesTest : public cctest::TPageTest {
 protected:
  void SetUp() override {
    TPageTest::SetUp();
    vy::VyDesignApplicationServices().DesignVariables().Set("BUILD_LABEL", "");
    vy::VyDesignApplicationServices().DesignVariables().Set("CHECKOUTS", "");
    ::setenv("CC_PAGE_TEST_ONLY", "1", 1);
  }
  void TearDown() override {
    ::unsetenv("CC_PAGE_TEST_ONLY");
    TPageTest::TearDown();
  }

  static QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
  }
};

TEST_F(ElementPagesTest, MakeElementAsksForElementTypesUntilItGetsSome) {
  clearcase::TClearCaseMakeElementAction action;
  Load(action, {{"ElementType", "my_type"}});
  auto page = Open<TClearCaseMakeElementFrame>(action);
  auto* types = Find<QComboBox>(page.get(), "txtElementType");
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
  clearcase::TClearCaseFindCheckoutsAction find;
  Load(find, {{"VariableName", "CHECKOUTS"}});
  auto findPage = Open<TClearCaseFindCheckoutsFrame>(find);
  auto* findList = Find<QComboBox>(findPage.get(), "cmbVariable");
  EXPECT_EQ(Items(findList), QStringList({"BUILD_LABEL", "CHECKOUTS"}));
  EXPECT_EQ(findList->currentText(), "CHECKOUTS");

  clearcase::TClearCaseCleartoolAction generic;
  Load(generic, {{"VyVariable", "BUILD_LABEL"}});
  auto genericPage = Open<TClearCaseCleartoolFrame>(generic);
  auto* genericList = Find<QComboBox>(genericPage.get(), "cmbVariable");
  EXPECT_EQ(genericList->itemText(0), "");
  EXPECT_TRUE(Items(genericList).contains("ENV:CC_PAGE_TEST_ONLY"));
  EXPECT_EQ(genericList->currentText(), "BUILD_LABEL");
}

TEST_F(ElementPagesTest, FullCommandLabelFollowsEveryEdit) {
  clearcase::TClearCaseCleartoolAction action;
  Load(action, {{"Command", "lsview"}, {"Arguments", "-short"}});
  auto page = Open<TClearCaseCleartoolFrame>(action);
  auto* label = Find<QLabel>(page.get(), "lblPath");
  EXPECT_EQ(label->text(), "Full Command Will Be: 'cleartool lsview -short'");
  auto* command = Find<QLineEdit>(page.get(), "txtCommand");
  auto* arguments = Find<QPlainTextEdit>(page.get(), "txtArgs");
  command->clear();
  arguments->clear();
  EXPECT_EQ(label->text(), "Full Command Will Be: 'cleartool  '");
  QTest::keyClicks(command, "status");
  QTest::keyClicks(arguments, "-long");
  EXPECT_EQ(label->text(), "Full Command Will Be: 'cleartool status -long'");
}

TEST_F(ElementPagesTest, ConfigSpecFilesChosenWithTheHostsDialogs) {
  clearcase::TClearCaseGetConfigSpecAction get;
  auto getPage = Open<TClearCaseGetConfigSpecFrame>(get);
  auto* output = Find<vy::gui::TVyPathEdit>(getPage.get(), "txtFilePath");
  Click(Find<QCheckBox>(getPage.get(), "boxUseFile"));
  QTest::mouseClick(output->Button(), Qt::LeftButton);  // cancelled
  output->setText("/views/specs/mine.txt");
  browseAnswer_ = "/views/specs/saved.txt";
  QTest::mouseClick(output->Button(), Qt::LeftButton);
  EXPECT_EQ(output->text(), "/views/specs/saved.txt");

  clearcase::TClearCaseSetConfigSpecAction set;
  Load(set, {{"CSpecChoice", "csFile"}, {"CSFilePath", "/tmp/spec.txt"}});
  auto setPage = Open<TClearCaseSetConfigSpecFrame>(set);
  auto* input = Find<vy::gui::TVyPathEdit>(setPage.get(), "txtSpecFile");
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
