// The main window's editing rules: order, copies, enabling, descriptions,
// variables and unsaved changes.

#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "designer_fixture.h"
#include "main_window.h"
#include "test_support.h"
#include "vycore/services.h"

namespace designer_test {
namespace {

using designer::TMainWindow;

class MainWindowTest : public TDesignerTest {
 protected:
  void SetUp() override {
    window = std::make_unique<TMainWindow>(Host());
    window->show();
    for (const char* type : {"CC_CHECKOUT", "CC_CHECKIN", "CC_LABEL"}) {
      window->SetCurrentIndex(window->Document().Count() - 1);
      ASSERT_GE(window->AddActionOfType(type), 0) << type;
    }
  }
  void TearDown() override {
    window->SetSaveQuestion([] { return QMessageBox::Discard; });
    window->close();
  }

  std::vector<std::string> Types() const {
    std::vector<std::string> types;
    for (int i = 0; i < window->Document().Count(); ++i)
      types.push_back(window->Document().At(i).typeId);
    return types;
  }

  std::unique_ptr<TMainWindow> window;
};

TEST_F(MainWindowTest, ReordersDeletesAndSelectsAsTheUserExpects) {
  struct Case {
    const char* name;
    int current;
    void (TMainWindow::*command)();
    std::vector<std::string> types;
    int selected;  // afterwards
  };
  const Case cases[] = {
      {"up from the top", 0, &TMainWindow::MoveUp, {"CC_CHECKOUT", "CC_CHECKIN", "CC_LABEL"}, 0},
      {"down from the middle",
       1,
       &TMainWindow::MoveDown,
       {"CC_CHECKOUT", "CC_LABEL", "CC_CHECKIN"},
       2},
      {"down from the bottom",
       2,
       &TMainWindow::MoveDown,
       {"CC_CHECKOUT", "CC_CHECKIN", "CC_LABEL"},
       2},
      {"delete the last", 2, &TMainWindow::DeleteAction, {"CC_CHECKOUT", "CC_CHECKIN"}, 1},
      {"delete the first", 0, &TMainWindow::DeleteAction, {"CC_CHECKIN", "CC_LABEL"}, 0},
      {"duplicate",
       0,
       &TMainWindow::DuplicateAction,
       {"CC_CHECKOUT", "CC_CHECKOUT", "CC_CHECKIN", "CC_LABEL"},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    window->SetCurrentIndex(c.current);
    (window.get()->*c.command)();
    EXPECT_EQ(Types(), c.types);
    EXPECT_EQ(window->CurrentIndex(), c.selected);
    // The list shows the document's order.
    EXPECT_EQ(window->ActionList()->topLevelItem(c.selected)->toolTip(0).toStdString(),
              c.types[static_cast<std::size_t>(c.selected)]);
    TearDown();
  }
}

TEST_F(MainWindowTest, ADuplicateIsAnIndependentCopyOfSettingsDescriptionAndState) {
  vy::TVyProjectAction& original = window->Document().At(0);
  ASSERT_TRUE(vy::SetPropertyText(*original.action, "Comment", "for the release"));
  window->Document().SetDescription(0, "first");
  window->Document().SetEnabled(0, false);
  window->SetCurrentIndex(0);
  window->DuplicateAction();
  const vy::TVyProjectAction& copy = window->Document().At(1);
  EXPECT_EQ(vy::GetPropertyText(*copy.action, "Comment"), "for the release");
  EXPECT_EQ(copy.description, "first");
  EXPECT_FALSE(copy.enabled);
  ASSERT_TRUE(vy::SetPropertyText(*window->Document().At(1).action, "Comment", "changed"));
  EXPECT_EQ(vy::GetPropertyText(*window->Document().At(0).action, "Comment"), "for the release");
}

TEST_F(MainWindowTest, TheListEditsEnablingAndDescriptionsInPlace) {
  QTreeWidgetItem* item = window->ActionList()->topLevelItem(1);
  item->setCheckState(0, Qt::Unchecked);
  EXPECT_FALSE(window->Document().At(1).enabled);
  window->SetCurrentIndex(1);
  window->ToggleEnabled();
  EXPECT_TRUE(window->Document().At(1).enabled);
  EXPECT_EQ(window->ActionList()->topLevelItem(1)->checkState(0), Qt::Checked);
  window->ActionList()->topLevelItem(2)->setText(1, "Label the release");
  EXPECT_EQ(window->Document().At(2).description, "Label the release");
}

TEST_F(MainWindowTest, VariablesFeedThePagesVariableLists) {
  QTableWidget* table = window->VariablesTable();
  QTest::mouseClick(Find<QPushButton>(window.get(), "btnAddVariable"), Qt::LeftButton);
  table->item(0, 0)->setText("RELEASE");
  table->item(0, 1)->setText("1.2");
  QTest::mouseClick(Find<QPushButton>(window.get(), "btnAddVariable"), Qt::LeftButton);
  table->item(1, 0)->setText("BUILD");
  const std::vector<std::pair<std::string, std::string>> expected{{"RELEASE", "1.2"},
                                                                  {"BUILD", ""}};
  EXPECT_EQ(window->Document().Variables(), expected);
  vy::TStringList names;
  vy::VyDesignApplicationServices().GetVariableNames(names, false);
  EXPECT_EQ(names, (vy::TStringList{"BUILD", "RELEASE"}));
  table->setCurrentCell(0, 0);
  QTest::mouseClick(Find<QPushButton>(window.get(), "btnRemoveVariable"), Qt::LeftButton);
  vy::VyDesignApplicationServices().GetVariableNames(names, false);
  EXPECT_EQ(names, vy::TStringList{"BUILD"});
}

TEST_F(MainWindowTest, ClosingWithUnsavedChangesAsksFirst) {
  vytest::TTempDir folder;
  const std::string path = folder.File("asked.vantry.xml");
  struct Case {
    QMessageBox::StandardButton answer;
    bool closes;
    bool saved;
  };
  for (const Case& c :
       {Case{QMessageBox::Cancel, false, false}, Case{QMessageBox::Discard, true, false},
        Case{QMessageBox::Save, true, true}}) {
    SCOPED_TRACE(c.answer);
    SetUp();
    window->Document().Save(nullptr, path);
    std::remove(path.c_str());
    window->Document().SetModified();
    int asked = 0;
    window->SetSaveQuestion([&] {
      ++asked;
      return c.answer;
    });
    EXPECT_EQ(window->close(), c.closes);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(std::filesystem::exists(path), c.saved);
  }
  window->Document().Save(nullptr);
  int asked = 0;
  window->SetSaveQuestion([&] { return ++asked, QMessageBox::Cancel; });
  EXPECT_TRUE(window->close());  // nothing unsaved: nothing asked
  EXPECT_EQ(asked, 0);
}

}  // namespace
}  // namespace designer_test
