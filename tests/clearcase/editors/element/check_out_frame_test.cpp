#include "clearcase/editors/element/check_out_frame.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "clearcase/actions/element/checkout_action.h"
#include "page_fixture.h"
#include "user_input.h"
#include "vycore/gui/path_edit.h"

namespace {

using cctest::Click;
using cctest::DropDown;

using clearcase::TClearCaseCheckoutAction;
using clearcase::editors::TClearCaseCheckOutFrame;

class CheckOutFrameTest : public cctest::TPageTest {
 protected:
  QRadioButton* Radio(const char* name) { return Find<QRadioButton>(page_.get(), name); }
  QCheckBox* Lazy() { return Find<QCheckBox>(page_.get(), "boxLazyReserved"); }
  vy::gui::TVyPathEdit* OutPath() {
    return Find<vy::gui::TVyPathEdit>(page_.get(), "txtExternalPath");
  }

  // The names of the checked radio buttons, joined by blanks.
  std::string Checked() {
    std::string checked;
    for (QRadioButton* radio : page_->findChildren<QRadioButton*>())
      if (radio->isChecked())
        checked += (checked.empty() ? "" : " ") + radio->objectName().toStdString();
    return checked;
  }

  void Open(TValues values) {
    action_ = std::make_unique<TClearCaseCheckoutAction>();
    Load(*action_, values);
    page_ = TPageTest::Open<TClearCaseCheckOutFrame>(*action_);
  }

  std::unique_ptr<TClearCaseCheckoutAction> action_;
  std::unique_ptr<TClearCaseCheckOutFrame> page_;
};

TEST_F(CheckOutFrameTest, ReadingShowsTheStoredChoicesAndLetsFilledSelectorsDecide) {
  const struct {
    TValues stored;
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
    Open(row.stored);
    EXPECT_EQ(Checked(), row.checked);
    EXPECT_EQ(Lazy()->isChecked(), row.lazyTicked);
    EXPECT_EQ(Lazy()->isEnabled(), row.lazyEnabled);
  }
}

TEST_F(CheckOutFrameTest, UnreservedWinsOverTheDisabledLazyBox) {
  Open({{"Reserved", "true"}, {"Unreserved", "true"}});
  Click(Radio("btnUnreserved"));
  EXPECT_FALSE(Lazy()->isEnabled());
  EXPECT_TRUE(Lazy()->isChecked());
  QTest::keyClicks(Find<QLineEdit>(page_.get(), "txtBranchName"), "dev");
  page_->WriteActionData(*action_);
  ExpectStored(*action_,
               {{"Reserved", "false"}, {"Unreserved", "true"}, {"SelectionMode", "coBranch"}});
}

TEST_F(CheckOutFrameTest, ClearCaseLTOffersNoVersionOrBranch) {
  Options().SetClearCaseType(clearcase::ccLT);
  Open({{"SelectionMode", "coVersion"}, {"VersionSelector", "/main/3"}});
  EXPECT_TRUE(Radio("btnSelModeDefault")->isChecked());
  for (const char* name :
       {"btnSelModeDefault", "btnSelModeBranch", "btnSelModeVersion", "txtVersionName"})
    EXPECT_FALSE(Find<QWidget>(page_.get(), name)->isEnabled()) << name;
  EXPECT_EQ(Find<QLineEdit>(page_.get(), "txtVersionName")->text(), "");
}

TEST_F(CheckOutFrameTest, FolderButtonBrowsesFromTheTypedPath) {
  Open({{"OutExternalPath", "/tmp/first"}, {"DataLocation", "coView"}});
  QTest::mouseClick(OutPath()->Button(), Qt::LeftButton);  // cancelled
  EXPECT_EQ(OutPath()->text(), "/tmp/first");
  EXPECT_TRUE(Radio("btnViewDefault")->isChecked());
  browseAnswer_ = "/tmp/chosen";
  QTest::mouseClick(OutPath()->Button(), Qt::LeftButton);
  EXPECT_EQ(OutPath()->text(), "/tmp/chosen");
  EXPECT_TRUE(Radio("btnOut")->isChecked());
  ASSERT_EQ(browseCalls_.size(), 2u);
  EXPECT_EQ(browseCalls_[0].kind + " " + browseCalls_[0].initialDir + " " + browseCalls_[0].caption,
            "directory /tmp/first Select Directory");
}

}  // namespace
