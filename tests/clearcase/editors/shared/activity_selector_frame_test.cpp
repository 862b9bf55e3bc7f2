#include "clearcase/editors/shared/activity_selector_frame.h"

#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTest>

#include "clearcase/actions/element/checkin_action.h"
#include "clearcase/actions/ucm/activity_actions.h"
#include "page_fixture.h"
#include "user_input.h"
#include "vycore/properties.h"

namespace {

using clearcase::editors::TClearCaseActivitySelectorFrame;

using ActivitySelectorTest = cctest::TPageTest;

// The activity and its VOB are read and written in the round trip of every type.
TEST_F(ActivitySelectorTest, FirstChoiceIsNoActivityOrTheCurrentOne) {
  clearcase::TClearCaseSetActivityAction set;
  clearcase::TClearCaseCheckInActivityAction checkin;
  Load(set, {{"SetActivityToNone", "true"}, {"UseCurrentActivity", "true"}});
  Load(checkin, {{"UseCurrentActivity", "true"}});
  const struct {
    vy::TCustomVyAction& action;
    const char* caption;
    const char* current;  // UseCurrentActivity once the user chose an activity
    const char* none;     // SetActivityToNone then
  } rows[] = {{set, "Set Current Activity to None (-none)", "true", "false"},
              {checkin, "Use the Current Activity for the view", "false", "<no such property>"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.caption);
    auto page = Open<TClearCaseActivitySelectorFrame>(row.action);
    auto* current = Find<QRadioButton>(page.get(), "btnCurrentActivity");
    auto* name = Find<QComboBox>(page.get(), "txtActivityName");
    EXPECT_EQ(current->text().remove(u'&'), row.caption);
    EXPECT_TRUE(current->isChecked());
    EXPECT_FALSE(name->isEnabled() || Find<QComboBox>(page.get(), "txtVOBSelector")->isEnabled());
    QTest::mouseClick(Find<QRadioButton>(page.get(), "btnCustomActivity"), Qt::LeftButton);
    EXPECT_TRUE(name->isEnabled());
    page->WriteActionData(row.action);
    ExpectStored(row.action,
                 {{"UseCurrentActivity", row.current}, {"SetActivityToNone", row.none}});
  }
}

TEST_F(ActivitySelectorTest, VobsListedOnceActivitiesAtEveryDropDown) {
  UseStandIn("demo");
  clearcase::TClearCaseCheckInActivityAction action;
  auto page = Open<TClearCaseActivitySelectorFrame>(action);
  auto* vobs = Find<QComboBox>(page.get(), "txtVOBSelector");
  cctest::DropDown(vobs);
  cctest::DropDown(vobs);
  EXPECT_EQ(CountRuns("lsvob"), 1);
  EXPECT_EQ(vobs->findText("/vobs/pvob"), 0);

  auto* activities = Find<QComboBox>(page.get(), "txtActivityName");
  auto* viewPath = page->findChild<QWidget*>("txtViewPath")->findChild<QLineEdit*>();
  viewPath->setText(QString::fromStdString(StandInView("no_such_view")));
  cctest::DropDown(activities);
  EXPECT_EQ(CountRuns("lsstream"), 0);
  StandInRuns();  // the views are laid out by the first run
  viewPath->setText(QString::fromStdString(StandInView("dev_view")));
  cctest::DropDown(activities);
  cctest::DropDown(activities);
  EXPECT_EQ(CountRuns("lsstream"), 2);
  EXPECT_GE(activities->findText("fix_23@/vobs/pvob"), 0);
}

}  // namespace
