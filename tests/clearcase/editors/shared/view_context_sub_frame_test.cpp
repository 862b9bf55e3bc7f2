#include "clearcase/editors/shared/view_context_sub_frame.h"

#include <gtest/gtest.h>

#include <QTest>

#include "clearcase/actions/element/checkout_action.h"
#include "clearcase/plugin/last_view_directory.h"
#include "page_fixture.h"
#include "user_input.h"

namespace {

using clearcase::editors::TClearCaseViewContextSubFrame;

class ViewContextTest : public cctest::TPageTest {
 protected:
  void SetUp() override {
    TPageTest::SetUp();
    Options().SetDefaultViewPath("/views/default");
    panel_.show();
  }

  void Read(bool useDefault, const std::string& path) {
    action_.SetUseDefaultViewContext(useDefault);
    action_.SetViewContextPath(path);
    panel_.ReadActionData(action_);
  }

  clearcase::TClearCaseCheckoutAction action_;
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

}  // namespace
