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
#include "user_input.h"
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
