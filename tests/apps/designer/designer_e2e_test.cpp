// What a build engineer does on a fresh machine: set the options, create a
// project, add actions, edit them on their pages, save, reopen, run it
// against the cleartool stand-in, read the log, and stop a slow run.
// Offscreen, through the designer's own windows.

#include <gmock/gmock.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "catalogue_dialog.h"
#include "designer_fixture.h"
#include "main_window.h"
#include "options_dialog.h"
#include "property_dialog.h"
#include "run_panel.h"
#include "test_support.h"
#include "user_input.h"
#include "vycore/gui/action_page.h"

namespace designer_test {
namespace {

using ::testing::HasSubstr;

// Types into the line edit of a path edit or an editable combo box.
void Type(QWidget* control, const QString& text) {
  auto* edit = control->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr) << control->objectName().toStdString();
  edit->clear();
  QTest::keyClicks(edit, text);
}

// The options through the options page, as a user sets them.
void SetOptions(designer::TMainWindow& window) {
  designer::TOptionsDialog* dialog = window.ShowOptions();
  ASSERT_EQ(dialog->PageCount(), 1) << "the ClearCase options page is not registered";
  vy::gui::TVyOptionsPage* page = dialog->Page(0);
  EXPECT_EQ(page->GetPageName(), "ClearCase Options");
  Type(Find<QWidget>(page, "editCleartoolPath"), CLEARTOOL_EXE);
  Type(Find<QWidget>(page, "editDefaultView"), QString::fromStdString(ViewPath()));
  QTest::mouseClick(Find<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
  EXPECT_EQ(dialog->SaveError(), "");
}

// Adds a path through "Add" > "Other..." and the path dialog.
void AddOtherPath(vy::gui::TVyActionPage* page, const QString& path) {
  cctest::AnswerNextDialog<QDialog>([path](QDialog& form) {
    Type(Find<QWidget>(&form, "txtExternalPath"), path);
    form.accept();
  });
  Find<QAction>(page, "menuOther")->trigger();
}

// Both types have these pages: path names, extended path names, their own,
// comment.
void EditCheckOut(designer::TPropertyDialog& dialog) {
  AddOtherPath(dialog.Page(0), "src/a.c");
  AddOtherPath(dialog.Page(0), "src/b c.c");
  Type(Find<QWidget>(dialog.Page(1), "txtViewPath"), QString::fromStdString(ViewPath()));
  vy::gui::TVyActionPage* comment = dialog.Page(3);
  QTest::mouseClick(Find<QRadioButton>(comment, "btnComment"), Qt::LeftButton);
  QTest::keyClicks(Find<QPlainTextEdit>(comment, "txtComment"), "Checked out for build %BUILD%");
  EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.PreviewText().contains("\"src/b c.c\""); }))
      << dialog.PreviewText().toStdString();
}

void EditApplyLabel(designer::TPropertyDialog& dialog) {
  AddOtherPath(dialog.Page(0), "src/a.c");
  vy::gui::TVyActionPage* options = dialog.Page(2);
  Type(Find<QWidget>(options, "txtVOBSelector"), "/vobs/src");
  // The page fills the list from the stand-in as it drops down.
  auto* labels = Find<QComboBox>(options, "txtLabelName");
  const QStringList offered = cctest::DropDown(labels);
  ASSERT_TRUE(offered.contains("NIGHTLY")) << offered.join(", ").toStdString();
  labels->setCurrentIndex(static_cast<int>(offered.indexOf("NIGHTLY")));
}

// Stand-in processes of this test's world that are still alive.
int LiveStandIns() {
  const std::string marker = "CLEARTOOL_SIM_WORLD=" + SandboxPath("demo.xml") + '\0';
  int alive = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string process = entry.path().string();
    alive += vytest::ReadAll(process + "/comm") == "cleartool\n" &&
             vytest::ReadAll(process + "/stat").find(") Z ") == std::string::npos &&
             vytest::ReadAll(process + "/environ").find(marker) != std::string::npos;
  }
  return alive;
}

TEST_F(TDesignerTest, ANewProjectIsDesignedSavedReopenedRunAndStopped) {
  const std::string project = SandboxPath("designed.vantry.xml");
  {
    designer::TMainWindow window(Host());
    window.show();
    // The runner saves an option while the designer runs: the designer keeps it.
    QProcess runner;
    runner.start(QStringLiteral(VANTRY_EXE), {"options", "set", "DesignTimeout", "7777"});
    ASSERT_TRUE(runner.waitForFinished(20000));
    ASSERT_EQ(runner.exitCode(), 0) << runner.readAllStandardError().toStdString();
    SetOptions(window);
    const std::string options = vytest::ReadAll(SandboxPath("options.xml"));
    EXPECT_THAT(options, HasSubstr(ViewPath()));
    EXPECT_THAT(options, HasSubstr("7777"));

    QTest::mouseClick(Find<QPushButton>(&window, "btnAddVariable"), Qt::LeftButton);
    window.VariablesTable()->item(0, 0)->setText("BUILD");
    window.VariablesTable()->item(0, 1)->setText("42");

    // The label's list comes from the stand-in: the options reached the pages.
    const std::pair<const char*, void (*)(designer::TPropertyDialog&)> steps[] = {
        {"CC_CHECKOUT", EditCheckOut},
        {"CC_LABEL", EditApplyLabel},
    };
    for (const auto& [type, edit] : steps) {
      SCOPED_TRACE(type);
      window.AddAction();
      auto* catalogue = window.findChild<designer::TCatalogueDialog*>();
      ASSERT_NE(catalogue, nullptr);
      ASSERT_TRUE(catalogue->SelectType(type));
      QTest::keyClick(catalogue->Tree(), Qt::Key_Return);
      ASSERT_TRUE(QTest::qWaitFor(
          [&] { return window.findChild<designer::TCatalogueDialog*>() == nullptr; }));
      ASSERT_EQ(window.Document().At(window.CurrentIndex()).typeId, type);
      designer::TPropertyDialog* dialog = window.EditProperties();
      ASSERT_NE(dialog, nullptr);
      edit(*dialog);
      if (HasFatalFailure()) return;
      QTest::mouseClick(Find<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
      EXPECT_EQ(dialog->result(), QDialog::Accepted)
          << dialog->ValidationErrors().join("\n").toStdString();
    }
    window.ActionList()->topLevelItem(0)->setText(1, "Check out the sources");

    ASSERT_TRUE(window.SaveProject(QString::fromStdString(project)));
    EXPECT_FALSE(window.Document().Modified());
  }

  designer::TMainWindow window(Host());
  window.show();
  QString problems;
  ASSERT_TRUE(window.OpenProject(QString::fromStdString(project), &problems, true))
      << problems.toStdString();
  ASSERT_EQ(window.Document().Count(), 2);
  const vy::TVyProjectAction& checkout = window.Document().At(0);
  EXPECT_EQ(checkout.description, "Check out the sources");
  EXPECT_EQ(vy::GetPropertyText(*checkout.action, "PathNameStorageString"),
            "src/a.c\r\nsrc/b c.c\r\n");
  EXPECT_EQ(vy::GetPropertyText(*checkout.action, "Comment"), "Checked out for build %BUILD%");
  EXPECT_EQ(vy::GetPropertyText(*window.Document().At(1).action, "LabelTypeName"), "NIGHTLY");

  window.RunPanel()->SetRunnerPath(VANTRY_EXE);
  ASSERT_TRUE(window.Run());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.RunPanel()->Running(); }, 60000));
  const std::string log = window.RunPanel()->LogText().toStdString();
  EXPECT_EQ(window.RunPanel()->LastExitCode(), 0) << log;
  EXPECT_THAT(log, HasSubstr("Checked out for build 42"));  // the project's variable
  EXPECT_THAT(log, HasSubstr("2 succeeded"));

  vytest::TScopedEnv slow("CLEARTOOL_SIM_FAULT", "checkout=slow:30000");
  ASSERT_TRUE(window.Run());
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return window.RunPanel()->LogText().contains("Command Line: "); }, 20000))
      << window.RunPanel()->LogText().toStdString();
  window.Stop();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.RunPanel()->Running(); }, 10000));
  EXPECT_EQ(Find<QLabel>(&window, "lblRunStatus")->text(), "Stopped.");
  EXPECT_TRUE(QTest::qWaitFor([] { return LiveStandIns() == 0; }, 5000))
      << "the runner left its cleartool running after the stop";
}

}  // namespace
}  // namespace designer_test
