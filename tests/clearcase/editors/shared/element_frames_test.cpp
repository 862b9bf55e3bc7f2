// The frames that the element actions' dialogs share: the lists of view and
// extended path names, the view context and the comment.

#include <QAction>
#include <QPlainTextEdit>

#include "clearcase/actions/element/checkout_action.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/editors/shared/comment_frame.h"
#include "clearcase/editors/shared/edit_extended_path_name_form.h"
#include "clearcase/editors/shared/edit_view_path_form.h"
#include "clearcase/editors/shared/extended_path_name_frame.h"
#include "clearcase/editors/shared/view_context_sub_frame.h"
#include "clearcase/editors/shared/view_path_name_frame.h"
#include "clearcase/plugin/last_view_directory.h"
#include "page_fixture.h"
#include "sim/cleartool/journal.h"
#include "user_input.h"
#include "vycore/gui/drop_down_combo_box.h"
#include "vycore/gui/hint_list_box.h"
#include "vycore/gui/path_edit.h"

namespace {

using clearcase::editors::ShortenedPath;
using clearcase::editors::TClearCaseCommentFrame;
using clearcase::editors::TClearCaseEditViewPathForm;
using clearcase::editors::TClearCaseExtendedPathNameFrame;
using clearcase::editors::TClearCaseViewContextSubFrame;
using clearcase::editors::TClearCaseViewPathNameFrame;
using vy::gui::TVyHintListBox;
using Form = clearcase::editors::TClearCaseEditExtendedPathNameForm;

TEST(ShortenedPathTest, KeepsTheDriveOrShareAndTheFileName) {
  const QFontMetrics metrics(QApplication::font());
  for (const auto& [path, shown] : {std::pair{"C:\\views\\dev\\src\\a.c", "C:\\...\\src\\a.c"},
                                    {"\\\\host\\share\\dev\\src\\a.c", "\\\\host\\share\\...\\a.c"},
                                    {"views/dev/a.c", ".../a.c"}}) {
    const int width = metrics.horizontalAdvance(shown);
    EXPECT_EQ(ShortenedPath(path, metrics, width), shown) << path;
  }
}

// A check-out action holding view and extended path names, in a custom view.
class ElementFramesTest : public cctest::TPageTest {
 protected:
  void SetUp() override {
    TPageTest::SetUp();
    Options().SetDefaultViewPath("/views/default");
    action_.ViewPathNames() = {"/views/dev/a.c"};
    action_.ExtendedPathNames() = {"a.c@@/main/1", "b.c@@/main/LATEST"};
    action_.SetViewContextPath("/views/dev");
  }

  // The path names as the page stores them.
  std::string Stored(vy::gui::TVyActionPage& page) {
    page.WriteActionData(action_);
    return Get(action_, "PathNameStorageString");
  }

  clearcase::TClearCaseCheckoutAction action_;
};

TEST_F(ElementFramesTest, LongPathsAreShortenedToTheListAndHintedInFull) {
  const std::string longPath = "/views/dev/" + std::string(120, 'x') + "/src/main.c";
  action_.ViewPathNames() = {longPath};
  auto page = Open<TClearCaseViewPathNameFrame>(action_);
  auto* list = Find<TVyHintListBox>(page.get(), "pathsListBox");
  EXPECT_EQ(list->item(0)->text(), "/.../src/main.c");
  // The list box hints what its entries hold in full.
  EXPECT_EQ(list->item(0)->data(TVyHintListBox::kFullTextRole).toString().toStdString(), longPath);
  EXPECT_EQ(Stored(*page), longPath + "\r\na.c@@/main/1\r\nb.c@@/main/LATEST\r\n");
  page->resize(4000, 420);  // wide enough again
  QApplication::processEvents();
  EXPECT_EQ(list->item(0)->text().toStdString(), longPath);
}

TEST_F(ElementFramesTest, AddedPathsAreBrowsedFromTheLastViewOrTyped) {
  auto page = Open<TClearCaseViewPathNameFrame>(action_);
  clearcase::CCSetLastViewDirectory("/views/last");
  Find<QAction>(page.get(), "menuDir")->trigger();  // cancelled
  browseAnswer_ = "/views/other/vobs";
  Find<QAction>(page.get(), "menuDir")->trigger();
  browseAnswer_ = "/views/third/vobs/x.c";
  Find<QAction>(page.get(), "menuFile")->trigger();
  ASSERT_EQ(browseCalls_.size(), 3u);
  EXPECT_EQ(browseCalls_[0].initialDir, "/views/last");
  EXPECT_EQ(browseCalls_[0].caption, "Select Directory");
  EXPECT_EQ(browseCalls_[2].initialDir, "/views/other/vobs");
  EXPECT_EQ(browseCalls_[2].caption, "Select File");
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), "/views/third/vobs");  // the file's folder

  for (const char* typed : {"", "vobs/typed.c"}) {  // an empty path adds nothing
    cctest::AnswerNextDialog<TClearCaseEditViewPathForm>([&](TClearCaseEditViewPathForm& form) {
      EXPECT_EQ(form.windowTitle(), "Add View/Component Path");
      QTest::keyClicks(Find<vy::gui::TVyPathEdit>(&form, "txtExternalPath")->Edit(), typed);
      form.accept();
    });
    Find<QAction>(page.get(), "menuOther")->trigger();
  }
  EXPECT_EQ(Stored(*page),
            "/views/dev/a.c\r\n/views/other/vobs\r\n/views/third/vobs/x.c\r\nvobs/typed.c\r\n"
            "a.c@@/main/1\r\nb.c@@/main/LATEST\r\n");
}

// Delete is proven for every list page by the keyboard test, the view
// context by the round trip.
TEST_F(ElementFramesTest, AddAppendsWhatTheDialogGives) {
  auto page = Open<TClearCaseExtendedPathNameFrame>(action_);
  cctest::AnswerNextDialog<Form>([&](Form& form) {
    EXPECT_EQ(form.GetPathName(), "");
    QTest::keyClicks(Find<QComboBox>(&form, "txtElement")->lineEdit(), "c.c");
    form.accept();
  });
  QTest::mouseClick(Find<QPushButton>(page.get(), "addButton"), Qt::LeftButton);
  EXPECT_EQ(Stored(*page), "/views/dev/a.c\r\na.c@@/main/1\r\nb.c@@/main/LATEST\r\nc.c\r\n");
}

TEST_F(ElementFramesTest, ClearCaseLtDisablesThePageAndLeavesTheActionAlone) {
  Options().SetTestForClearCaseType(false);
  Options().SetClearCaseType(clearcase::ccLT);
  action_.SetUseDefaultViewContext(false);
  auto page = Open<TClearCaseExtendedPathNameFrame>(action_);
  EXPECT_EQ(Find<QLabel>(page.get(), "txtHeading")->text(),
            "Extended Pathnames (not available in ClearCase LT)");
  for (const char* name : {"txtHeading", "pathsListBox", "addButton", "btnDefaultView",
                           "btnCustomView", "txtViewPath"})
    EXPECT_FALSE(Find<QWidget>(page.get(), name)->isEnabled()) << name;
  EXPECT_EQ(Stored(*page), "/views/dev/a.c\r\na.c@@/main/1\r\nb.c@@/main/LATEST\r\n");
  EXPECT_EQ(Get(action_, "UseDefaultViewContext"), "false");
}

TEST_F(ElementFramesTest, DialogSplitsAtTheFirstMarkAndJoinsOnlyWithASelector) {
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

TEST_F(ElementFramesTest, DropDownsListElementsAndTheirVersionsInTheViewContext) {
  UseStandIn("demo");
  clearcase::CCGetClearCaseInstalledType();  // the stand-in lays out its views on first run
  const std::string vob = Path("world/views/snap_view") + "/vobs/src";
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

class ViewContextTest : public ElementFramesTest {
 protected:
  void SetUp() override {
    ElementFramesTest::SetUp();
    panel_.show();
  }

  void Read(bool useDefault, const std::string& path) {
    action_.SetUseDefaultViewContext(useDefault);
    action_.SetViewContextPath(path);
    panel_.ReadActionData(action_);
  }

  TClearCaseViewContextSubFrame panel_;
};

TEST_F(ViewContextTest, ACustomViewNeedsAPathAndThePathIsAlwaysKept) {
  EXPECT_FALSE(panel_.DefaultViewButton()->isChecked() || panel_.CustomViewButton()->isChecked());
  struct Row {
    bool useDefault;
    std::string path;
    bool defaultChosen;
  } rows[] = {{true, "/views/mine", true}, {false, "", true}, {false, "/views/mine", false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.path);
    Read(row.useDefault, row.path);
    EXPECT_EQ(panel_.DefaultViewButton()->isChecked(), row.defaultChosen);
    EXPECT_EQ(panel_.CustomViewButton()->isChecked(), !row.defaultChosen);
    EXPECT_EQ(panel_.ViewPathEdit()->Edit()->toolTip().toStdString(), row.path);
    EXPECT_EQ(panel_.GetContextPath().toStdString(),
              row.defaultChosen ? "/views/default" : row.path);
    panel_.WriteActionData(action_);
    EXPECT_EQ(Get(action_, "UseDefaultViewContext"), row.defaultChosen ? "true" : "false");
    EXPECT_EQ(Get(action_, "ViewContextPath"), row.path);
  }
}

TEST_F(ViewContextTest, TypingOrBrowsingAPathChoosesIt) {
  Read(true, "");
  QTest::keyClicks(panel_.ViewPathEdit()->Edit(), "/v");
  EXPECT_TRUE(panel_.CustomViewButton()->isChecked());

  cctest::Click(panel_.DefaultViewButton());
  panel_.SetPathName("");
  clearcase::CCSetLastViewDirectory("/views/last");
  QTest::mouseClick(panel_.ViewPathEdit()->Button(), Qt::LeftButton);  // cancelled
  EXPECT_TRUE(panel_.DefaultViewButton()->isChecked());
  browseAnswer_ = "/views/chosen";
  QTest::mouseClick(panel_.ViewPathEdit()->Button(), Qt::LeftButton);
  EXPECT_EQ(panel_.GetContextPath(), "/views/chosen");
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), "/views/chosen");
  QTest::mouseClick(panel_.ViewPathEdit()->Button(), Qt::LeftButton);

  ASSERT_EQ(browseCalls_.size(), 3u);
  EXPECT_EQ(browseCalls_[0].caption, "Select View");
  EXPECT_EQ(browseCalls_[0].initialDir, "/views/last");    // nothing stored yet
  EXPECT_EQ(browseCalls_[2].initialDir, "/views/chosen");  // the stored path
}

// Reading and writing the comment is proven by the round trip of every type.
TEST_F(ElementFramesTest, TypingChoosesTheCommentAndEnterBreaksNoLine) {
  action_.SetNoComment(false);
  auto page = Open<TClearCaseCommentFrame>(action_);
  auto* chosen = Find<QRadioButton>(page.get(), "btnComment");
  EXPECT_FALSE(chosen->isChecked());  // an empty comment is no comment
  auto* text = Find<QPlainTextEdit>(page.get(), "txtComment");
  QTest::keyClicks(text, "first");
  QTest::keyClick(text, Qt::Key_Return);
  QTest::keyClicks(text, " line");
  EXPECT_TRUE(chosen->isChecked());
  page->WriteActionData(action_);
  ExpectStored(action_, {{"Comment", "first line"}, {"NoComment", "false"}});
}

}  // namespace
