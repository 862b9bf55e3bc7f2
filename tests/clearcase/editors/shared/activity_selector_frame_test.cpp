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

class ActivitySelectorTest : public cctest::TPageTest {};

TEST_F(ActivitySelectorTest, FirstChoiceIsNoActivityOrTheCurrentOne) {
  clearcase::TClearCaseSetActivityAction set;
  clearcase::TClearCaseCheckInActivityAction checkin;
  for (vy::TCustomVyAction* action :
       {static_cast<vy::TCustomVyAction*>(&set), static_cast<vy::TCustomVyAction*>(&checkin)}) {
    const bool isSet = action == &set;
    SCOPED_TRACE(isSet ? "set activity" : "check in");
    Load(*action, {{"ActivityName", "fix_23"},
                   {"VOBSelector", "/vobs/pvob"},
                   {"UseCurrentActivity", isSet ? "false" : "true"}});
    if (isSet) Load(*action, {{"SetActivityToNone", "true"}});
    auto page = Open<TClearCaseActivitySelectorFrame>(*action);
    auto* current = Find<QRadioButton>(page.get(), "btnCurrentActivity");
    EXPECT_EQ(current->text().remove(u'&'), isSet ? "Set Current Activity to None (-none)"
                                                  : "Use the Current Activity for the view");
    EXPECT_TRUE(current->isChecked());
    EXPECT_FALSE(Find<QComboBox>(page.get(), "txtActivityName")->isEnabled());
    EXPECT_FALSE(Find<QComboBox>(page.get(), "txtVOBSelector")->isEnabled());

    QTest::mouseClick(Find<QRadioButton>(page.get(), "btnCustomActivity"), Qt::LeftButton);
    EXPECT_TRUE(Find<QComboBox>(page.get(), "txtActivityName")->isEnabled());
    page->WriteActionData(*action);
    EXPECT_EQ(Get(*action, "ActivityName"), "fix_23");
    EXPECT_EQ(Get(*action, "VOBSelector"), "/vobs/pvob");
    EXPECT_EQ(Get(*action, "UseCurrentActivity"), "false");  // for set activity: untouched
    EXPECT_EQ(Get(*action, "SetActivityToNone"), isSet ? "false" : "<no such property>");
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
