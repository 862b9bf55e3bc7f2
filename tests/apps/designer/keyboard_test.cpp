// The main window without a mouse: the list's keys add, open, reorder and
// delete actions.

#include <QTest>
#include <QTreeWidget>

#include "catalogue_dialog.h"
#include "designer_fixture.h"
#include "main_window.h"
#include "property_dialog.h"

namespace designer_test {
namespace {

TEST_F(TDesignerTest, TheActionListWorksFromTheKeyboard) {
  designer::TMainWindow window(Host());
  window.SetSaveQuestion([] { return QMessageBox::Discard; });
  window.show();
  QTreeWidget* list = window.ActionList();
  // Offscreen, a closing dialog hands the activation back to no one.
  const auto focusList = [&] {
    QApplication::setActiveWindow(&window);
    list->setFocus();
    return QApplication::focusWidget() == list;
  };

  for (const char* type : {"CC_CHECKOUT", "CC_LABEL"}) {
    ASSERT_TRUE(focusList());
    QTest::keyClick(list, Qt::Key_Insert);
    auto* catalogue = window.findChild<designer::TCatalogueDialog*>();
    ASSERT_NE(catalogue, nullptr);
    ASSERT_TRUE(catalogue->SelectType(type));
    QTest::keyClick(catalogue->Tree(), Qt::Key_Return);
    ASSERT_TRUE(WaitFor(
        [&] { return window.findChild<designer::TCatalogueDialog*>() == nullptr; }));  // closed
  }
  ASSERT_EQ(window.Document().Count(), 2);
  EXPECT_EQ(window.CurrentIndex(), 1);  // the new action follows the current one

  ASSERT_TRUE(focusList());
  QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(window.Document().At(0).typeId, "CC_LABEL");
  EXPECT_EQ(window.CurrentIndex(), 0);

  QTest::keyClick(list, Qt::Key_Return);
  auto* dialog = window.findChild<designer::TPropertyDialog*>();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), "ClearCase Apply Label Properties");
  QTest::keyClick(dialog, Qt::Key_Escape);
  ASSERT_TRUE(WaitFor([&] { return window.findChild<designer::TPropertyDialog*>() == nullptr; }));

  ASSERT_TRUE(focusList());
  QTest::keyClick(list, Qt::Key_Delete);
  ASSERT_EQ(window.Document().Count(), 1);
  EXPECT_EQ(window.Document().At(0).typeId, "CC_CHECKOUT");
}

}  // namespace
}  // namespace designer_test
