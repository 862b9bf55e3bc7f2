#include "clearcase/editors/shared/component_activity_selector_form.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "page_fixture.h"

namespace {

using clearcase::editors::TComponentActivitySelectorForm;
using Runs = std::vector<std::vector<std::string>>;

class SelectorFormTest : public cctest::TPageTest {
 protected:
  void SetUp() override {
    TPageTest::SetUp();
    UseStandIn("demo");
    form_.show();
  }

  QComboBox* Box(const char* name) { return Find<QComboBox>(&form_, name); }

  // Drops a list down and closes it again, returning the stand-in runs it caused.
  Runs Drop(const char* name) {
    const std::size_t before = StandInRuns().size();
    Box(name)->showPopup();
    Box(name)->hidePopup();
    const Runs runs = StandInRuns();
    return Runs(runs.begin() + static_cast<std::ptrdiff_t>(before), runs.end());
  }

  QStringList Items(const char* name) {
    QStringList items;
    for (int i = 0; i < Box(name)->count(); ++i) items << Box(name)->itemText(i);
    return items;
  }

  TComponentActivitySelectorForm form_;
};

TEST_F(SelectorFormTest, ListsAreQueriedAgainOnlyAfterAChoiceAboveThemChanged) {
  form_.SetLastPVOB("/vobs/pvob");
  EXPECT_EQ(Drop("cmbPVOB").size(), 1u);
  EXPECT_TRUE(Drop("cmbPVOB").empty());
  EXPECT_TRUE(Items("cmbPVOB").contains("/vobs/pvob"));

  EXPECT_EQ(Drop("cmbProject"), Runs({{"lsproject", "-short", "-invob", "/vobs/pvob"}}));
  EXPECT_TRUE(Drop("cmbProject").empty());
  EXPECT_EQ(Items("cmbProject"), QStringList({"webshop"}));
  Box("cmbProject")->setCurrentIndex(0);

  EXPECT_EQ(Drop("cmbStream"), Runs({{"lsstream", "-short", "-in", "webshop@/vobs/pvob"}}));
  EXPECT_TRUE(Drop("cmbStream").empty());

  // The result list is asked at every drop-down.
  EXPECT_EQ(Drop("cmbResult").size(), 1u);
  EXPECT_EQ(Drop("cmbResult").size(), 1u);

  // A new project VOB makes everything below it stale, but not itself.
  QTest::keyClick(Box("cmbPVOB")->lineEdit(), Qt::Key_Backspace);
  EXPECT_TRUE(Drop("cmbPVOB").empty());
  EXPECT_EQ(Drop("cmbProject"), Runs({{"lsproject", "-short", "-invob", "/vobs/pvo"}}));
  EXPECT_EQ(Drop("cmbStream").size(), 1u);
  // A new stream makes only the result stale.
  QTest::keyClicks(Box("cmbStream")->lineEdit(), "x");
  EXPECT_TRUE(Drop("cmbProject").empty());
  EXPECT_EQ(Drop("cmbResult").size(), 1u);
}

TEST_F(SelectorFormTest, ResultListFollowsStreamOrProjectAndTheTargetType) {
  form_.SetLastPVOB("/vobs/pvob");
  form_.SetLastProject("webshop");
  const Runs components = Drop("cmbResult");
  ASSERT_EQ(components.size(), 1u);
  EXPECT_EQ(components[0][0], "lsproject");  // components of the project's baselines
  EXPECT_TRUE(Items("cmbResult").contains("comp_core"));

  form_.SetTargetType("Activity");
  EXPECT_EQ(Drop("cmbResult"), Runs({{"lsactivity", "-short", "-in", "webshop@/vobs/pvob"}}));
  form_.SetLastStream("dev_alice");
  EXPECT_EQ(Drop("cmbResult"), Runs({{"lsactivity", "-short", "-in", "dev_alice@/vobs/pvob"}}));
  EXPECT_EQ(Items("cmbResult"), QStringList({"feature_login", "fix_23"}));
}

TEST_F(SelectorFormTest, UpdateAllReloadsEveryListAndEmptiesTextsNoLongerListed) {
  form_.SetLastPVOB("/vobs/pvob");
  form_.SetLastProject("webshop");
  form_.SetLastStream("retired_stream");
  Box("cmbResult")->setEditText("comp_core");
  Drop("cmbPVOB");
  const std::size_t before = StandInRuns().size();
  QTest::mouseClick(Find<QPushButton>(&form_, "btnUpdate"), Qt::LeftButton);
  EXPECT_EQ(StandInRuns().size(), before + 4);  // the fresh project VOB list too
  EXPECT_EQ(form_.GetLastPVOB(), "/vobs/pvob");
  EXPECT_EQ(form_.GetLastProject(), "webshop");
  EXPECT_EQ(form_.GetLastStream(), "");
  EXPECT_EQ(Box("cmbResult")->currentText(), "comp_core");
}

TEST_F(SelectorFormTest, AddNeedsAResultAndAProjectVobAndQualifiesTheResult) {
  const struct {
    const char* pvob;
    const char* result;
    bool add;
    const char* chosen;
  } rows[] = {
      {"/vobs/pvob", "comp_core", true, "comp_core@/vobs/pvob"},
      {"/vobs/pvob", "comp_core@/vobs/other", true, "comp_core@/vobs/other"},
      {"", "comp_core", false, "comp_core@"},
      {"/vobs/pvob", "", false, "@/vobs/pvob"},
  };
  auto* add = Find<QPushButton>(&form_, "btnAdd");
  EXPECT_FALSE(add->isEnabled());
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.pvob) + " " + row.result);
    Box("cmbResult")->setEditText("");
    Box("cmbPVOB")->setEditText(row.pvob);
    QTest::keyClicks(Box("cmbResult")->lineEdit(), row.result);
    EXPECT_EQ(add->isEnabled(), row.add);
    EXPECT_EQ(form_.GetResult().toStdString(), row.chosen);
  }
  QTest::mouseClick(add, Qt::LeftButton);
  EXPECT_EQ(form_.result(), QDialog::Rejected);  // disabled: nothing happens
  Box("cmbResult")->setEditText("comp_core");
  QTest::mouseClick(add, Qt::LeftButton);
  EXPECT_EQ(form_.result(), QDialog::Accepted);
}

}  // namespace
