#include "clearcase/editors/shared/options_frame.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>

#include "clearcase/plugin/last_view_directory.h"
#include "page_fixture.h"
#include "user_input.h"
#include "vycore/gui/number_edit.h"
#include "vycore/gui/path_edit.h"

namespace {

class OptionsPageTest : public cctest::TPageTest {
 protected:
  void SetUp() override {
    TPageTest::SetUp();
    page_.show();
    checkType_ = Find<QCheckBox>(&page_, "boxCheckClearCaseType");
    full_ = Find<QRadioButton>(&page_, "btnClearCase");
    lt_ = Find<QRadioButton>(&page_, "btnClearCaseLT");
  }

  // The options as the host loads them, nothing detected yet.
  void Load(bool detect, clearcase::TClearCaseType type) {
    Options().SetTestForClearCaseType(false);
    Options().SetClearCaseType(type);
    Options().SetTestForClearCaseType(detect);
    page_.ReadOptions(Options());
  }

  std::string Saved(const char* name) {
    page_.WriteOptions(Options());
    return *vy::GetPropertyText(Options(), name);
  }

  clearcase::editors::TClearCaseOptionsFrame page_;
  QCheckBox* checkType_ = nullptr;
  QRadioButton* full_ = nullptr;
  QRadioButton* lt_ = nullptr;
};

TEST_F(OptionsPageTest, TheProgramIsShownAndSavedAsItsFolder) {
  auto* box = Find<vy::gui::TVyPathEdit>(&page_, "editCleartoolPath");
  const std::string bin = Path("bin");
  const std::string other = MakeFile("bin/ct-wrapper");
  for (const auto& [stored, shown] : {std::pair{cleartool_, bin}, {bin, bin}, {other, other}}) {
    Options().SetClearToolPath(stored);
    page_.ReadOptions(Options());
    EXPECT_EQ(box->text().toStdString(), shown) << stored;
    page_.WriteOptions(Options());
    EXPECT_EQ(Options().StoredCleartoolPath(), shown) << stored;
  }

  browseAnswer_ = "/opt/ct/bin/cleartool";
  QTest::mouseClick(box->Button(), Qt::LeftButton);
  EXPECT_EQ(box->text(), "/opt/ct/bin");
  EXPECT_EQ(browseCalls_.back().initialDir, bin);
  EXPECT_EQ(browseCalls_.back().pattern, "cleartool");
}

TEST_F(OptionsPageTest, TimeoutsUnder500AreShownAsStoredButSavedAs500) {
  auto* timeout = Find<vy::gui::TVyNumberEdit>(&page_, "txtDesignTimeout");
  for (const auto& [stored, shown, saved] :
       {std::tuple{100, "100", "500"}, {500, "500", "500"}, {12000, "12,000", "12000"}}) {
    Options().SetDesignTimeout(stored);
    page_.ReadOptions(Options());
    EXPECT_EQ(timeout->text(), shown);
    EXPECT_EQ(Saved("DesignTimeout"), saved);
  }
  for (const char* typed : {"499", "abc"}) {
    timeout->selectAll();
    QTest::keyClicks(timeout, typed);
    emit timeout->editingFinished();  // the user leaves the box
    EXPECT_EQ(timeout->PlainText(), "500") << typed;
  }
}

TEST_F(OptionsPageTest, NeitherTypeSelectedLeavesTheStoredTypeAlone) {
  Load(false, clearcase::ccUnknown);
  EXPECT_FALSE(full_->isChecked() || lt_->isChecked());
  Options().SetClearCaseType(clearcase::ccLT);
  EXPECT_EQ(Saved("ClearCaseType"), "ccLT");
  cctest::Click(full_);
  EXPECT_EQ(Saved("ClearCaseType"), "ccFull");
}

TEST_F(OptionsPageTest, DetectionSelectsTheInstalledTypeAndLocksTheButtons) {
  for (const auto& [world, detected] :
       {std::pair{"demo", "btnClearCase"}, {"lt", "btnClearCaseLT"}}) {
    SCOPED_TRACE(world);
    UseStandIn(world);
    const int before = CountRuns("-version");  // the journal outlives a world
    const auto detections = [&] { return CountRuns("-version") - before; };

    Load(false, clearcase::ccUnknown);
    EXPECT_EQ(detections(), 0);
    EXPECT_TRUE(full_->isEnabled() && lt_->isEnabled());
    cctest::Click(checkType_);
    EXPECT_EQ(detections(), 1);
    EXPECT_FALSE(full_->isEnabled() || lt_->isEnabled());
    EXPECT_TRUE(Find<QRadioButton>(&page_, detected)->isChecked());

    Load(true, clearcase::ccUnknown);  // already on when the page opens
    EXPECT_EQ(detections(), 2);
    EXPECT_FALSE(full_->isEnabled() || lt_->isEnabled());
    EXPECT_TRUE(Find<QRadioButton>(&page_, detected)->isChecked());
  }
  // An installation that cannot be told keeps the choice.
  Options().SetClearToolPath(Path("missing"));
  Load(false, clearcase::ccFull);
  cctest::Click(checkType_);
  EXPECT_TRUE(full_->isChecked());
}

TEST_F(OptionsPageTest, DefaultViewBrowserStartsAtAnExistingFolderElseTheLastView) {
  auto* box = Find<vy::gui::TVyPathEdit>(&page_, "editDefaultView");
  clearcase::CCSetLastViewDirectory("/views/last");
  for (const auto& [text, start] : {std::pair{view_, view_}, {Path("nowhere"), "/views/last"}}) {
    box->setText(QString::fromStdString(text));
    QTest::mouseClick(box->Button(), Qt::LeftButton);  // cancelled
    EXPECT_EQ(box->text().toStdString(), text);
    EXPECT_EQ(browseCalls_.back().initialDir, start);
  }
  browseAnswer_ = "/views/chosen";
  QTest::mouseClick(box->Button(), Qt::LeftButton);
  EXPECT_EQ(Saved("DefaultViewPath"), "/views/chosen");
  EXPECT_EQ(clearcase::CCGetLastViewDirectory(), "/views/chosen");
}

}  // namespace
