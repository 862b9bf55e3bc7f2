#include <gtest/gtest.h>

#include <QAbstractButton>
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
#include "clearcase/editors/registration.h"
#include "clearcase/editors/shared/date_button_edit.h"
#include "page_fixture.h"
#include "vycore/gui/number_edit.h"
#include "vycore/gui/page_registry.h"
#include "vycore/properties.h"

namespace {

using namespace clearcase::editors;
using vy::gui::TVyNumberEdit;

class MetadataPageTest : public cctest::TPageTest {
 protected:
  static std::string Property(const vy::TCustomVyAction& action, const char* name) {
    return vy::GetPropertyText(action, name).value_or("<none>");
  }
  static void Set(vy::TCustomVyAction& action, const char* name, const std::string& value) {
    ASSERT_TRUE(vy::SetPropertyText(action, name, value)) << name;
  }
  static QStringList DropDown(QComboBox* box) {
    box->showPopup();
    box->hidePopup();
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
  }
  // Clicks the box's indicator, where a user clicks, whatever the box's width.
  static void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  static void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
};

// Captions ----------------------------------------------------------------

// An Alt+letter mark must not change a caption: without its "&" each reads
// exactly as written. A control without a caption of its own is captioned by
// the label that leads to it.
TEST_F(MetadataPageTest, CaptionsReadExactlyWithoutTheirKeyboardMarks) {
  struct Row {
    const char* page;
    const char* control;
    const char* caption;
  } rows[] = {
      {"TClearCaseObjectSelectorFrame", "btnAdd", "Add"},
      {"TClearCaseObjectSelectorFrame", "btnEdit", "Edit"},
      {"TClearCaseObjectSelectorFrame", "btnRemove", "Remove"},
      {"TClearCaseMkLbTypeFrame", "txtVOBSelector", "in VOB:"},
      {"TClearCaseMkLbTypeFrame", "boxUpperCase", "Uppercase letters only (recommended)"},
      {"TClearCaseMkLbTypeFrame", "btnOrdinary",
       "Ordinary label (for use in one VOB only.) (-ordinary)"},
      {"TClearCaseMkLbTypeFrame", "btnGlobal",
       "Global label (can be used by client VOBs.) (-global)"},
      {"TClearCaseMkLbTypeFrame", "boxAcquire",
       "Acquire all eclipsing types in client VOBs (-acquire)"},
      {"TClearCaseMkLbTypeFrame", "boxReplace",
       "Replace pre-existing label type definition (-replace)"},
      {"TClearCaseMkLbTypeFrame", "boxShared", "Create shared label type (-shared)"},
      {"TClearCaseMkLbTypeFrame", "btnNoPbranch",
       "Label type can be attached to at most one version of a given element"},
      {"TClearCaseMkLbTypeFrame", "btnPBranch",
       "Label type can be attached to one version per branch in element's version tree (-pbranch)"},
      {"TClearCaseApplyLabelFrame", "txtLabelName", "Label:"},
      {"TClearCaseApplyLabelFrame", "txtVOBSelector", "(optional) VOB:"},
      {"TClearCaseApplyLabelFrame", "boxUseVersionSelector",
       "Only apply label to elements matching version selector:"},
      {"TClearCaseApplyLabelFrame", "boxReplace",
       "Ignore elements which already have the label (-replace)"},
      {"TClearCaseApplyLabelFrame", "boxRecurse", "Recurse into subdirectories (-recurse)"},
      {"TClearCaseApplyLabelFrame", "boxFollow", "Follow VOB symbolic links (-follow)"},
      {"TClearCaseLockFrame", "boxReplace", "Replace any existing locks (-replace)"},
      {"TClearCaseLockFrame", "boxObsolete", "Lock and mark as obsolete (-obsolete)"},
      {"TClearCaseLockFrame", "boxUseNUsers",
       "Allow the following users to modify the locked object (-nusers):"},
      {"TClearCaseMakeAttributeTypeFrame", "txtAttributeName", "Name:"},
      {"TClearCaseMakeAttributeTypeFrame", "txtVOBSelector", "in VOB:"},
      {"TClearCaseMakeAttributeTypeFrame", "cmbType", "Type:"},
      {"TClearCaseMakeAttributeTypeFrame", "boxMin", "Minimum:"},
      {"TClearCaseMakeAttributeTypeFrame", "boxMinInclusive", "Inclusive"},
      {"TClearCaseMakeAttributeTypeFrame", "boxMax", "Maximum:"},
      {"TClearCaseMakeAttributeTypeFrame", "boxMaxInclusive", "Inclusive"},
      {"TClearCaseMakeAttributeTypeFrame", "boxDefault", "Use default value:"},
      {"TClearCaseMakeAttributeTypeOptionsFrame", "boxReplace",
       "Replace pre-existing attribute type definition (-replace)"},
      {"TClearCaseMakeAttributeTypeOptionsFrame", "boxShared", "Make shared type (-shared)"},
      {"TClearCaseMakeAttributeTypeOptionsFrame", "btnOrdinary",
       "Ordinary attribute (for use in one VOB only.) (-ordinary)"},
      {"TClearCaseMakeAttributeTypeOptionsFrame", "btnGlobal",
       "Global attribute (can be used by client VOBs.) (-global)"},
      {"TClearCaseMakeAttributeTypeOptionsFrame", "boxAcquire",
       "Acquire all eclipsing types in client VOBs (-acquire)"},
      {"TClearCaseMakeAttributeTypeOptionsFrame", "btnDefaultUse",
       "Do not constrain attribute application (default)"},
      {"TClearCaseMakeAttributeTypeOptionsFrame", "btnVPelement",
       "Apply to elements only, can be applied to one version of an element only (-vpelement) "},
      {"TClearCaseMakeAttributeTypeOptionsFrame", "btnVPBranch",
       "Apply to elements only, can be applied to one version of an element per branch "
       "(-vpbranch) "},
      {"TClearCaseMakeAttributeTypeOptionsFrame", "btnVPVersion",
       "Apply to elements only (-vpversion) "},
      {"TClearCaseApplyAttributeFrame", "txtVOBSelector", "VOB:"},
      {"TClearCaseApplyAttributeFrame", "txtAttrName", "Name:"},
      {"TClearCaseApplyAttributeFrame", "boxUseDefault", "Use default value"},
      {"TClearCaseApplyAttributePathNamesFrame", "boxUseVersion", "Apply to a Specific Version:"},
      {"TClearCaseApplyAttributePathNamesFrame", "boxReplace",
       "Replace pre-existing attributes of the same name (-replace)"},
      {"TClearCaseApplyAttributePathNamesFrame", "boxRecurse",
       "Recurse into subdirectories (-recurse)"},
      {"TClearCaseApplyAttributeObjectsFrame", "boxReplace",
       "Replace pre-existing attributes of the same name (-replace)"},
  };
  clearcase::editors::RegisterMetadataPages();
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.page) + " " + row.control);
    std::unique_ptr<vy::gui::TVyActionPage> page = vy::gui::CreateActionPage(row.page);
    ASSERT_NE(page, nullptr);
    auto* control = Find<QWidget>(page.get(), row.control);
    QString caption;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      caption = button->text();
    } else {
      for (const QLabel* label : page->findChildren<QLabel*>())
        if (label->buddy() == control) caption = label->text();
    }
    EXPECT_EQ(caption.remove(u'&').toStdString(), row.caption);
  }
}

// Label type name ---------------------------------------------------------

TEST_F(MetadataPageTest, LabelTypeNameKeepsAStoredMixedCaseAndCapitalizesTyping) {
  struct Row {
    const char* stored;
    bool upperCase;  // the box after reading
    const char* typed;
    const char* saved;
  } rows[] = {
      {"REL_1", true, "rel_2", "REL_2"},
      {"Rel_1", false, "rel_2", "rel_2"},
      {"", true, "nightly", "NIGHTLY"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.stored);
    clearcase::TClearCaseMkLbTypeAction action;
    action.SetLabelTypeName(row.stored);
    auto page = Open<TClearCaseMkLbTypeFrame>(action);
    auto* name = Find<QLineEdit>(page.get(), "txtLabelSelector");
    EXPECT_EQ(Find<QCheckBox>(page.get(), "boxUpperCase")->isChecked(), row.upperCase);
    EXPECT_EQ(name->text().toStdString(), row.stored);
    page->WriteActionData(action);
    EXPECT_EQ(Property(action, "LabelTypeName"), row.stored);
    Retype(name, row.typed);
    page->WriteActionData(action);
    EXPECT_EQ(Property(action, "LabelTypeName"), row.saved);
  }
}

TEST_F(MetadataPageTest, AcquireOnlyForAGlobalLabelType) {
  clearcase::TClearCaseMkLbTypeAction action;
  Set(action, "MakeGlobal", "true");
  Set(action, "Acquire", "true");
  auto page = Open<TClearCaseMkLbTypeFrame>(action);
  auto* acquire = Find<QCheckBox>(page.get(), "boxAcquire");
  EXPECT_TRUE(acquire->isEnabled());
  Click(Find<QRadioButton>(page.get(), "btnOrdinary"));
  EXPECT_FALSE(acquire->isEnabled());
  page->WriteActionData(action);
  EXPECT_EQ(Property(action, "MakeGlobal"), "false");
}

// VOB and label lists -----------------------------------------------------

TEST_F(MetadataPageTest, VobListIsAskedForOncePerPageUnlessItCameBackEmpty) {
  UseStandIn();
  clearcase::TClearCaseMkLbTypeAction action;
  auto page = Open<TClearCaseMkLbTypeFrame>(action);
  auto* vobs = Find<QComboBox>(page.get(), "txtVOBSelector");
  EXPECT_EQ(vobs->count(), 1);  // one empty entry until it drops down
  EXPECT_EQ(vobs->itemText(0), QString());
  EXPECT_TRUE(StandInRuns().empty());
  {
    vytest::TScopedEnv failing("CLEARTOOL_SIM_FAULT", "lsvob=exit:2");
    vobs->showPopup();
    vobs->hidePopup();
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

TEST_F(MetadataPageTest, VersionSelectorOnlyWhileItsBoxIsTicked) {
  clearcase::TClearCaseApplyLabelAction action;
  Set(action, "UseVersionSelector", "true");
  Set(action, "VersionSelector", "/main/LATEST");
  auto page = Open<TClearCaseApplyLabelFrame>(action);
  auto* selector = Find<QLineEdit>(page.get(), "txtVersionSelector");
  EXPECT_TRUE(selector->isEnabled());
  Click(Find<QCheckBox>(page.get(), "boxUseVersionSelector"));
  EXPECT_FALSE(selector->isEnabled());
  page->WriteActionData(action);
  EXPECT_EQ(Property(action, "UseVersionSelector"), "false");
  EXPECT_EQ(Property(action, "VersionSelector"), "/main/LATEST");
}

// Lock --------------------------------------------------------------------

TEST_F(MetadataPageTest, LockUsersShowOneALineAndAreStoredCommaSeparated) {
  struct Row {
    const char* typed;
    const char* stored;
    const char* shownAgain;
  } rows[] = {
      {"alice,\nbob,", "alice,bob", "alice,\nbob\n"},
      {"alice, bob ,carol", "alice,bob,carol", "alice,\nbob,\ncarol\n"},
      {"alice,, \n\n", "alice", "alice\n"},
      {"", "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    clearcase::TClearCaseLockObjectsAction action;
    Set(action, "UseNUsers", "true");
    auto page = Open<TClearCaseLockFrame>(action);
    auto* users = Find<QPlainTextEdit>(page.get(), "txtNUsersList");
    users->setPlainText(QString::fromLatin1(row.typed));
    page->WriteActionData(action);
    EXPECT_EQ(Property(action, "NUsersList"), row.stored);
    page->ReadActionData(action);
    EXPECT_EQ(users->toPlainText().toStdString(), row.shownAgain);
  }
}

TEST_F(MetadataPageTest, ObsoleteAndExemptUsersExcludeEachOther) {
  clearcase::TClearCaseLockPathNamesAction action;
  Set(action, "UseNUsers", "true");
  Set(action, "Obsolete", "true");
  auto page = Open<TClearCaseLockFrame>(action);
  auto* obsolete = Find<QCheckBox>(page.get(), "boxObsolete");
  auto* useUsers = Find<QCheckBox>(page.get(), "boxUseNUsers");
  auto* users = Find<QPlainTextEdit>(page.get(), "txtNUsersList");
  EXPECT_TRUE(obsolete->isChecked());
  EXPECT_FALSE(useUsers->isChecked());
  EXPECT_FALSE(users->isEnabled());

  Click(useUsers);
  EXPECT_FALSE(obsolete->isChecked());
  EXPECT_TRUE(users->isEnabled());
  Click(obsolete);
  EXPECT_FALSE(useUsers->isChecked());
  EXPECT_FALSE(users->isEnabled());
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
  struct Row {
    clearcase::TClearCaseAttributeType type;
    bool ranged;         // Minimum and Maximum can be ticked
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
  Open(clearcase::atString);
  for (const Row& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.type));
    Control<QComboBox>("cmbType")->setCurrentIndex(row.type);
    EXPECT_EQ(Control("boxMin")->isEnabled(), row.ranged);
    EXPECT_EQ(Control("boxMax")->isEnabled(), row.ranged);
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

TEST_F(AttributeTypePageTest, UnrangedTypesDisableTheBoundsWhateverIsTicked) {
  action_.SetUseMin(true);
  action_.SetUseMax(true);
  for (auto type : {clearcase::atString, clearcase::atOpaque}) {
    SCOPED_TRACE(static_cast<int>(type));
    Open(type);
    for (const char* name :
         {"boxMin", "txtMinNum", "boxMinInclusive", "boxMax", "txtMaxNum", "boxMaxInclusive"})
      EXPECT_FALSE(Control(name)->isEnabled()) << name;
  }
  Open(clearcase::atInteger);
  for (const char* name : {"txtMinNum", "boxMinInclusive", "txtMaxNum", "boxMaxInclusive"})
    EXPECT_TRUE(Control(name)->isEnabled()) << name;
  Click(Control<QCheckBox>("boxMin"));
  EXPECT_FALSE(Control("txtMinNum")->isEnabled());
  EXPECT_TRUE(Control("txtMaxNum")->isEnabled());
}

TEST_F(AttributeTypePageTest, NumbersAreShownGroupedAndStoredPlain) {
  struct Row {
    clearcase::TClearCaseAttributeType type;
    const char* stored;
    const char* shown;
    const char* storedBack;
  } rows[] = {
      {clearcase::atInteger, "10", "10", "10"},
      {clearcase::atInteger, "-1234567", "(1,234,567)", "-1234567"},
      {clearcase::atInteger, "2.6", "3", "3"},
      {clearcase::atInteger, "ten", "0", "0"},
      {clearcase::atInteger, "", "0", "0"},
      {clearcase::atReal, "-1234.5", "(1,234.5)", "-1234.5"},
      {clearcase::atOpaque, "7", "7", "7"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.stored);
    action_.SetMinValue(row.stored);
    action_.SetMaxValue(row.stored);
    action_.SetDefaultValue(row.stored);
    Open(row.type);
    for (const char* name : {"txtMinNum", "txtMaxNum", "txtDefaultValueNumeric"})
      EXPECT_EQ(Control<QLineEdit>(name)->text().toStdString(), row.shown) << name;
    Write();
    for (const char* name : {"MinValue", "MaxValue", "DefaultValue"})
      EXPECT_EQ(Property(action_, name), row.storedBack) << name;
  }
}

TEST_F(AttributeTypePageTest, TypedNumbersAreStoredPlain) {
  action_.SetUseMin(true);
  Open(clearcase::atInteger);
  auto* minimum = Control<QLineEdit>("txtMinNum");
  Retype(minimum, "(1,5x00)");  // the letter is refused
  Write();
  EXPECT_EQ(Property(action_, "MinValue"), "-1500");
}

TEST_F(AttributeTypePageTest, DatesAndStringsAreStoredAsTyped) {
  action_.SetMinValue("yesterday");
  action_.SetMaxValue("today.14:05:00");
  action_.SetDefaultValue("now");
  Open(clearcase::atDate);
  EXPECT_EQ(Control<TClearCaseDateButtonEdit>("minDateFrame")->DateString(), "yesterday");
  Write();
  EXPECT_EQ(Property(action_, "MinValue"), "yesterday");
  EXPECT_EQ(Property(action_, "MaxValue"), "today.14:05:00");
  EXPECT_EQ(Property(action_, "DefaultValue"), "now");

  action_.SetDefaultValue("untested, for now");
  Open(clearcase::atString);
  Write();
  EXPECT_EQ(Property(action_, "DefaultValue"), "untested, for now");
}

TEST_F(AttributeTypePageTest, SwitchingFromIntegerToDateMovesTheValuesToTheDateEditors) {
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
  EXPECT_EQ(Property(action_, "NewAttributeType"), "atDate");
  EXPECT_EQ(Property(action_, "DefaultValue"), "today");
  EXPECT_EQ(Property(action_, "MinValue"), "yesterday");
}

TEST_F(AttributeTypePageTest, DefaultBoxEnablesTheTextDefault) {
  Open(clearcase::atString);
  auto* text = Control("txtDefaultValue");
  EXPECT_FALSE(text->isEnabled());
  Click(Control<QCheckBox>("boxDefault"));
  EXPECT_TRUE(text->isEnabled());
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
  struct Row {
    const char* name;
    const char* label;
    bool useDefaultEnabled;
    bool valueEnabled;  // the stored choice is "use the default"
  } rows[] = {
      {"BuildNumber", "(Type: Integer)", false, true},
      {"NoSuchType", "", true, false},
  };
  for (const Row& row : rows) {
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
  EXPECT_EQ(Property(action_, "UseDefaultAttributeValue"), "false");
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
