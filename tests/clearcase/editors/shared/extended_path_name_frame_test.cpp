#include "clearcase/editors/shared/extended_path_name_frame.h"

#include <gtest/gtest.h>

#include <QTest>

#include "clearcase/actions/element/checkout_action.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/editors/shared/edit_extended_path_name_form.h"
#include "page_fixture.h"
#include "sim/cleartool/journal.h"
#include "user_input.h"
#include "vycore/gui/drop_down_combo_box.h"

namespace {

using clearcase::editors::TClearCaseExtendedPathNameFrame;
using Form = clearcase::editors::TClearCaseEditExtendedPathNameForm;

class ExtendedPathNamesTest : public cctest::TPageTest {
 protected:
  void SetUp() override {
    TPageTest::SetUp();
    action_.ViewPathNames() = {"/views/dev/a.c"};
    action_.ExtendedPathNames() = {"a.c@@/main/1", "b.c@@/main/LATEST"};
    action_.SetViewContextPath("/views/dev");
  }

  clearcase::TClearCaseCheckoutAction action_;
};

// Delete is proven for every list page by the keyboard test, the view
// context by the round trip.
TEST_F(ExtendedPathNamesTest, AddAppendsWhatTheDialogGives) {
  auto page = Open<TClearCaseExtendedPathNameFrame>(action_);
  cctest::AnswerNextDialog<Form>([&](Form& form) {
    EXPECT_EQ(form.GetPathName(), "");
    QTest::keyClicks(Find<QComboBox>(&form, "txtElement")->lineEdit(), "c.c");
    form.accept();
  });
  QTest::mouseClick(Find<QPushButton>(page.get(), "addButton"), Qt::LeftButton);
  page->WriteActionData(action_);
  EXPECT_EQ(Get(action_, "PathNameStorageString"),
            "/views/dev/a.c\r\na.c@@/main/1\r\nb.c@@/main/LATEST\r\nc.c\r\n");
}

TEST_F(ExtendedPathNamesTest, ClearCaseLtDisablesThePageAndLeavesTheActionAlone) {
  Options().SetTestForClearCaseType(false);
  Options().SetClearCaseType(clearcase::ccLT);
  action_.SetUseDefaultViewContext(false);
  auto page = Open<TClearCaseExtendedPathNameFrame>(action_);
  EXPECT_EQ(Find<QLabel>(page.get(), "txtHeading")->text(),
            "Extended Pathnames (not available in ClearCase LT)");
  for (const char* name : {"txtHeading", "pathsListBox", "addButton", "btnDefaultView",
                           "btnCustomView", "txtViewPath"})
    EXPECT_FALSE(Find<QWidget>(page.get(), name)->isEnabled()) << name;
  page->WriteActionData(action_);
  EXPECT_EQ(Get(action_, "PathNameStorageString"),
            "/views/dev/a.c\r\na.c@@/main/1\r\nb.c@@/main/LATEST\r\n");
  EXPECT_EQ(Get(action_, "UseDefaultViewContext"), "false");
}

TEST_F(ExtendedPathNamesTest, DialogSplitsAtTheFirstMarkAndJoinsOnlyWithASelector) {
  struct Row {
    const char* given;
    const char* element;
    const char* selector;
    const char* result;
  } rows[] = {
      {"foo.c@@/main/3", "foo.c", "/main/3", "foo.c@@/main/3"},
      {"foo.c", "foo.c", "", "foo.c"},
      {"foo.c@@", "foo.c", "", "foo.c"},
      {"d@@/main/2/foo.c@@/main/1", "d", "/main/2/foo.c@@/main/1", "d@@/main/2/foo.c@@/main/1"},
  };
  Form form;
  for (const Row& row : rows) {
    form.SetPathName("left@@over");
    form.SetPathName(row.given);
    EXPECT_EQ(Find<QComboBox>(&form, "txtElement")->currentText(), row.element) << row.given;
    EXPECT_EQ(Find<QComboBox>(&form, "txtSelector")->currentText(), row.selector) << row.given;
    EXPECT_EQ(form.GetPathName(), row.result) << row.given;
  }
}

TEST_F(ExtendedPathNamesTest, DropDownsListElementsAndTheirVersionsInTheViewContext) {
  UseStandIn("demo");
  clearcase::CCGetClearCaseInstalledType();  // the stand-in lays out its views on first run
  const std::string vob = StandInView("snap_view") + "/vobs/src";
  Form form;
  form.SetViewContext(QString::fromStdString(vob));
  form.show();
  auto* element = Find<vy::gui::TVyDropDownComboBox>(&form, "txtElement");
  auto* selector = Find<vy::gui::TVyDropDownComboBox>(&form, "txtSelector");

  EXPECT_EQ(cctest::DropDown(selector), QStringList());  // no element: nothing to ask
  EXPECT_EQ(CountRuns("lshistory"), 0);
  EXPECT_EQ(cctest::DropDown(element),
            (QStringList{"docs", "docs/readme.txt", "src", "src/a.c", "src/b c.c", "src/util.h"}));
  EXPECT_EQ(ctsim::ReadJournal(Path("world/journal.jsonl")).back().cwd, vob);

  element->setEditText("src/a.c");
  QTest::keyClicks(selector->lineEdit(), "/main/9");
  EXPECT_EQ(cctest::DropDown(selector), (QStringList{"/main/2", "/main/dev/1", "/main/dev/0",
                                                     "/main/dev", "/main/1", "/main/0", "/main"}));
  EXPECT_EQ(form.GetPathName(), "src/a.c@@/main/9");  // typed text survives the listing
  cctest::DropDown(selector);
  EXPECT_EQ(CountRuns("ls"), 1);
  EXPECT_EQ(CountRuns("lshistory"), 2);  // each drop-down asks again
}

}  // namespace
