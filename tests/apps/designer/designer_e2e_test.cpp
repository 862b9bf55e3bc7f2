// What a build engineer does on a fresh machine: set the options, create a
// project, add a check out, edit it on its pages, save, reopen, run it
// against the cleartool stand-in and read the log. Offscreen, through the
// designer's own windows.

#include <gmock/gmock.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
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
#include "placeholder_page.h"
#include "property_dialog.h"
#include "run_panel.h"
#include "test_support.h"
#include "user_input.h"
#include "vycore/gui/path_edit.h"
#include "vycore/services.h"

namespace designer_test {
namespace {

using ::testing::HasSubstr;

// The line edit behind a control that is an edit, a path edit or an
// editable combo box.
QLineEdit* EditOf(QWidget* control) {
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit;
  if (auto* path = qobject_cast<vy::gui::TVyPathEdit*>(control)) return path->Edit();
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->lineEdit();
  return nullptr;
}

void Type(QWidget* control, const QString& text) {
  QLineEdit* edit = EditOf(control);
  ASSERT_NE(edit, nullptr) << control->objectName().toStdString();
  edit->clear();
  QTest::keyClicks(edit, text);
}

vy::gui::TVyActionPage* PageNamed(designer::TPropertyDialog& dialog, const QString& name) {
  for (int i = 0; i < dialog.PageCount(); ++i) {
    if (dialog.Page(i)->PageName() == name) return dialog.Page(i);
  }
  return nullptr;
}

// The page of that name, which must be a real page, not a placeholder.
vy::gui::TVyActionPage* RealPage(designer::TPropertyDialog& dialog, const QString& name) {
  vy::gui::TVyActionPage* page = PageNamed(dialog, name);
  EXPECT_NE(page, nullptr) << name.toStdString();
  EXPECT_EQ(qobject_cast<designer::TPlaceholderPage*>(page), nullptr)
      << name.toStdString() << " is not installed";
  return page;
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
  QAction* other = Find<QAction>(page, "menuOther");
  ASSERT_NE(other, nullptr);
  other->trigger();
}

// Drops the list down (the page fills it then, from the stand-in) and picks
// the entry.
void Choose(QComboBox* combo, const QString& entry) {
  ASSERT_NE(combo, nullptr);
  const QStringList offered = cctest::DropDown(combo);
  ASSERT_TRUE(offered.contains(entry))
      << entry.toStdString() << " not among: " << offered.join(", ").toStdString();
  combo->setCurrentIndex(static_cast<int>(offered.indexOf(entry)));
}

void WriteComment(vy::gui::TVyActionPage* comment, const QString& text) {
  QTest::mouseClick(Find<QRadioButton>(comment, "btnComment"), Qt::LeftButton);
  QTest::keyClicks(Find<QPlainTextEdit>(comment, "txtComment"), text);
}

void PressOk(designer::TPropertyDialog& dialog) {
  QTest::mouseClick(Find<QPushButton>(&dialog, "btnOk"), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted)
      << dialog.ValidationErrors().join("\n").toStdString();
}

void EditCheckOut(designer::TPropertyDialog& dialog) {
  vy::gui::TVyActionPage* paths = RealPage(dialog, "Pathnames");
  AddOtherPath(paths, "src/a.c");
  AddOtherPath(paths, "src/b c.c");
  vy::gui::TVyActionPage* extended = RealPage(dialog, "Extended Pathnames");
  Type(Find<QWidget>(extended, "txtViewPath"), QString::fromStdString(ViewPath()));
  EXPECT_TRUE(Find<QRadioButton>(extended, "btnCustomView")->isChecked());
  WriteComment(RealPage(dialog, "Comment"), "Checked out for build %BUILD%");
  EXPECT_TRUE(WaitFor([&] { return dialog.PreviewText().contains("\"src/b c.c\""); }))
      << dialog.PreviewText().toStdString();
  PressOk(dialog);
}

void EditApplyLabel(designer::TPropertyDialog& dialog) {
  AddOtherPath(RealPage(dialog, "Pathnames"), "src/a.c");
  vy::gui::TVyActionPage* options = dialog.Page(2);
  Type(Find<QWidget>(options, "txtVOBSelector"), "/vobs/src");
  Choose(Find<QComboBox>(options, "txtLabelName"), "NIGHTLY");
  PressOk(dialog);
}

void EditSetActivity(designer::TPropertyDialog& dialog) {
  vy::gui::TVyActionPage* activity = RealPage(dialog, "Activity");
  QTest::mouseClick(Find<QRadioButton>(activity, "btnCustomActivity"), Qt::LeftButton);
  // The listed names carry their project VOB already, so the VOB box stays empty.
  Choose(Find<QComboBox>(activity, "txtActivityName"), "feature_login@/vobs/pvob");
  PressOk(dialog);
}

TEST_F(TDesignerTest, ANewProjectIsDesignedSavedReopenedAndRun) {
  const std::string project = SandboxPath("designed.vantry.xml");
  {
    designer::TMainWindow window(Host());
    window.show();
    SetOptions(window);
    EXPECT_THAT(vytest::ReadAll(SandboxPath("options.xml")), HasSubstr(ViewPath()));

    QTest::mouseClick(Find<QPushButton>(&window, "btnAddVariable"), Qt::LeftButton);
    window.VariablesTable()->item(0, 0)->setText("BUILD");
    window.VariablesTable()->item(0, 1)->setText("42");

    // One action of each family: elements, labels, UCM.
    const std::pair<const char*, void (*)(designer::TPropertyDialog&)> steps[] = {
        {"CC_CHECKOUT", EditCheckOut},
        {"CC_LABEL", EditApplyLabel},
        {"UCM_SETACTIVITY", EditSetActivity},
    };
    for (const auto& [type, edit] : steps) {
      SCOPED_TRACE(type);
      window.AddAction();
      auto* catalogue = window.findChild<designer::TCatalogueDialog*>();
      ASSERT_NE(catalogue, nullptr);
      ASSERT_TRUE(catalogue->SelectType(type));
      QTest::keyClick(catalogue->Tree(), Qt::Key_Return);
      ASSERT_TRUE(
          WaitFor([&] { return window.findChild<designer::TCatalogueDialog*>() == nullptr; }));
      const int index = window.CurrentIndex();
      ASSERT_EQ(window.Document().At(index).typeId, type);
      designer::TPropertyDialog* dialog = window.EditProperties();
      ASSERT_NE(dialog, nullptr);
      edit(*dialog);
      if (HasFatalFailure()) return;
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
  ASSERT_EQ(window.Document().Count(), 3);
  const vy::TVyProjectAction& checkout = window.Document().At(0);
  EXPECT_EQ(checkout.description, "Check out the sources");
  EXPECT_EQ(vy::GetPropertyText(*checkout.action, "PathNameStorageString"),
            "src/a.c\r\nsrc/b c.c\r\n");
  EXPECT_EQ(vy::GetPropertyText(*checkout.action, "Comment"), "Checked out for build %BUILD%");
  EXPECT_EQ(vy::GetPropertyText(*window.Document().At(1).action, "LabelTypeName"), "NIGHTLY");
  EXPECT_EQ(vy::GetPropertyText(*window.Document().At(2).action, "ActivityName"),
            "feature_login@/vobs/pvob");
  EXPECT_EQ(window.VariablesTable()->item(0, 1)->text(), "42");

  window.RunPanel()->SetRunnerPath(VANTRY_EXE);
  std::remove(JournalFile().c_str());
  ASSERT_TRUE(window.Run());
  ASSERT_TRUE(WaitFor([&] { return !window.RunPanel()->Running(); }, 60000));
  const std::string log = window.RunPanel()->LogText().toStdString();
  EXPECT_EQ(window.RunPanel()->LastExitCode(), 0) << log;
  EXPECT_THAT(log, HasSubstr("[1/3] ClearCase Check Out: Check out the sources"));
  EXPECT_THAT(log, HasSubstr("[2/3] ClearCase Apply Label"));
  EXPECT_THAT(log, HasSubstr("[3/3] UCM Set Current Activity"));
  EXPECT_THAT(log, HasSubstr("Checked out for build 42"));
  EXPECT_THAT(log, HasSubstr("3 succeeded"));
  const std::string journal = vytest::ReadAll(JournalFile());
  for (const char* command : {"checkout", "mklabel", "setactivity"}) {
    EXPECT_THAT(journal, HasSubstr(command));
  }
}

// Stand-in processes of this test's world that are still alive.
int LiveStandIns() {
  const std::string marker = "CLEARTOOL_SIM_WORLD=" + SandboxPath("demo.xml");
  int alive = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string environment = vytest::ReadAll(entry.path().string() + "/environ");
    const std::string status = vytest::ReadAll(entry.path().string() + "/stat");
    const bool zombie = status.find(") Z ") != std::string::npos;
    if (!zombie && environment.find(marker + '\0') != std::string::npos &&
        vytest::ReadAll(entry.path().string() + "/comm") == "cleartool\n") {
      ++alive;
    }
  }
  return alive;
}

TEST_F(TDesignerTest, StopEndsARunningProject) {
  ConfigureOptions();
  vytest::TScopedEnv slow("CLEARTOOL_SIM_FAULT", "checkout=slow:30000");
  designer::TMainWindow window(Host());
  window.show();
  window.AddActionOfType("CC_CHECKOUT");
  ASSERT_TRUE(
      vy::SetPropertyText(*window.Document().At(0).action, "PathNameStorageString", "src/a.c\r\n"));
  ASSERT_TRUE(window.SaveProject(QString::fromStdString(SandboxPath("stopped.vantry.xml"))));
  window.RunPanel()->SetRunnerPath(VANTRY_EXE);
  ASSERT_TRUE(window.Run());
  ASSERT_TRUE(
      WaitFor([&] { return window.RunPanel()->LogText().contains("Command Line: "); }, 20000))
      << window.RunPanel()->LogText().toStdString();
  window.Stop();
  ASSERT_TRUE(WaitFor([&] { return !window.RunPanel()->Running(); }, 10000));
  EXPECT_EQ(Find<QLabel>(&window, "lblRunStatus")->text(), "Stopped.");
  EXPECT_TRUE(WaitFor([] { return LiveStandIns() == 0; }, 5000))
      << "the runner left its cleartool running after the stop";
}

TEST_F(TDesignerTest, SavingOptionsKeepsWhatTheRunnerSavedMeanwhile) {
  ConfigureOptions();
  QProcess runner;
  runner.start(QStringLiteral(VANTRY_EXE), {"options", "set", "DesignTimeout", "7777"});
  ASSERT_TRUE(runner.waitForFinished(20000));
  ASSERT_EQ(runner.exitCode(), 0) << runner.readAllStandardError().toStdString();

  // What the options dialog does when it opens and when the user accepts.
  std::string error;
  ASSERT_TRUE(Host().ReloadOptions(&error)) << error;
  vy::TVyOptionsObject* options =
      vy::VyOptionsServices().FindOptions("Version Control Systems", "ClearCase");
  ASSERT_TRUE(vy::SetPropertyText(*options, "DefaultViewPath", SandboxPath("other_view")));
  options->SetModified(true);
  ASSERT_TRUE(Host().SaveOptions(&error)) << error;

  const std::string stored = vytest::ReadAll(SandboxPath("options.xml"));
  EXPECT_THAT(stored, testing::HasSubstr("7777"));
  EXPECT_THAT(stored, testing::HasSubstr(SandboxPath("other_view")));
  ConfigureOptions();
}

}  // namespace
}  // namespace designer_test
