#pragma once
// A one-line box for a cleartool date-time value ("today", "04-Dec-08",
// "14:05:00", "yesterday.9:30:00", ...), with a drop-down button whose menu
// offers the keywords, the day names, a calendar and a time picker. The text
// is what the action stores: the box never checks or reformats what the user
// typed.

#include <QLineEdit>
#include <QMenu>
#include <QString>
#include <QToolButton>
#include <QWidget>

namespace clearcase::editors {

class TClearCaseDateButtonEdit : public QWidget {
  Q_OBJECT

 public:
  explicit TClearCaseDateButtonEdit(QWidget* parent = nullptr);

  QString DateString() const { return edit_->text(); }
  void SetDateString(const QString& text) { edit_->setText(text); }

  bool ShowButton() const { return showButton_; }
  void SetShowButton(bool show);

  // The panel and its box together.
  void SetEnabled(bool enabled);

  // Puts a date-time value (days since 30 December 1899 in the integer part,
  // the time of day in the fraction) into the box.
  void SetDateTimeStamp(double value);
  // The text SetDateTimeStamp puts into the box: "dd-mmm-yy", "h:nn:ss", both
  // joined by "." or nothing; a part equal to zero counts as absent.
  static QString DateTimeStampText(double value);
  // The date-time value of a day and a time of day.
  static double DateTimeStamp(const QDate& date);
  static double DateTimeStamp(const QTime& time);

  QLineEdit* Edit() const { return edit_; }
  QToolButton* Button() const { return button_; }
  QMenu* Menu() const { return menu_; }

 signals:
  void DateStringChanged(const QString& text);

 private:
  void DropDown();
  void ChooseDate();
  void ChooseTime();
  QPoint BelowBox() const;

  QLineEdit* edit_;
  QToolButton* button_;
  QMenu* menu_;
  bool showButton_ = true;
};

}  // namespace clearcase::editors
