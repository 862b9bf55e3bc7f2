// The make-baseline page and the selector form it opens; how the boxes split
// what is typed into entries, when the template is the only name and which
// boxes can be edited, the round trip file shows.

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
  std::string Shown(const char* box) {
    return Find<QPlainTextEdit>(page_.get(), box)->toPlainText().toStdString();
  }

  std::unique_ptr<TClearCaseMakeBaselineAction> action_ =
      std::make_unique<TClearCaseMakeBaselineAction>();
  std::unique_ptr<TClearCaseMakeBaselineFrame> page_;
};

// The form starts from the action's last search, and what it finds becomes
// the last line of the box the selection uses; a cancelled search changes
// nothing, not even the remembered stream.
TEST_F(MakeBaselineFrameTest, SelectorFormAddsToTheChosenListAndRemembersTheSearch) {
  const struct {
    const char *radio, *button;
    bool accept;
    const char *caption, *components, *activities, *lastStream;
  } rows[] = {
      {"btnComponents", "btnAddComp", true, "Select Component",
       "comp_core@/vobs/pvob\ncomp_docs@/vobs/pvob", "fix_23\n", "webshop_int"},
      {"btnActivities", "btnAddAct", true, "Select Activity", "\ncomp_core@/vobs/pvob\n",
       "fix_23\ncomp_docs@/vobs/pvob", "webshop_int"},
      {"btnComponents", "btnAddComp", false, "Select Component", "\ncomp_core@/vobs/pvob\n",
       "fix_23\n", "dev_alice"},
  };
  for (const auto& row : rows) {
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
    EXPECT_EQ(Shown("edtComponents"), row.components);
    EXPECT_EQ(Shown("edtActivities"), row.activities);
    page_->WriteActionData(*action_);
    EXPECT_EQ(Get(*action_, "DesignLastStream"), row.lastStream);
  }
}

}  // namespace
