#pragma once
// What a user does on a page beyond typing: clicking a check or radio
// button, answering the dialog the page opens.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

namespace cctest {

// A check or radio button reacts to clicks on its box and caption only; the
// middle of a button stretched by its layout may be neither.
inline void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Runs `answer` on the next dialog of type Dialog once it is shown. The
// answer accepts or rejects it; a dialog left open is rejected so that a
// failing test cannot hang in the dialog's loop.
template <class Dialog>
void WhenDialogOpens(std::function<void(Dialog&)> answer) {
  QTimer::singleShot(0, [answer] {
    Dialog* dialog = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* candidate = qobject_cast<Dialog*>(window);
      if (candidate != nullptr && candidate->isVisible()) dialog = candidate;
    }
    if (dialog == nullptr) {
      ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " opened";
      return;
    }
    answer(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
}

}  // namespace cctest
