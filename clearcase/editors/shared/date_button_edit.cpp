#include "clearcase/editors/shared/date_button_edit.h"

#include <QCalendarWidget>
#include <QDate>
#include <QDialog>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QTime>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <cmath>

namespace clearcase::editors {

namespace {

constexpr double kSecondsPerDay = 86400.0;

// Day 0 of a date-time value.
QDate DayZero() {
  return QDate(1899, 12, 30);
}

// The keyword an item stands for: its caption without the accelerator mark,
// in lower case, which is how cleartool spells it.
QString Keyword(const QAction* action) {
  QString text = action->text();
  text.remove(QLatin1Char('&'));
  return text.toLower();
}

// The date part of a text that a chosen time is joined to: the text before
// the first ".", or a whole text that holds no time; "now" already holds
// one.
QString DatePartOf(const QString& text) {
  const qsizetype dot = text.indexOf(QLatin1Char('.'));
  if (dot >= 0) return text.left(dot);
  if (text.contains(QLatin1Char(':')) || text == QLatin1String("now")) return {};
  return text;
}

// A drop-down that closes when the user clicks elsewhere, owned by the box
// and gone once closed.
QDialog* MakePopup(QWidget* owner, const char* name) {
  auto* popup = new QDialog(owner, Qt::Popup);
  popup->setObjectName(QString::fromLatin1(name));
  popup->setAttribute(Qt::WA_DeleteOnClose);
  return popup;
}

}  // namespace

TClearCaseDateButtonEdit::TClearCaseDateButtonEdit(QWidget* parent)
    : QWidget(parent),
      edit_(new QLineEdit(this)),
      button_(new QToolButton(this)),
      menu_(new QMenu(this)) {
  edit_->setObjectName(QStringLiteral("txtEdit"));
  button_->setObjectName(QStringLiteral("btnDropDown"));
  button_->setArrowType(Qt::DownArrow);
  button_->setFocusPolicy(Qt::TabFocus);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  layout->addWidget(edit_, 1);
  layout->addWidget(button_);
  setFocusProxy(edit_);

  for (const char* caption : {"&Now", "&Today", "&Yesterday"}) {
    QAction* item = menu_->addAction(tr(caption));
    connect(item, &QAction::triggered, this, [this, item] { edit_->setText(Keyword(item)); });
  }
  menu_->addSeparator();
  QMenu* days = menu_->addMenu(tr("Day of &Week"));
  days->setObjectName(QStringLiteral("mnuDayOfWeek"));
  for (const char* caption :
       {"&Monday", "T&uesday", "&Wednesday", "T&hursday", "&Friday", "&Saturday", "Su&nday"}) {
    QAction* item = days->addAction(tr(caption));
    connect(item, &QAction::triggered, this, [this, item] { edit_->setText(Keyword(item)); });
  }
  menu_->addSeparator();
  connect(menu_->addAction(tr("Choose &Date...")), &QAction::triggered, this,
          &TClearCaseDateButtonEdit::ChooseDate);
  connect(menu_->addAction(tr("Choose T&ime...")), &QAction::triggered, this,
          &TClearCaseDateButtonEdit::ChooseTime);

  connect(button_, &QToolButton::clicked, this, &TClearCaseDateButtonEdit::DropDown);
  connect(edit_, &QLineEdit::textChanged, this, &TClearCaseDateButtonEdit::DateStringChanged);
}

void TClearCaseDateButtonEdit::SetShowButton(bool show) {
  showButton_ = show;
  button_->setVisible(show);
}

void TClearCaseDateButtonEdit::SetEnabled(bool enabled) {
  setEnabled(enabled);
  edit_->setEnabled(enabled);
}

QString TClearCaseDateButtonEdit::DateTimeStampText(double value) {
  const double days = std::trunc(value);
  const double fraction = value - days;
  QString date;
  if (days > 0) {
    const QDate day = DayZero().addDays(static_cast<qint64>(days));
    date = QStringLiteral("%1-%2-%3")
               .arg(day.day(), 2, 10, QLatin1Char('0'))
               .arg(QLocale().monthName(day.month(), QLocale::ShortFormat))
               .arg(day.year() % 100, 2, 10, QLatin1Char('0'));
  }
  QString time;
  long seconds = std::lround(fraction * kSecondsPerDay);
  if (seconds >= static_cast<long>(kSecondsPerDay)) seconds = static_cast<long>(kSecondsPerDay) - 1;
  if (seconds > 0) {
    time = QStringLiteral("%1:%2:%3")
               .arg(seconds / 3600)
               .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
               .arg(seconds % 60, 2, 10, QLatin1Char('0'));
  }
  if (date.isEmpty()) return time;
  if (time.isEmpty()) return date;
  return date + QLatin1Char('.') + time;
}

double TClearCaseDateButtonEdit::DateTimeStamp(const QDate& date) {
  return static_cast<double>(DayZero().daysTo(date));
}

double TClearCaseDateButtonEdit::DateTimeStamp(const QTime& time) {
  return time.msecsSinceStartOfDay() / 1000.0 / kSecondsPerDay;
}

void TClearCaseDateButtonEdit::SetDateTimeStamp(double value) {
  edit_->setText(DateTimeStampText(value));
}

QPoint TClearCaseDateButtonEdit::BelowBox() const {
  return edit_->mapToGlobal(QPoint(0, edit_->height()));
}

void TClearCaseDateButtonEdit::DropDown() {
  const int left = button_->mapToGlobal(QPoint(0, 0)).x();
  menu_->popup(QPoint(left, BelowBox().y()));
}

void TClearCaseDateButtonEdit::ChooseDate() {
  QDialog* popup = MakePopup(this, "dlgCalendar");
  auto* calendar = new QCalendarWidget(popup);
  calendar->setObjectName(QStringLiteral("calDate"));
  auto* layout = new QVBoxLayout(popup);
  layout->setContentsMargins(1, 1, 1, 1);
  layout->addWidget(calendar);
  const auto accept = [this, popup](QDate day) {
    SetDateTimeStamp(DateTimeStamp(day));
    popup->close();
  };
  connect(calendar, &QCalendarWidget::clicked, popup, accept);
  connect(calendar, &QCalendarWidget::activated, popup, accept);
  popup->move(BelowBox());
  popup->show();
  calendar->setFocus();
}

void TClearCaseDateButtonEdit::ChooseTime() {
  const QString datePart = DatePartOf(edit_->text());
  QDialog* popup = MakePopup(this, "dlgTime");
  auto* picker = new QTimeEdit(popup);
  picker->setObjectName(QStringLiteral("timePicker"));
  picker->setDisplayFormat(QStringLiteral("H:mm:ss"));
  const QTime now = QTime::currentTime();
  picker->setTime(QTime(now.hour(), now.minute()));
  auto* ok = new QPushButton(tr("OK"), popup);
  ok->setObjectName(QStringLiteral("btnTimeOK"));
  ok->setDefault(true);
  auto* layout = new QHBoxLayout(popup);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(picker);
  layout->addWidget(ok);
  connect(ok, &QPushButton::clicked, popup, &QDialog::accept);
  connect(popup, &QDialog::accepted, this, [this, picker, datePart] {
    const QString time = DateTimeStampText(DateTimeStamp(picker->time()));
    if (datePart.isEmpty()) {
      edit_->setText(time);
    } else if (time.isEmpty()) {
      // Midnight has no time text; the day alone says as much.
      edit_->setText(datePart);
    } else {
      edit_->setText(datePart + QLatin1Char('.') + time);
    }
  });
  popup->move(BelowBox());
  popup->show();
  picker->setFocus();
}

}  // namespace clearcase::editors
