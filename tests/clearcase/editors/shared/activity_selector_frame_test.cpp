// The activity selector frame, and a listing behind one of its lists that
// keeps cleartool busy for a while: with the designer's runner the window
// keeps painting and timers keep firing under the busy cursor; without it (the
// headless answer) nothing happens until cleartool is done. The names listed
// are the same either way.

#include <QRadioButton>
#include <QTimer>
#include <stdexcept>
#include <thread>

#include "clearcase/actions/element/checkin_action.h"
#include "clearcase/actions/ucm/activity_actions.h"
#include "clearcase/editors/shared/activity_selector_frame.h"
#include "page_fixture.h"
#include "test_support.h"
#include "user_input.h"
#include "vycore/gui/desktop_services.h"
#include "vycore/services.h"

namespace {

using clearcase::editors::TClearCaseActivitySelectorFrame;

using ActivitySelectorTest = cctest::TPageTest;

// The activity and its VOB are read and written in the round trip of every type.
TEST_F(ActivitySelectorTest, FirstChoiceIsNoActivityOrTheCurrentOne) {
  clearcase::TClearCaseSetActivityAction set;
  clearcase::TClearCaseCheckInActivityAction checkin;
  set.SetSetActivityToNone(true);
  set.SetUseCurrentActivity(true);
  checkin.SetUseCurrentActivity(true);
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
  viewPath->setText(QString::fromStdString(Path("world/views/no_such_view")));
  cctest::DropDown(activities);
  EXPECT_EQ(CountRuns("lsstream"), 0);
  StandInRuns();  // the views are laid out by the first run
  viewPath->setText(QString::fromStdString(Path("world/views/dev_view")));
  cctest::DropDown(activities);
  cctest::DropDown(activities);
  EXPECT_EQ(CountRuns("lsstream"), 2);
  EXPECT_GE(activities->findText("fix_23@/vobs/pvob"), 0);
}

class TPaintCounter final : public QWidget {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

class BlockingListingTest : public cctest::TPageTest {
 protected:
  void TearDown() override {
    vy::SetVyBlockingRunner(nullptr);
    TPageTest::TearDown();
  }

  // What happened while the VOB list was filled: zero-timer shots, those of
  // them under the busy cursor, and paints of a window asking at each shot.
  struct TSeen {
    QStringList items;
    int ticks = 0, busyTicks = 0, paints = 0;
    bool restored = false;  // the cursor once done
  };
  TSeen DropVobList(vy::TVyBlockingRunner runner) {
    vy::SetVyBlockingRunner(std::move(runner));
    clearcase::TClearCaseSetActivityAction action;
    auto page = Open<TClearCaseActivitySelectorFrame>(action);
    TPaintCounter probe;
    probe.resize(40, 40);
    probe.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&probe));
    QApplication::processEvents();

    TSeen seen;
    const int paintsBefore = probe.paints;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      ++seen.ticks;
      const QCursor* cursor = QApplication::overrideCursor();
      if (cursor && cursor->shape() == Qt::WaitCursor) ++seen.busyTicks;
      probe.update();
    });
    timer.start(0);
    seen.items = cctest::DropDown(Find<QComboBox>(page.get(), "txtVOBSelector"));
    seen.paints = probe.paints - paintsBefore;  // before this thread's own loop runs again
    seen.restored = QApplication::overrideCursor() == nullptr;
    return seen;
  }
};

TEST_F(BlockingListingTest, TheWindowPaintsUnderTheBusyCursorWhileCleartoolIsSlow) {
  UseStandIn("demo");
  // The real busy cursor.
  vy::gui::InstallDesktopServices();
  vytest::TScopedEnv slow("CLEARTOOL_SIM_FAULT", "slow:300");
  const TSeen headless = DropVobList(nullptr);
  const TSeen desktop = DropVobList(vy::gui::RunBlockingWhilePainting);

  ASSERT_FALSE(headless.items.isEmpty());
  EXPECT_EQ(desktop.items, headless.items);
  EXPECT_EQ(headless.ticks, 0);
  EXPECT_GT(desktop.ticks, 0);
  EXPECT_EQ(desktop.busyTicks, desktop.ticks);
  EXPECT_GT(desktop.paints, 0);
  EXPECT_TRUE(headless.restored && desktop.restored);
}

TEST_F(BlockingListingTest, AFailingWorkReachesItsCaller) {
  vy::SetVyBlockingRunner(vy::gui::RunBlockingWhilePainting);
  bool ranElsewhere = false;
  const auto caller = std::this_thread::get_id();
  EXPECT_THROW(vy::VyRunBlocking([&] {
                 ranElsewhere = std::this_thread::get_id() != caller;
                 throw std::runtime_error("lost");
               }),
               std::runtime_error);
  EXPECT_TRUE(ranElsewhere);
}

}  // namespace
