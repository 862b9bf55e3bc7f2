#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "clearcase/actions/ucm/activity_actions.h"
#include "clearcase/actions/ucm/change_baseline_action.h"
#include "clearcase/actions/ucm/change_stream_action.h"
#include "clearcase/actions/ucm/make_baseline_actions.h"
#include "clearcase/editors/registration.h"
#include "clearcase/editors/ucm/change_baseline_frame.h"
#include "clearcase/editors/ucm/change_stream_frame.h"
#include "clearcase/editors/ucm/make_baseline_from_label_frame.h"
#include "page_fixture.h"
#include "user_input.h"
#include "vycore/gui/page_registry.h"
#include "vycore/properties.h"

namespace {

using namespace clearcase;
using namespace clearcase::editors;

using cctest::DropDown;
using cctest::Type;

class UcmPagesTest : public cctest::TPageTest {};

// Each list runs its listing when it drops down, as often as it must and
// never without what it lists in; opening a page lists nothing.
TEST_F(UcmPagesTest, ListsQueryAtDropDownOnlyWithWhatTheyNeed) {
  struct Row {
    const char* page;
    std::function<std::unique_ptr<vy::TCustomVyAction>()> action;
    const char *needs, *needsText;  // a box typed into first, or nullptr
    const char* box;
    int drops;
    const char* subcommand;
    int runs;
    const char* firstItem;
  };
  const auto makeActivity = [] { return std::make_unique<TClearCaseMakeActivityAction>(); };
  const auto fromLabel = [] { return std::make_unique<TClearCaseMakeBaselineFromLabelAction>(); };
  const auto changeBaseline = [] { return std::make_unique<TClearCaseChangeBaselineAction>(); };
  const auto changeStream = [] { return std::make_unique<TClearCaseChangeStreamAction>(); };
  // clang-format off
  const Row rows[] = {
      {"TClearCaseMakeActivityFrame", makeActivity, nullptr, "", "txtVOBSelector", 2, "lsvob", 1, "/vobs/pvob"},
      {"TClearCaseMakeBaselineFromLabelFrame", fromLabel, nullptr, "", "txtVOB", 2, "lsvob", 2, "/vobs/pvob"},
      {"TClearCaseMakeBaselineFromLabelFrame", fromLabel, nullptr, "", "txtLabel", 1, "lstype", 0, ""},
      {"TClearCaseMakeBaselineFromLabelFrame", fromLabel, "txtVOB", "/vobs/src", "txtLabel", 1, "lstype", 1, "NIGHTLY"},
      {"TClearCaseChangeBaselineFrame", changeBaseline, nullptr, "", "cmbPVOB", 2, "lsvob", 2, "/vobs/pvob"},
      {"TClearCaseChangeBaselineFrame", changeBaseline, nullptr, "", "cmbPromo", 1, "describe", 0, ""},
      {"TClearCaseChangeBaselineFrame", changeBaseline, "cmbPVOB", "/vobs/pvob", "cmbPromo", 1, "describe", 1, "REJECTED"},
      {"TClearCaseChangeStreamFrame", changeStream, "cmbPVOB", "/vobs/pvob", "cmbProject", 2, "lsproject", 2, "webshop"},
      {"TClearCaseChangeStreamFrame", changeStream, "cmbPVOB", "/vobs/pvob", "cmbStream", 1, "lsstream", 1, "dev_alice"},
  };
  // clang-format on
  UseStandIn();
  RegisterUcmPages();
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.page) + " " + row.box);
    const std::unique_ptr<vy::TCustomVyAction> action = row.action();
    const std::size_t runsBeforeOpening = StandInRuns().size();
    const std::unique_ptr<vy::gui::TVyActionPage> page = vy::gui::CreateActionPage(row.page);
    ASSERT_NE(page, nullptr);
    page->InitFrame();
    page->InitPage(*action);
    page->ReadActionData(*action);
    page->show();
    EXPECT_EQ(StandInRuns().size(), runsBeforeOpening);
    if (row.needs) Type(Find<QComboBox>(page.get(), row.needs), row.needsText);
    const int before = CountRuns(row.subcommand);
    auto* box = Find<QComboBox>(page.get(), row.box);
    for (int drop = 0; drop < row.drops; ++drop) DropDown(box);
    EXPECT_EQ(CountRuns(row.subcommand) - before, row.runs);
    EXPECT_EQ(box->count() > 0 ? box->itemText(0).toStdString() : "", row.firstItem);
  }
}

TEST_F(UcmPagesTest, RecommendableBaselinesCarryTheRootedProjectVob) {
  UseStandIn();
  TClearCaseChangeStreamAction action;
  auto page = Open<TClearCaseChangeStreamFrame>(action);
  auto* pvob = Find<QComboBox>(page.get(), "cmbPVOB");
  auto* baselines = Find<QComboBox>(page.get(), "cmbBaseline");
  Type(Find<QComboBox>(page.get(), "cmbStream"), "webshop_int");
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
  auto* projects = Find<QComboBox>(page.get(), "cmbProject");
  Type(pvob, "/vobs/pvob");
  ASSERT_EQ(DropDown(projects).size(), 1);
  pvob->lineEdit()->clear();
  EXPECT_EQ(DropDown(projects).size(), 0);
}

TEST_F(UcmPagesTest, BaselinesAreRecommendedByAddingThem) {
  TClearCaseChangeStreamAction action;
  auto page = Open<TClearCaseChangeStreamFrame>(action);
  auto* baseline = Find<QComboBox>(page.get(), "cmbBaseline");
  auto* add = Find<QPushButton>(page.get(), "btnBLAdd");
  EXPECT_FALSE(add->isEnabled());
  for (const char* name : {"BL_1@/vobs/pvob", "DOCS_1@/vobs/pvob"}) {
    Type(baseline, name);
    EXPECT_TRUE(add->isEnabled());
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_FALSE(add->isEnabled());
  }
  EXPECT_TRUE(Find<QRadioButton>(page.get(), "btnRecommend")->isChecked());

  page->WriteActionData(action);
  EXPECT_EQ(action.GetRecommendBaselines(), "BL_1@/vobs/pvob\r\nDOCS_1@/vobs/pvob\r\n");
  EXPECT_TRUE(action.GetChangeRecommended());
}

TEST_F(UcmPagesTest, PickingAPromotionLevelMeansAssigningIt) {
  UseStandIn();
  TClearCaseChangeBaselineAction action;
  action.SetPromotionLevel("BUILT");
  auto page = Open<TClearCaseChangeBaselineFrame>(action);
  auto* assign = Find<QCheckBox>(page.get(), "boxApplyPromo");
  EXPECT_FALSE(assign->isChecked()) << "loading the stored level is no pick";
  Type(Find<QComboBox>(page.get(), "cmbPVOB"), "/vobs/pvob");
  auto* levels = Find<QComboBox>(page.get(), "cmbPromo");
  DropDown(levels);
  EXPECT_FALSE(assign->isChecked());
  levels->setCurrentIndex(levels->findText("RELEASED"));
  EXPECT_TRUE(assign->isChecked());
}

}  // namespace
