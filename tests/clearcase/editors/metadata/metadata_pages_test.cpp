#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "clearcase/actions/metadata/apply_attribute_actions.h"
#include "clearcase/actions/metadata/apply_label_action.h"
#include "clearcase/actions/metadata/lock_actions.h"
#include "clearcase/actions/metadata/make_attribute_type_action.h"
#include "clearcase/actions/metadata/mklbtype_action.h"
#include "clearcase/editors/metadata/apply_attribute_frame.h"
#include "clearcase/editors/metadata/apply_label_frame.h"
#include "clearcase/editors/metadata/lock_frame.h"
#include "clearcase/editors/metadata/make_attribute_type_frame.h"
#include "clearcase/editors/metadata/mk_lb_type_frame.h"
#include "clearcase/editors/shared/date_button_edit.h"
#include "page_fixture.h"
#include "user_input.h"
#include "vycore/gui/number_edit.h"
#include "vycore/properties.h"

namespace {

using namespace clearcase::editors;
using cctest::Click;
using cctest::DropDown;
using vy::gui::TVyNumberEdit;

// Which controls a choice switches on or off the round trip file shows.
class MetadataPageTest : public cctest::TPageTest {};

// Label type name ---------------------------------------------------------

TEST_F(MetadataPageTest, LabelTypeNameKeepsAStoredMixedCaseAndCapitalizesTyping) {
  const struct {
    const char* stored;
    bool upperCase;  // the box after reading
    const char *typed, *saved;
  } rows[] = {
      {"REL_1", true, "rel_2", "REL_2"},
      {"Rel_1", false, "rel_2", "rel_2"},
      {"", true, "nightly", "NIGHTLY"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.stored);
    clearcase::TClearCaseMkLbTypeAction action;
    action.SetLabelTypeName(row.stored);
    auto page = Open<TClearCaseMkLbTypeFrame>(action);
    auto* name = Find<QLineEdit>(page.get(), "txtLabelSelector");
    EXPECT_EQ(Find<QCheckBox>(page.get(), "boxUpperCase")->isChecked(), row.upperCase);
    name->clear();
    QTest::keyClicks(name, row.typed);
    page->WriteActionData(action);
    EXPECT_EQ(Get(action, "LabelTypeName"), row.saved);
  }
}

// VOB and label lists -----------------------------------------------------

TEST_F(MetadataPageTest, VobListIsAskedForOncePerPageUnlessItCameBackEmpty) {
  UseStandIn();
  clearcase::TClearCaseMkLbTypeAction action;
  auto page = Open<TClearCaseMkLbTypeFrame>(action);
  auto* vobs = Find<QComboBox>(page.get(), "txtVOBSelector");
  EXPECT_EQ(vobs->count(), 1);  // one empty entry until it drops down
  {
    vytest::TScopedEnv failing("CLEARTOOL_SIM_FAULT", "lsvob=exit:2");
    DropDown(vobs);
  }
  EXPECT_TRUE(DropDown(vobs).contains(QStringLiteral("/vobs/src")));
  DropDown(vobs);
  EXPECT_EQ(CountRuns("lsvob"), 2);
}

TEST_F(MetadataPageTest, LabelListFollowsTheVobAtEveryDropDown) {
  UseStandIn();
  clearcase::TClearCaseApplyLabelAction action;
  action.SetVOBSelector("/vobs/src");
  auto page = Open<TClearCaseApplyLabelFrame>(action);
  auto* labels = Find<QComboBox>(page.get(), "txtLabelName");
  const QStringList names = DropDown(labels);
  EXPECT_TRUE(names.contains(QStringLiteral("REL_1.0")));
  EXPECT_TRUE(names.contains(QStringLiteral("REL_0.9")));  // locked, listed by its bare name
  DropDown(labels);
  EXPECT_EQ(CountRuns("lstype"), 2);
  EXPECT_EQ(StandInRuns().back(), (std::vector<std::string>{"lstype", "-short", "-kind", "lbtype",
                                                            "-invob", "/vobs/src"}));
}

// Lock --------------------------------------------------------------------

TEST_F(MetadataPageTest, LockUsersShowOneALineAndAreStoredCommaSeparated) {
  const struct {
    const char *typed, *stored, *shownAgain;
  } rows[] = {
      {"alice,\nbob,", "alice,bob", "alice,\nbob\n"},
      {"alice,, \n\n", "alice", "alice\n"},
      {"", "", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    clearcase::TClearCaseLockObjectsAction action;
    Load(action, {{"UseNUsers", "true"}});
    auto page = Open<TClearCaseLockFrame>(action);
    auto* users = Find<QPlainTextEdit>(page.get(), "txtNUsersList");
    users->setPlainText(QString::fromLatin1(row.typed));
    page->WriteActionData(action);
    EXPECT_EQ(Get(action, "NUsersList"), row.stored);
    page->ReadActionData(action);
    EXPECT_EQ(users->toPlainText().toStdString(), row.shownAgain);
  }
}

// Make attribute type -----------------------------------------------------

class AttributeTypePageTest : public MetadataPageTest {
 protected:
  void Open(clearcase::TClearCaseAttributeType type) {
    action_.SetNewAttributeType(type);
    page_ = TPageTest::Open<TClearCaseMakeAttributeTypeFrame>(action_);
  }
  template <class Widget = QWidget>
  Widget* Control(const char* name) const {
    return Find<Widget>(page_.get(), name);
  }
  void Write() { page_->WriteActionData(action_); }

  clearcase::TClearCaseMakeAttributeTypeAction action_;
  std::unique_ptr<TClearCaseMakeAttributeTypeFrame> page_;
};

TEST_F(AttributeTypePageTest, TypeDecidesWhichValueControlsShow) {
  const struct {
    clearcase::TClearCaseAttributeType type;
    bool ranged;         // the bounds can be used, ticked or not
    bool dates;          // the rows use the date editors
    bool defaultIsText;  // the default is the text/date box
    bool defaultButton;
    bool wholeNumbers;
  } rows[] = {
      {clearcase::atString, false, false, true, false, false},
      {clearcase::atInteger, true, false, false, false, true},
      {clearcase::atReal, true, false, false, false, false},
      {clearcase::atDate, true, true, true, true, false},
      {clearcase::atOpaque, false, false, false, false, false},
  };
  action_.SetUseMin(true);
  action_.SetUseMax(true);
  Open(clearcase::atString);
  for (const auto& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.type));
    Control<QComboBox>("cmbType")->setCurrentIndex(row.type);
    for (const char* name : {"boxMin", "boxMinInclusive", "boxMax", "boxMaxInclusive"})
      EXPECT_EQ(Control(name)->isEnabled(), row.ranged) << name;
    for (const char* number : {"txtMinNum", "txtMaxNum"})
      EXPECT_EQ(Control(number)->isVisible(), !row.dates);
    for (const char* date : {"minDateFrame", "maxDateFrame"})
      EXPECT_EQ(Control(date)->isVisible(), row.dates);
    EXPECT_EQ(Control("txtDefaultValue")->isVisible(), row.defaultIsText);
    EXPECT_EQ(Control("txtDefaultValueNumeric")->isVisible(), !row.defaultIsText);
    EXPECT_EQ(Control<TClearCaseDateButtonEdit>("txtDefaultValue")->ShowButton(),
              row.defaultButton);
    const auto kind =
        row.wholeNumbers ? TVyNumberEdit::Kind::Integer : TVyNumberEdit::Kind::Decimal;
    EXPECT_EQ(Control<TVyNumberEdit>("txtMinNum")->NumberKind(), kind);
    EXPECT_EQ(Control<TVyNumberEdit>("txtDefaultValueNumeric")->NumberKind(), kind);
  }
}

TEST_F(AttributeTypePageTest, NumbersAreShownGroupedAndStoredPlain) {
  // Grouping itself is the number box's; a whole number is rounded, and
  // what is no number shows as 0.
  const struct {
    clearcase::TClearCaseAttributeType type;
    const char *stored, *shown, *storedBack;
  } rows[] = {
      {clearcase::atInteger, "2.6", "3", "3"},
      {clearcase::atInteger, "ten", "0", "0"},
      {clearcase::atReal, "-1234.5", "(1,234.5)", "-1234.5"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.stored);
    action_.SetMinValue(row.stored);
    action_.SetMaxValue(row.stored);
    action_.SetDefaultValue(row.stored);
    Open(row.type);
    for (const char* name : {"txtMinNum", "txtMaxNum", "txtDefaultValueNumeric"})
      EXPECT_EQ(Control<QLineEdit>(name)->text().toStdString(), row.shown) << name;
    Write();
    for (const char* name : {"MinValue", "MaxValue", "DefaultValue"})
      EXPECT_EQ(Get(action_, name), row.storedBack) << name;
  }
}

TEST_F(AttributeTypePageTest, IntegerToDateMovesValuesToTheDateEditors) {
  action_.SetUseDefaultValue(true);
  action_.SetDefaultValue("5");
  Open(clearcase::atInteger);
  Control<QComboBox>("cmbType")->setCurrentIndex(clearcase::atDate);
  auto* date = Control<TClearCaseDateButtonEdit>("txtDefaultValue");
  EXPECT_TRUE(date->isVisible());
  EXPECT_TRUE(date->ShowButton());
  EXPECT_TRUE(date->isEnabled());
  date->SetDateString("today");
  Control<TClearCaseDateButtonEdit>("minDateFrame")->SetDateString("yesterday");
  Write();
  EXPECT_EQ(Get(action_, "NewAttributeType"), "atDate");
  EXPECT_EQ(Get(action_, "DefaultValue"), "today");
  EXPECT_EQ(Get(action_, "MinValue"), "yesterday");
}

// Apply attribute ---------------------------------------------------------

class ApplyAttributePageTest : public MetadataPageTest {
 protected:
  void SetUp() override {
    MetadataPageTest::SetUp();
    UseStandIn();
  }
  void Open() {
    page_ = TPageTest::Open<TClearCaseApplyAttributeFrame>(action_);
    timer_ = page_->TypeTimer();
  }
  template <class Widget = QWidget>
  Widget* Control(const char* name) const {
    return Find<Widget>(page_.get(), name);
  }
  // What the timer does when 400 ms have passed, without waiting for them.
  void FireTimer() { QMetaObject::invokeMethod(timer_, "timeout", Qt::DirectConnection); }
  std::string TypeLabel() const { return Control<QLabel>("lblType")->text().toStdString(); }

  clearcase::TClearCaseApplyAttributeObjectsAction action_;
  std::unique_ptr<TClearCaseApplyAttributeFrame> page_;
  QTimer* timer_ = nullptr;
};

TEST_F(ApplyAttributePageTest, TypingLooksTheTypeUpOnceAfterThePause) {
  Open();
  EXPECT_EQ(CountRuns("describe"), 0);  // nothing to look up yet
  QTest::keyClicks(Control<QComboBox>("txtVOBSelector")->lineEdit(), "/vobs/src");
  QTest::keyClicks(Control<QComboBox>("txtAttrName")->lineEdit(), "Status");
  EXPECT_TRUE(timer_->isActive());
  EXPECT_TRUE(timer_->isSingleShot());
  EXPECT_EQ(timer_->interval(), 400);
  EXPECT_EQ(CountRuns("describe"), 0);

  FireTimer();
  EXPECT_FALSE(timer_->isActive());
  ASSERT_EQ(CountRuns("describe"), 1);
  EXPECT_EQ(StandInRuns().back(),
            (std::vector<std::string>{"describe", "attype:Status@/vobs/src"}));
  EXPECT_EQ(TypeLabel(), "(Type: String)");
  // The note names only the value type, never a default value.
  EXPECT_FALSE(Control("boxUseDefault")->isEnabled());
}

TEST_F(ApplyAttributePageTest, ReadingLooksTheTypeUpAtOnce) {
  const struct {
    const char *name, *label;
    bool useDefaultEnabled;
    bool valueEnabled;  // the stored choice is "use the default"
  } rows[] = {
      {"BuildNumber", "(Type: Integer)", false, true},
      {"NoSuchType", "", true, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    action_.SetVOBSelector("/vobs/src");
    action_.SetAttributeName(row.name);
    action_.SetUseDefaultAttributeValue(true);
    const int before = CountRuns("describe");
    Open();
    EXPECT_EQ(CountRuns("describe"), before + 1);
    EXPECT_FALSE(timer_->isActive());
    EXPECT_EQ(TypeLabel(), row.label);
    EXPECT_EQ(Control("boxUseDefault")->isEnabled(), row.useDefaultEnabled);
    EXPECT_EQ(Control("txtValue")->isEnabled(), row.valueEnabled);
  }
  Click(Control<QCheckBox>("boxUseDefault"));
  EXPECT_TRUE(Control("txtValue")->isEnabled());
  page_->WriteActionData(action_);
  EXPECT_EQ(Get(action_, "UseDefaultAttributeValue"), "false");
}

TEST_F(ApplyAttributePageTest, NameListNeedsAVob) {
  Open();
  auto* names = Control<QComboBox>("txtAttrName");
  DropDown(names);
  EXPECT_TRUE(StandInRuns().empty());
  Control<QComboBox>("txtVOBSelector")->setEditText("/vobs/src");
  const QStringList listed = DropDown(names);
  EXPECT_TRUE(listed.contains(QStringLiteral("Status")));
  EXPECT_TRUE(listed.contains(QStringLiteral("BuildNumber")));
}

}  // namespace
