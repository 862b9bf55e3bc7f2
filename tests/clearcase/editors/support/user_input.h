#pragma once
// What a user does on a page beyond plain typing: clicking a check or radio
// button, dropping a list down, answering the dialog the page opens.

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

// A check or radio button reacts to clicks on its box and caption only; the
// middle of a button stretched by its layout may be neither.
inline void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Replaces the text of an editable combo box by typing.
inline void Type(QComboBox* box, const char* text) {
  box->lineEdit()->clear();
  QTest::keyClicks(box->lineEdit(), QString::fromLatin1(text));
}

// Drops the list down (the page fills it then) and returns what it lists.
inline QStringList DropDown(QComboBox* box) {
  box->showPopup();
  box->hidePopup();
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

// Runs `answer` on the dialog of type Dialog that is about to open, from
// inside its own loop: the newest modal dialog, so a dialog already open
// (a property dialog, say) is passed over. A dialog left open is rejected so
// that a failing test cannot hang.
template <class Dialog = QDialog>
void AnswerNextDialog(std::function<void(Dialog&)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " shown";
      return;
    }
    answer(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
}

}  // namespace cctest
