// The property dialog's rules, on an action type of the test's own with
// pages of its own, so that they hold whatever pages the package ships.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include "designer_fixture.h"
#include "placeholder_page.h"
#include "property_dialog.h"
#include "vycore/gui/page_registry.h"
#include "vycore/services.h"

namespace designer_test {
namespace {

// Echoes its text; invalid while the text is empty.
class TEchoAction final : public vy::TVyExecuteAbstractAction {
 public:
  const std::string& GetText() const { return text_; }
  void SetText(const std::string& value) { text_ = value; }
  bool GetLoud() const { return loud_; }
  void SetLoud(bool value) { loud_ = value; }

  const vy::TPropertyList& PublishedProperties() const override {
    static const vy::TPropertyList list =
        vy::Publish<TEchoAction>()
            .String("Text", &TEchoAction::GetText, &TEchoAction::SetText)
            .Boolean("Loud", &TEchoAction::GetLoud, &TEchoAction::SetLoud);
    return list;
  }
  std::string GetActionName() const override { return "Test Echo"; }
  std::string GetExecutable() override { return "/bin/echo"; }
  bool GetCommandLine(vy::ICommandLineBuilder& builder) override {
    if (loud_) builder.AddArgument("-e", "", 2);
    builder.AddArgument(text_, "", 2);
    return true;
  }
  bool Validate(vy::IVyActionValidationError& errors) override {
    if (text_.empty()) errors.AddError("Text", "Enter the text to echo.", this);
    return !text_.empty();
  }

 private:
  std::string text_;
  bool loud_ = false;
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
    writes.push_back("text");
  }
  QString PageName() const override { return "Text"; }
  QLineEdit* edit;
  static inline std::vector<std::string> writes;
};

class TLoudPage final : public vy::gui::TVyActionPage {
 public:
  TLoudPage() {
    box = new QCheckBox("Loud", this);
    box->setObjectName("boxLoud");
    (new QVBoxLayout(this))->addWidget(box);
    WatchEdits(this);
  }
  void ReadActionData(vy::TCustomVyAction& action) override {
    box->setChecked(dynamic_cast<TEchoAction&>(action).GetLoud());
  }
  void WriteActionData(vy::TCustomVyAction& action) override {
    dynamic_cast<TEchoAction&>(action).SetLoud(box->isChecked());
    TTextPage::writes.push_back("loud");
  }
  QString PageName() const override { return "Loudness"; }
  QCheckBox* box;
};

class PropertyDialogTest : public TDesignerTest {
 protected:
  static void SetUpTestSuite() {
    TDesignerTest::SetUpTestSuite();
    const vy::TVyActionClass echo = vy::ActionClass<TEchoAction>("TEchoAction");
    vy::VyActionServices().RegisterAction("Test Echo", "Testing", echo, "TEST_ECHO");
    vy::VyActionServices().RegisterActionPages(
        echo, {{"TTestTextFrame"}, {"TTestMissingFrame"}, {"TTestLoudFrame"}});
    vy::gui::RegisterActionPage<TTextPage>("TTestTextFrame");
    vy::gui::RegisterActionPage<TLoudPage>("TTestLoudFrame");
  }
  void SetUp() override {
    action.SetText("hello");
    TTextPage::writes.clear();
  }

  std::unique_ptr<designer::TPropertyDialog> Open() {
    auto dialog = std::make_unique<designer::TPropertyDialog>(
        "TEST_ECHO", action, std::vector<std::pair<std::string, std::string>>{});
    dialog->show();
    return dialog;
  }

  TEchoAction action;
};

TEST_F(PropertyDialogTest, PagesInRegistrationOrderPlaceholderForMissing) {
  auto dialog = Open();
  auto* tabs = Find<QTabWidget>(dialog.get(), "pageTabs");
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(0), "Text");
  EXPECT_EQ(tabs->tabText(1), "TTestMissingFrame");
  EXPECT_EQ(tabs->tabText(2), "Loudness");
  auto* placeholder = qobject_cast<designer::TPlaceholderPage*>(dialog->Page(1));
  ASSERT_NE(placeholder, nullptr);
  EXPECT_TRUE(Find<QLabel>(placeholder, "lblPlaceholder")->text().contains("TTestMissingFrame"));
  EXPECT_EQ(Find<QLineEdit>(dialog.get(), "txtText")->text(), "hello");  // read on opening
}

TEST_F(PropertyDialogTest, CancelLeavesTheActionUntouched) {
  action.SetLoud(false);
  auto dialog = Open();
  QLineEdit* edit = Find<QLineEdit>(dialog.get(), "txtText");
  edit->clear();
  QTest::keyClicks(edit, "changed");
  QTest::mouseClick(Find<QCheckBox>(dialog.get(), "boxLoud"), Qt::LeftButton);
  dialog->RefreshPreview();  // the preview writes the pages into the dialog's copy
  QTest::mouseClick(Find<QPushButton>(dialog.get(), "btnCancel"), Qt::LeftButton);
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(action.GetText(), "hello");
  EXPECT_FALSE(action.GetLoud());
}

TEST_F(PropertyDialogTest, ValidationErrorsKeepTheDialogOpenUntilFixedOrKept) {
  struct Case {
    const char* name;
    bool keep;           // press "Keep Anyway" instead of fixing
    const char* stored;  // the action's text at the end
  };
  for (const Case& c : {Case{"fixed", false, "fixed"}, Case{"kept", true, ""}}) {
    SCOPED_TRACE(c.name);
    action.SetText("before");
    action.SetLoud(false);
    auto dialog = Open();
    QLineEdit* edit = Find<QLineEdit>(dialog.get(), "txtText");
    edit->clear();
    QTest::mouseClick(Find<QPushButton>(dialog.get(), "btnOk"), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->ValidationErrors(), QStringList{"Text: Enter the text to echo."});
    EXPECT_TRUE(Find<QLabel>(dialog.get(), "lblValidationErrors")->isVisible());
    EXPECT_EQ(action.GetText(), "before");  // nothing stored while invalid
    if (c.keep) {
      QTest::mouseClick(Find<QPushButton>(dialog.get(), "btnKeepAnyway"), Qt::LeftButton);
    } else {
      QTest::keyClicks(edit, "fixed");
      Find<QCheckBox>(dialog.get(), "boxLoud")->setChecked(true);
      TTextPage::writes.clear();
      QTest::mouseClick(Find<QPushButton>(dialog.get(), "btnOk"), Qt::LeftButton);
      // Every page is written, in page order.
      EXPECT_EQ(TTextPage::writes, (std::vector<std::string>{"text", "loud"}));
      EXPECT_TRUE(action.GetLoud());
    }
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(action.GetText(), c.stored);
  }
}

TEST_F(PropertyDialogTest, ThePreviewFollowsTheEditsAndNamesWhatIsWrong) {
  auto dialog = Open();
  EXPECT_EQ(dialog->PreviewText(), "echo hello\nin /bin");
  QLineEdit* edit = Find<QLineEdit>(dialog.get(), "txtText");
  QTest::keyClicks(edit, "_world");
  EXPECT_TRUE(WaitFor([&] { return dialog->PreviewText() == "echo hello_world\nin /bin"; }));
  QTest::mouseClick(Find<QCheckBox>(dialog.get(), "boxLoud"), Qt::LeftButton);
  EXPECT_TRUE(WaitFor([&] { return dialog->PreviewText() == "echo -e hello_world\nin /bin"; }))
      << dialog->PreviewText().toStdString();
  edit->clear();
  EXPECT_TRUE(WaitFor([&] { return dialog->PreviewText().contains("Enter the text to echo."); }))
      << dialog->PreviewText().toStdString();
  EXPECT_EQ(action.GetText(), "hello");  // the preview never touches the action
}

}  // namespace
}  // namespace designer_test
