#include "clearcase/editors/ucm/make_baseline_frame.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "clearcase/actions/ucm/make_baseline_actions.h"
#include "clearcase/editors/shared/component_activity_selector_form.h"
#include "page_fixture.h"
#include "user_input.h"
#include "vycore/properties.h"

namespace {

using clearcase::TClearCaseMakeBaselineAction;
using clearcase::editors::TClearCaseMakeBaselineFrame;
using clearcase::editors::TComponentActivitySelectorForm;

class MakeBaselineFrameTest : public cctest::TPageTest {
 protected:
  void OpenPage() { page_ = Open<TClearCaseMakeBaselineFrame>(*action_); }
  void Click(const char* name) { cctest::Click(Find<QAbstractButton>(page_.get(), name)); }
  std::string Written(const char* property) {
    page_->WriteActionData(*action_);
    return vy::GetPropertyText(*action_, property).value_or("<none>");
  }

  std::unique_ptr<TClearCaseMakeBaselineAction> action_ =
      std::make_unique<TClearCaseMakeBaselineAction>();
  std::unique_ptr<TClearCaseMakeBaselineFrame> page_;
};

TEST_F(MakeBaselineFrameTest, EveryBlankTypedInASelectorBoxSeparatesTwoEntries) {
  struct Row {
    const char* radio;
    const char* box;
    const char* typed;
    const char* property;
    const char* selection;
    const char* stored;
  };
  const Row rows[] = {
      {"btnComponents", "edtComponents", "comp_core@/vobs/pvob comp_docs@/vobs/pvob\n\n  comp_web",
       "ComponentSelectorStorageString", "slComponents",
       "comp_core@/vobs/pvob\r\ncomp_docs@/vobs/pvob\r\ncomp_web\r\n"},
      {"btnActivities", "edtActivities", "fix_23 feature_login", "ActivitySelectorStorageString",
       "slActivities", "fix_23\r\nfeature_login\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.box);
    action_ = std::make_unique<TClearCaseMakeBaselineAction>();
    OpenPage();
    Click(row.radio);
    cctest::TypeLines(Find<QPlainTextEdit>(page_.get(), row.box), QString::fromLatin1(row.typed));
    EXPECT_EQ(Written(row.property), row.stored);
    EXPECT_EQ(Written("SelectionType"), row.selection);
  }
}

TEST_F(MakeBaselineFrameTest, RootNameIsOfferedOnlyWhenThereIsOne) {
  struct Row {
    bool useTemplate;
    const char* rootName;
    bool templateChosen;
    const char* stored;
  };
  const Row rows[] = {
      {false, "", true, "true"},
      {false, "REL_$(Build)", false, "false"},
      {true, "REL_$(Build)", true, "true"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.rootName);
    action_->SetUseBaselineNameTemplate(row.useTemplate);
    action_->SetBaselineRootName(row.rootName);
    OpenPage();
    EXPECT_EQ(Find<QRadioButton>(page_.get(), "btnUseBaselineNameTemplate")->isChecked(),
              row.templateChosen);
    EXPECT_EQ(Find<QLineEdit>(page_.get(), "txtBaselineRootName")->isEnabled(),
              !row.templateChosen);
    EXPECT_EQ(Written("UseBaselineNameTemplate"), row.stored);
  }
}

TEST_F(MakeBaselineFrameTest, OnlyTheChosenSelectionCanBeEdited) {
  struct Row {
    const char* radio;
    bool components;
    bool activities;
  };
  const Row rows[] = {
      {"btnComponents", true, false}, {"btnActivities", false, true}, {"btnAll", false, false}};
  OpenPage();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.radio);
    Click(row.radio);
    EXPECT_EQ(Find<QPlainTextEdit>(page_.get(), "edtComponents")->isEnabled(), row.components);
    EXPECT_EQ(Find<QPushButton>(page_.get(), "btnAddComp")->isEnabled(), row.components);
    EXPECT_EQ(Find<QPlainTextEdit>(page_.get(), "edtActivities")->isEnabled(), row.activities);
    EXPECT_EQ(Find<QPushButton>(page_.get(), "btnAddAct")->isEnabled(), row.activities);
  }
}

// The form starts from the action's last search, and what it finds becomes
// the last line of the box the selection uses; a cancelled search changes
// nothing, not even the remembered stream.
TEST_F(MakeBaselineFrameTest, SelectorFormAddsToTheChosenListAndRemembersTheSearch) {
  struct Row {
    const char* radio;
    const char* button;
    bool accept;
    const char* caption;
    const char* components;
    const char* activities;
    const char* lastStream;
  };
  const Row rows[] = {
      {"btnComponents", "btnAddComp", true, "Select Component",
       "comp_core@/vobs/pvob\ncomp_docs@/vobs/pvob", "fix_23\n", "webshop_int"},
      {"btnActivities", "btnAddAct", true, "Select Activity", "\ncomp_core@/vobs/pvob\n",
       "fix_23\ncomp_docs@/vobs/pvob", "webshop_int"},
      {"btnComponents", "btnAddComp", false, "Select Component", "\ncomp_core@/vobs/pvob\n",
       "fix_23\n", "dev_alice"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.button) + (row.accept ? " accepted" : " cancelled"));
    action_ = std::make_unique<TClearCaseMakeBaselineAction>();
    action_->ComponentSelectors() = {"", "comp_core@/vobs/pvob", ""};
    action_->ActivitySelectors() = {"fix_23", ""};
    action_->SetDesignLastPVOB("/vobs/pvob");
    action_->SetDesignLastProject("webshop");
    action_->SetDesignLastStream("dev_alice");
    OpenPage();
    Click(row.radio);
    std::string seen;
    cctest::AnswerNextDialog<TComponentActivitySelectorForm>(
        [&](TComponentActivitySelectorForm& form) {
          seen = (form.windowTitle() + "|" + form.GetLastPVOB() + "|" + form.GetLastProject() +
                  "|" + form.GetLastStream())
                     .toStdString();
          cctest::Type(Find<QComboBox>(&form, "cmbStream"), "webshop_int");
          cctest::Type(Find<QComboBox>(&form, "cmbResult"), "comp_docs");
          QTest::mouseClick(Find<QPushButton>(&form, row.accept ? "btnAdd" : "btnCancel"),
                            Qt::LeftButton);
        });
    Click(row.button);
    EXPECT_EQ(seen, std::string(row.caption) + "|/vobs/pvob|webshop|dev_alice");
    EXPECT_EQ(Find<QPlainTextEdit>(page_.get(), "edtComponents")->toPlainText().toStdString(),
              row.components);
    EXPECT_EQ(Find<QPlainTextEdit>(page_.get(), "edtActivities")->toPlainText().toStdString(),
              row.activities);
    EXPECT_EQ(Written("DesignLastStream"), row.lastStream);
  }
}

}  // namespace
