#pragma once
// What a user does on the UCM pages: typing, dropping a list down, clicking,
// answering the selector form.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

namespace cctest {

// Types text into a multi-line box; each "\n" is the Enter key.
inline void TypeLines(QWidget* box, const QString& text) {
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i > 0) QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, lines[i]);
  }
}

// Replaces the text of an editable combo box by typing.
inline void Type(QComboBox* box, const char* text) {
  box->lineEdit()->clear();
  QTest::keyClicks(box->lineEdit(), QString::fromLatin1(text));
}

inline void DropDown(QComboBox* box) {
  box->showPopup();
  box->hidePopup();
}

// On the box and caption: the middle of a button stretched by its layout
// may be neither.
inline void ClickButton(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Runs `answer` on the dialog of type Dialog the page is about to show, from
// inside the dialog's own loop; a dialog left open is rejected so that a
// failing test cannot hang.
template <class Dialog>
void AnswerNextDialog(std::function<void(Dialog&)> answer) {
  QTimer::singleShot(0, [answer] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<Dialog*>(window);
      if (dialog == nullptr || !dialog->isVisible()) continue;
      answer(*dialog);
      if (dialog->isVisible()) dialog->reject();
      return;
    }
    ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " shown";
  });
}

}  // namespace cctest
