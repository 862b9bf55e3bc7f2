// A listing that keeps cleartool busy for a while: with the designer's runner
// the window keeps painting and timers keep firing under the busy cursor;
// without it (the headless answer) nothing happens until cleartool is done.
// The names listed are the same either way.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <stdexcept>
#include <thread>

#include "clearcase/actions/ucm/activity_actions.h"
#include "clearcase/editors/shared/activity_selector_frame.h"
#include "page_fixture.h"
#include "test_support.h"
#include "vycore/gui/desktop_services.h"
#include "vycore/services.h"

namespace {

using clearcase::editors::TClearCaseActivitySelectorFrame;

class TPaintCounter final : public QWidget {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

struct TSeen {
  QStringList items;
  int ticks = 0;      // zero-timer shots while the listing ran
  int paints = 0;     // paint events while the listing ran
  int busyTicks = 0;  // of the ticks, those that saw the busy cursor
  bool restored = false;
};

class BlockingListingTest : public cctest::TPageTest {
 protected:
  void TearDown() override {
    vy::SetVyBlockingRunner(nullptr);
    TPageTest::TearDown();
  }

  TSeen DropVobList() {
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
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      ++seen.ticks;
      const QCursor* cursor = QApplication::overrideCursor();
      if (cursor && cursor->shape() == Qt::WaitCursor) ++seen.busyTicks;
      probe.update();
    });
    timer.start();
    auto* box = Find<QComboBox>(page.get(), "txtVOBSelector");
    box->showPopup();
    // Counted before this thread's own loop runs again.
    seen.paints = probe.paints - paintsBefore;
    timer.stop();
    box->hidePopup();
    for (int i = 0; i < box->count(); ++i) seen.items << box->itemText(i);
    seen.restored = QApplication::overrideCursor() == nullptr;
    return seen;
  }
};

TEST_F(BlockingListingTest, TheWindowPaintsUnderTheBusyCursorWhileCleartoolIsSlow) {
  UseStandIn("demo");
  // The real busy cursor, not the fixture's counting double.
  vy::gui::InstallDesktopServices();
  vytest::TScopedEnv slow("CLEARTOOL_SIM_FAULT", "slow:300");

  vy::SetVyBlockingRunner(nullptr);
  const TSeen headless = DropVobList();
  vy::SetVyBlockingRunner(vy::gui::RunBlockingWhilePainting);
  const TSeen desktop = DropVobList();

  ASSERT_FALSE(headless.items.isEmpty());
  EXPECT_EQ(desktop.items, headless.items);
  EXPECT_EQ(headless.ticks, 0);
  EXPECT_GT(desktop.ticks, 0);
  EXPECT_EQ(desktop.busyTicks, desktop.ticks);
  EXPECT_GT(desktop.paints, 0);
  EXPECT_TRUE(headless.restored);
  EXPECT_TRUE(desktop.restored);
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
