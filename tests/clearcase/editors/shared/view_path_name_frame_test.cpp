#include "clearcase/editors/shared/view_path_name_frame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "clearcase/actions/element/checkout_action.h"
#include "clearcase/editors/shared/edit_view_path_form.h"
#include "clearcase/plugin/last_view_directory.h"
#include "page_fixture.h"
#include "user_input.h"
#include "vycore/gui/hint_list_box.h"
#include "vycore/gui/path_edit.h"

namespace {

using clearcase::editors::ShortenedPath;
using clearcase::editors::TClearCaseEditViewPathForm;
using clearcase::editors::TClearCaseViewPathNameFrame;
using vy::gui::TVyHintListBox;

TEST(ShortenedPathTest, KeepsTheDriveOrShareAndTheFileName) {
  const QFontMetrics metrics(QApplication::font());
  for (const auto& [path, shown] : {std::pair{"C:\\views\\dev\\src\\a.c", "C:\\...\\src\\a.c"},
                                    {"\\\\host\\share\\dev\\src\\a.c", "\\\\host\\share\\...\\a.c"},
                                    {"views/dev/a.c", ".../a.c"}}) {
    const int width = metrics.horizontalAdvance(shown);
    EXPECT_EQ(ShortenedPath(path, metrics, width), shown) << path;
  }
}

class PathNamesPageTest : public cctest::TPageTest {
 protected:
  void SetUp() override {
    TPageTest::SetUp();
    action_.ViewPathNames() = {"/views/dev/vobs/src/a.c", "/views/dev/vobs/src"};
    action_.ExtendedPathNames() = {"b.c@@/main/2"};
    page_ = Open<TClearCaseViewPathNameFrame>(action_);
    list_ = Find<TVyHintListBox>(page_.get(), "pathsListBox");
  }

  std::string Stored() {
    page_->WriteActionData(action_);
    return *vy::GetPropertyText(action_, "PathNameStorageString");
  }

  clearcase::TClearCaseCheckoutAction action_;
  std::unique_ptr<TClearCaseViewPathNameFrame> page_;
  TVyHintListBox* list_ = nullptr;
};

TEST_F(PathNamesPageTest, LongPathsAreShortenedToTheListAndHintedInFull) {
  const std::string longPath = "/views/dev/" + std::string(120, 'x') + "/src/main.c";
  action_.ViewPathNames() = {longPath};
  page_->ReadActionData(action_);
  EXPECT_EQ(list_->item(0)->text(), "/.../src/main.c");
  // The list box hints what its entries hold in full.
  EXPECT_EQ(list_->item(0)->data(TVyHintListBox::kFullTextRole).toString().toStdString(), longPath);
  EXPECT_EQ(Stored(), longPath + "\r\nb.c@@/main/2\r\n");
  page_->resize(4000, 420);  // wide enough again
  QApplication::processEvents();
  EXPECT_EQ(list_->item(0)->text().toStdString(), longPath);
}

TEST_F(PathNamesPageTest, AddedPathsAreBrowsedFromTheLastViewOrTyped) {
  clearcase::CCSetLastViewDirectory("/views/last");
  Find<QAction>(page_.get(), "menuDir")->trigger();  // cancelled
  browseAnswer_ = "/views/other/vobs";
  Find<QAction>(page_.get(), "menuDir")->trigger();
  browseAnswer_ = "/views/third/vobs/x.c";
  Find<QAction>(page_.get(), "menuFile")->trigger();
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
    Find<QAction>(page_.get(), "menuOther")->trigger();
  }
  EXPECT_EQ(Stored(),
            "/views/dev/vobs/src/a.c\r\n/views/dev/vobs/src\r\n/views/other/vobs\r\n"
            "/views/third/vobs/x.c\r\nvobs/typed.c\r\nb.c@@/main/2\r\n");
}

}  // namespace
