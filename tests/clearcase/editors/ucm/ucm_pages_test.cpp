// The UCM pages: the rules each adds to plain loading and storing and to
// switching controls on and off (which the round trip file covers).

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "../element/type_pages.h"
#include "clearcase/editors/shared/component_activity_selector_form.h"

namespace {

using cctest::DropDown;
using cctest::Type;
using clearcase::editors::TComponentActivitySelectorForm;

using UcmPagesTest = cctest::TTypePagesTest;

TEST_F(UcmPagesTest, RecommendableBaselinesCarryTheRootedProjectVob) {
  UseStandIn();
  OpenPages("CC_CHANGESTREAM");
  auto* pvob = C<QComboBox>("cmbPVOB");
  auto* baselines = C<QComboBox>("cmbBaseline");
  Type(C<QComboBox>("cmbStream"), "webshop_int");
  for (const char* typed : {"/vobs/pvob", "vobs/pvob"}) {
    SCOPED_TRACE(typed);
    Type(pvob, typed);
    EXPECT_EQ(DropDown(baselines), (QStringList{"BL_0@/vobs/pvob", "BL_1@/vobs/pvob",
                                                "BL_2@/vobs/pvob", "DOCS_1@/vobs/pvob"}));
    EXPECT_EQ(StandInRuns().back(),
              (std::vector<std::string>{"lsbl", "-short", "-stream", "webshop_int@/vobs/pvob"}));
  }
  EXPECT_EQ(CountRuns("lsbl"), 2);
  // Without a project VOB nothing is listed and the earlier baselines stay.
  pvob->lineEdit()->clear();
  EXPECT_EQ(DropDown(baselines).size(), 4);
  EXPECT_EQ(CountRuns("lsbl"), 2);
  // The project list, by contrast, never offers another VOB's projects.
  auto* projects = C<QComboBox>("cmbProject");
  Type(pvob, "/vobs/pvob");
  ASSERT_EQ(DropDown(projects).size(), 1);
  pvob->lineEdit()->clear();
  EXPECT_EQ(DropDown(projects).size(), 0);
}

TEST_F(UcmPagesTest, BaselinesAreRecommendedByAddingThem) {
  OpenPages("CC_CHANGESTREAM");
  auto* add = C<QPushButton>("btnBLAdd");
  EXPECT_FALSE(add->isEnabled());
  for (const char* name : {"BL_1@/vobs/pvob", "DOCS_1@/vobs/pvob"}) {
    Type(C<QComboBox>("cmbBaseline"), name);
    EXPECT_TRUE(add->isEnabled());
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_FALSE(add->isEnabled());
  }
  EXPECT_TRUE(C<QRadioButton>("btnRecommend")->isChecked());
  EXPECT_EQ(Written("RecommendBaselines"), "BL_1@/vobs/pvob\r\nDOCS_1@/vobs/pvob\r\n");
  EXPECT_EQ(Get(*action_, "ChangeRecommended"), "true");
}

TEST_F(UcmPagesTest, PickingAPromotionLevelMeansAssigningIt) {
  UseStandIn();
  OpenPages("CC_CHANGEBASELINE", {{"PromotionLevel", "BUILT"}});
  auto* assign = C<QCheckBox>("boxApplyPromo");
  EXPECT_FALSE(assign->isChecked()) << "loading the stored level is no pick";
  Type(C<QComboBox>("cmbPVOB"), "/vobs/pvob");
  auto* levels = C<QComboBox>("cmbPromo");
  DropDown(levels);
  EXPECT_FALSE(assign->isChecked());
  levels->setCurrentIndex(levels->findText("RELEASED"));
  EXPECT_TRUE(assign->isChecked());
}

// The form starts from the action's last search, and what it finds becomes
// the last line of the box the selection uses; a cancelled search changes
// nothing, not even the remembered stream.
TEST_F(UcmPagesTest, BaselineSelectorFormAddsToTheChosenListAndRemembersTheSearch) {
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
    OpenPages("UCM_MAKEBL", {{"ComponentSelectorStorageString", "\r\ncomp_core@/vobs/pvob\r\n\r\n"},
                             {"ActivitySelectorStorageString", "fix_23\r\n\r\n"},
                             {"DesignLastPVOB", "/vobs/pvob"},
                             {"DesignLastProject", "webshop"},
                             {"DesignLastStream", "dev_alice"}});
    cctest::Click(C<QRadioButton>(row.radio));
    std::string seen;
    cctest::AnswerNextDialog<TComponentActivitySelectorForm>(
        [&](TComponentActivitySelectorForm& form) {
          seen = (form.windowTitle() + "|" + form.GetLastPVOB() + "|" + form.GetLastProject() +
                  "|" + form.GetLastStream())
                     .toStdString();
          Type(Find<QComboBox>(&form, "cmbStream"), "webshop_int");
          Type(Find<QComboBox>(&form, "cmbResult"), "comp_docs");
          QTest::mouseClick(Find<QPushButton>(&form, row.accept ? "btnAdd" : "btnCancel"),
                            Qt::LeftButton);
        });
    QTest::mouseClick(C<QPushButton>(row.button), Qt::LeftButton);
    EXPECT_EQ(seen, std::string(row.caption) + "|/vobs/pvob|webshop|dev_alice");
    EXPECT_EQ(C<QPlainTextEdit>("edtComponents")->toPlainText().toStdString(), row.components);
    EXPECT_EQ(C<QPlainTextEdit>("edtActivities")->toPlainText().toStdString(), row.activities);
    EXPECT_EQ(Written("DesignLastStream"), row.lastStream);
  }
}

}  // namespace
