// The property dialog's rules, on an action type of the test's own with
// pages of its own, so that they hold whatever pages the package ships; and
// every installed type as the user meets it: its dialog opens on real pages
// without running a listing, and OK on unchanged pages gives back the
// settings the action had.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <filesystem>

#include "designer_fixture.h"
#include "placeholder_page.h"
#include "project_document.h"
#include "property_dialog.h"
#include "vycore/gui/page_registry.h"
#include "test_support.h"
#include "vycore/properties.h"
#include "vycore/services.h"

namespace designer_test {
namespace {

// Echoes its text; invalid while the text is empty.
class TEchoAction final : public vy::TVyExecuteAbstractAction {
 public:
  const std::string& GetText() const { return text_; }
  void SetText(const std::string& value) { text_ = value; }

  const vy::TPropertyList& PublishedProperties() const override {
    static const vy::TPropertyList list =
        vy::Publish<TEchoAction>().String("Text", &TEchoAction::GetText, &TEchoAction::SetText);
    return list;
  }
  std::string GetActionName() const override { return "Test Echo"; }
  std::string GetExecutable() override { return "/bin/echo"; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override {
    builder.AddArgument(text_, "", 2);
    return true;
  }
  bool Validate(vy::IVyActionValidationError& errors) override {
    if (text_.empty()) errors.AddError("Text", "Enter the text to echo.", this);
    return !text_.empty();
  }

 private:
  std::string text_;
};

class TTextPage final : public vy::gui::TVyActionPage {
 public:
  TTextPage() {
    edit = new QLineEdit(this);
    edit->setObjectName("txtText");
    (new QVBoxLayout(this))->addWidget(edit);
    WatchEdits(this);
  }
  void ReadActionData(vy::TCustomVyAction& action) override {
    edit->setText(QString::fromStdString(dynamic_cast<TEchoAction&>(action).GetText()));
  }
  void WriteActionData(vy::TCustomVyAction& action) override {
    dynamic_cast<TEchoAction&>(action).SetText(edit->text().toStdString());
  }
  QString PageName() const override { return "Text"; }
  QLineEdit* edit;
};

class PropertyDialogTest : public TDesignerTest {
 protected:
  static void SetUpTestSuite() {
    TDesignerTest::SetUpTestSuite();
    const vy::TVyActionClass echo = vy::ActionClass<TEchoAction>("TEchoAction");
    vy::VyActionServices().RegisterAction("Test Echo", "Testing", echo, "TEST_ECHO");
    vy::VyActionServices().RegisterActionPages(echo, {{"TTestMissingFrame"}, {"TTestTextFrame"}});
    vy::gui::RegisterActionPage<TTextPage>("TTestTextFrame");
  }
  void SetUp() override { action_.SetText("hello"); }

  std::unique_ptr<designer::TPropertyDialog> Open() {
    auto dialog = std::make_unique<designer::TPropertyDialog>(
        "TEST_ECHO", action_, std::vector<std::pair<std::string, std::string>>{});
    dialog->show();
    return dialog;
  }

  TEchoAction action_;
};

TEST_F(PropertyDialogTest, PagesInRegistrationOrderPlaceholderForMissing) {
  auto dialog = Open();
  auto* tabs = Find<QTabWidget>(dialog.get(), "pageTabs");
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(0), "TTestMissingFrame");
  EXPECT_EQ(tabs->tabText(1), "Text");
  auto* placeholder = qobject_cast<designer::TPlaceholderPage*>(dialog->Page(0));
  ASSERT_NE(placeholder, nullptr);
  EXPECT_TRUE(Find<QLabel>(placeholder, "lblPlaceholder")->text().contains("TTestMissingFrame"));
}

// The dialog edits a copy: the action changes only once OK finds it valid
// or the user keeps it anyway, never on Cancel.
TEST_F(PropertyDialogTest, InvalidSettingsStayOpenUntilFixedKeptOrCancelled) {
  struct Case {
    const char* button;
    const char* typed;  // after the first OK
    QDialog::DialogCode result;
    const char* stored;
  };
  for (const Case& c : {Case{"btnOk", "fixed", QDialog::Accepted, "fixed"},
                        Case{"btnKeepAnyway", "", QDialog::Accepted, ""},
                        Case{"btnCancel", "fixed", QDialog::Rejected, "before"}}) {
    SCOPED_TRACE(c.button);
    action_.SetText("before");
    auto dialog = Open();
    QLineEdit* edit = Find<QLineEdit>(dialog.get(), "txtText");
    edit->clear();
    QTest::mouseClick(Find<QPushButton>(dialog.get(), "btnOk"), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->ValidationErrors(), QStringList{"Text: Enter the text to echo."});
    EXPECT_TRUE(Find<QLabel>(dialog.get(), "lblValidationErrors")->isVisible());
    EXPECT_EQ(action_.GetText(), "before");  // nothing stored while invalid
    QTest::keyClicks(edit, c.typed);
    QTest::mouseClick(Find<QPushButton>(dialog.get(), c.button), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), c.result);
    EXPECT_EQ(action_.GetText(), c.stored);
  }
}

TEST_F(PropertyDialogTest, ThePreviewFollowsTheEditsAndNamesWhatIsWrong) {
  auto dialog = Open();
  EXPECT_EQ(dialog->PreviewText(), "echo hello\nin /bin");
  QLineEdit* edit = Find<QLineEdit>(dialog.get(), "txtText");
  QTest::keyClicks(edit, "_world");
  EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->PreviewText() == "echo hello_world\nin /bin"; }))
      << dialog->PreviewText().toStdString();
  edit->clear();
  EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->PreviewText().contains("Enter the text"); }))
      << dialog->PreviewText().toStdString();
  EXPECT_EQ(action_.GetText(), "hello");  // the preview never touches the action
}

// Every installed type ----------------------------------------------------

std::vector<std::pair<std::string, std::string>> Properties(const vy::TCustomVyAction& action) {
  std::vector<std::pair<std::string, std::string>> values;
  for (const vy::TPublishedProperty& property : action.PublishedProperties().Items())
    values.emplace_back(property.name, vy::GetPropertyText(action, property.name).value_or("?"));
  return values;
}

TEST_F(TDesignerTest, EveryTypeOpensOnRealPagesWithoutListingAndRoundTripsOnOk) {
  designer::TProjectDocument showcase;
  std::vector<vy::TVyDiagnostic> diagnostics;
  ASSERT_TRUE(showcase.Open(VANTRY_SOURCE_DIR "/apps/designer/screenshots/showcase.vantry.xml",
                            diagnostics));
  std::set<std::string> types;
  // Pointed at the stand-in, a listing that ran would leave its journal. The
  // installation type is given, as its detection may run when a page asks.
  for (const vy::TVyRegisteredOptions& options : vy::VyOptionsServices().Registered()) {
    vy::SetPropertyText(*options.instance, "CleartoolPath", CLEARTOOL_EXE);
    vy::SetPropertyText(*options.instance, "TestForClearCaseType", "false");
  }
  std::filesystem::remove(SandboxPath("journal.jsonl"));
  for (int index = 0; index < showcase.Count(); ++index) {
    vy::TVyProjectAction& entry = showcase.At(index);
    SCOPED_TRACE(entry.typeId);
    types.insert(entry.typeId);
    const auto before = Properties(*entry.action);
    designer::TPropertyDialog dialog(entry.typeId, *entry.action, showcase.Variables());
    dialog.show();
    EXPECT_GE(dialog.PageCount(), 1);
    for (int page = 0; page < dialog.PageCount(); ++page)
      EXPECT_EQ(qobject_cast<designer::TPlaceholderPage*>(dialog.Page(page)), nullptr)
          << dialog.Page(page)->PageName().toStdString() << " is not installed";
    QTest::mouseClick(Find<QPushButton>(&dialog, "btnOk"), Qt::LeftButton);
    if (dialog.isVisible())
      QTest::mouseClick(Find<QPushButton>(&dialog, "btnKeepAnyway"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Properties(*entry.action), before);
  }
  EXPECT_FALSE(std::filesystem::exists(SandboxPath("journal.jsonl")))
      << "a listing ran while dialogs opened: " << vytest::ReadAll(SandboxPath("journal.jsonl"));
  std::set<std::string> registered;
  for (const vy::TVyRegisteredAction& entry : vy::VyActionServices().Catalogue())
    if (entry.category == "ClearCase") registered.insert(entry.typeId);
  EXPECT_EQ(types, registered) << "the showcase project lacks a type";
}

}  // namespace
}  // namespace designer_test
