// The main window's editing rules: order, copies, enabling, variables,
// unsaved changes and the action list's keys.

#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "catalogue_dialog.h"
#include "designer_fixture.h"
#include "main_window.h"
#include "property_dialog.h"
#include "test_support.h"
#include "vycore/services.h"

namespace designer_test {
namespace {

using designer::TMainWindow;

class MainWindowTest : public TDesignerTest {
 protected:
  void SetUp() override {
    window_ = std::make_unique<TMainWindow>(Host());
    window_->show();
    for (const char* type : {"CC_CHECKOUT", "CC_CHECKIN", "CC_LABEL"}) {
      window_->SetCurrentIndex(window_->Document().Count() - 1);
      ASSERT_GE(window_->AddActionOfType(type), 0) << type;
    }
  }

  std::vector<std::string> Types() const {
    std::vector<std::string> types;
    for (int i = 0; i < window_->Document().Count(); ++i)
      types.push_back(window_->Document().At(i).typeId);
    return types;
  }

  std::unique_ptr<TMainWindow> window_;
};

TEST_F(MainWindowTest, ADuplicateIsAnIndependentCopyOfSettingsDescriptionAndState) {
  ASSERT_TRUE(vy::SetPropertyText(*window_->Document().At(0).action, "Comment", "for the release"));
  window_->Document().SetDescription(0, "first");
  window_->ActionList()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);  // disables it
  window_->SetCurrentIndex(0);
  window_->DuplicateAction();
  EXPECT_EQ(Types(),
            (std::vector<std::string>{"CC_CHECKOUT", "CC_CHECKOUT", "CC_CHECKIN", "CC_LABEL"}));
  EXPECT_EQ(window_->CurrentIndex(), 1);
  const vy::TVyProjectAction& copy = window_->Document().At(1);
  EXPECT_EQ(vy::GetPropertyText(*copy.action, "Comment"), "for the release");
  EXPECT_EQ(copy.description, "first");
  EXPECT_FALSE(copy.enabled);
  window_->ToggleEnabled();
  EXPECT_EQ(window_->ActionList()->topLevelItem(1)->checkState(0), Qt::Checked);
  EXPECT_FALSE(window_->Document().At(0).enabled);
  ASSERT_TRUE(vy::SetPropertyText(*copy.action, "Comment", "changed"));
  EXPECT_EQ(vy::GetPropertyText(*window_->Document().At(0).action, "Comment"), "for the release");
}

TEST_F(MainWindowTest, TheVariablesTableIsWhatThePagesList) {
  QTableWidget* table = window_->VariablesTable();
  for (const char* name : {"RELEASE", "BUILD"}) {
    QTest::mouseClick(Find<QPushButton>(window_.get(), "btnAddVariable"), Qt::LeftButton);
    table->item(table->rowCount() - 1, 0)->setText(name);
  }
  table->setCurrentCell(0, 0);
  QTest::mouseClick(Find<QPushButton>(window_.get(), "btnRemoveVariable"), Qt::LeftButton);
  vy::TStringList names;
  vy::VyDesignApplicationServices().GetVariableNames(names, false);
  EXPECT_EQ(names, vy::TStringList{"BUILD"});
}

TEST_F(MainWindowTest, ClosingWithUnsavedChangesAsksFirst) {
  vytest::TTempDir folder;
  const std::string path = folder.File("asked.vantry.xml");
  struct Case {
    bool modified;
    QMessageBox::StandardButton answer;
    bool closes;
  };
  for (const Case& c :
       {Case{true, QMessageBox::Cancel, false}, Case{true, QMessageBox::Discard, true},
        Case{true, QMessageBox::Save, true}, Case{false, QMessageBox::Cancel, true}}) {
    SCOPED_TRACE(c.answer);
    SetUp();
    window_->Document().Save(nullptr, path);
    std::remove(path.c_str());
    if (c.modified) window_->Document().SetModified();
    int asked = 0;
    window_->SetSaveQuestion([&] { return ++asked, c.answer; });
    EXPECT_EQ(window_->close(), c.closes);
    EXPECT_EQ(asked, c.modified ? 1 : 0);
    EXPECT_EQ(std::filesystem::exists(path), c.answer == QMessageBox::Save);
  }
}

// Moves stop at either end; a deleted action's place goes to the next, or
// to the new last one.
TEST_F(MainWindowTest, TheActionListWorksFromTheKeyboard) {
  QTreeWidget* list = window_->ActionList();
  // Offscreen, a closing dialog hands the activation back to no one.
  const auto focusList = [&] {
    QApplication::setActiveWindow(window_.get());
    list->setFocus();
    return QApplication::focusWidget() == list;
  };
  const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers,
                         std::vector<std::string> types, int current) {
    ASSERT_TRUE(focusList());
    QTest::keyClick(list, key, modifiers);
    EXPECT_EQ(Types(), types);
    EXPECT_EQ(window_->CurrentIndex(), current);
  };
  window_->SetCurrentIndex(0);
  ASSERT_TRUE(focusList());
  QTest::keyClick(list, Qt::Key_Insert);
  auto* catalogue = window_->findChild<designer::TCatalogueDialog*>();
  ASSERT_NE(catalogue, nullptr);
  ASSERT_TRUE(catalogue->SelectType("CC_LABEL"));
  QTest::keyClick(catalogue->Tree(), Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window_->findChild<designer::TCatalogueDialog*>(); }));
  EXPECT_EQ(window_->CurrentIndex(), 1);  // the new action follows the current one

  press(Qt::Key_Up, Qt::ControlModifier, {"CC_LABEL", "CC_CHECKOUT", "CC_CHECKIN", "CC_LABEL"}, 0);
  press(Qt::Key_Up, Qt::ControlModifier, {"CC_LABEL", "CC_CHECKOUT", "CC_CHECKIN", "CC_LABEL"}, 0);
  QTest::keyClick(list, Qt::Key_Return);
  auto* dialog = window_->findChild<designer::TPropertyDialog*>();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), "ClearCase Apply Label Properties");
  QTest::keyClick(dialog, Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window_->findChild<designer::TPropertyDialog*>(); }));
  press(Qt::Key_Down, Qt::ControlModifier, {"CC_CHECKOUT", "CC_LABEL", "CC_CHECKIN", "CC_LABEL"},
        1);
  press(Qt::Key_Delete, {}, {"CC_CHECKOUT", "CC_CHECKIN", "CC_LABEL"}, 1);
  window_->SetCurrentIndex(2);
  press(Qt::Key_Down, Qt::ControlModifier, {"CC_CHECKOUT", "CC_CHECKIN", "CC_LABEL"}, 2);
  press(Qt::Key_Delete, {}, {"CC_CHECKOUT", "CC_CHECKIN"}, 1);
  for (int i = 0; i < 2; ++i)  // the list shows the document's order
    EXPECT_EQ(list->topLevelItem(i)->toolTip(0).toStdString(), Types()[static_cast<size_t>(i)]);
}

}  // namespace
}  // namespace designer_test
