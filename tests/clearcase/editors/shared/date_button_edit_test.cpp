#include "clearcase/editors/shared/date_button_edit.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>

namespace {

using clearcase::editors::TClearCaseDateButtonEdit;

class DateButtonEditTest : public testing::Test {
 protected:
  void SetUp() override {
    // Month names follow the locale; the C locale's are English.
    QLocale::setDefault(QLocale::c());
    box_.resize(200, 24);
    box_.show();
  }

  // Chooses a menu item by its caption as shown (without "&").
  void Choose(const QString& caption) {
    for (QAction* action : box_.findChildren<QAction*>()) {
      if (action->text().remove(u'&') == caption) return action->trigger();
    }
    ADD_FAILURE() << "no menu item " << caption.toStdString();
  }

  void PickTime(const QString& text, QTime time) {
    box_.SetDateString(text);
    Choose("Choose Time...");
    // One picker at a time: each is gone once closed.
    ASSERT_EQ(box_.findChildren<QTimeEdit*>("timePicker").size(), 1);
    box_.findChild<QTimeEdit*>("timePicker")->setTime(time);
    QTest::mouseClick(box_.findChild<QPushButton*>("btnTimeOK"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  TClearCaseDateButtonEdit box_;
};

TEST_F(DateButtonEditTest, FormatsDayCountsAndFractions) {
  const struct {
    double value;
    const char* text;
  } rows[] = {
      {0.0, ""},
      {-3.25, ""},  // before day 0: neither part counts
      {39786.0, "04-Dec-08"},
      {36530.0, "05-Jan-00"},
      {39786.0 + (14 * 3600 + 5 * 60) / 86400.0, "04-Dec-08.14:05:00"},
      {(9 * 3600 + 30 * 60 + 7) / 86400.0, "9:30:07"},
      {0.999999999, "23:59:59"},  // rounding never reaches the next day
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.value);
    box_.SetDateTimeStamp(row.value);
    EXPECT_EQ(box_.DateString().toStdString(), row.text);
  }
  EXPECT_EQ(TClearCaseDateButtonEdit::DateTimeStamp(QDate(2008, 12, 4)), 39786.0);
}

TEST_F(DateButtonEditTest, TheButtonDropsTheMenuBelowTheBoxAtTheButton) {
  QTest::mouseClick(box_.Button(), Qt::LeftButton);
  ASSERT_TRUE(box_.Menu()->isVisible());
  const QPoint topLeft = box_.Menu()->geometry().topLeft();
  EXPECT_EQ(topLeft.x(), box_.Button()->mapToGlobal(QPoint(0, 0)).x());
  EXPECT_EQ(topLeft.y(), box_.Edit()->mapToGlobal(QPoint(0, box_.Edit()->height())).y());
  box_.Menu()->close();
}

TEST_F(DateButtonEditTest, KeywordItemsReplaceTheTextWithTheirLowerCaseName) {
  // One item of the day words and one of the week days.
  for (const char* caption : {"Yesterday", "Sunday"}) {
    box_.SetDateString("04-Dec-08.9:30:00");
    Choose(caption);
    EXPECT_EQ(box_.DateString(), QString::fromLatin1(caption).toLower());
  }
}

TEST_F(DateButtonEditTest, ChosenTimeKeepsTheDatePartOfTheText) {
  const struct {
    const char* before;
    const char* after;
  } rows[] = {
      {"today", "today.14:05:00"},
      {"04-Dec-08.9:30:00", "04-Dec-08.14:05:00"},
      {"now", "14:05:00"},      // holds a time of its own
      {"9:30:00", "14:05:00"},  // a bare time is replaced
      {"", "14:05:00"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.before);
    PickTime(row.before, QTime(14, 5));
    EXPECT_EQ(box_.DateString().toStdString(), row.after);
  }
  PickTime("today", QTime(0, 0));
  EXPECT_EQ(box_.DateString(), "today");
}

TEST_F(DateButtonEditTest, ChosenDateReplacesTheWholeText) {
  box_.SetDateString("today.9:30:00");
  Choose("Choose Date...");
  auto* calendar = box_.findChild<QCalendarWidget*>("calDate");
  ASSERT_NE(calendar, nullptr);
  calendar->setSelectedDate(QDate(2008, 12, 4));
  QTest::keyClick(calendar->findChild<QAbstractItemView*>(), Qt::Key_Return);
  EXPECT_EQ(box_.DateString(), "04-Dec-08");
}

TEST_F(DateButtonEditTest, DismissedPickersChangeNothing) {
  for (const char* item : {"Choose Date...", "Choose Time..."}) {
    box_.SetDateString("yesterday");
    Choose(item);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << item;
    QTest::keyClick(popup, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(box_.DateString(), "yesterday") << item;
  }
}

}  // namespace
