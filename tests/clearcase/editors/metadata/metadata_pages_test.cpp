// The label, lock, object and attribute pages: the rules each adds to plain loading
// and storing and to switching controls on and off (which the round trip file
// covers); and the dialog that edits one object selector.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "../element/type_pages.h"
#include "clearcase/actions/metadata/make_attribute_type_action.h"
#include "clearcase/editors/metadata/apply_attribute_frame.h"
#include "clearcase/editors/metadata/object_selector_edit_form.h"
#include "clearcase/editors/shared/date_button_edit.h"
#include "vycore/gui/number_edit.h"
#include "vycore/ini.h"

namespace {

using cctest::DropDown;
using clearcase::editors::TClearCaseApplyAttributeFrame;
using clearcase::editors::TClearCaseDateButtonEdit;
using clearcase::editors::TClearCaseObjectSelectorEditForm;
using vy::gui::TVyNumberEdit;

using MetadataPageTest = cctest::TTypePagesTest;

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
    OpenPages("CC_MKLBTYPE", {{"LabelTypeName", row.stored}});
    EXPECT_EQ(C<QCheckBox>("boxUpperCase")->isChecked(), row.upperCase);
    C<QLineEdit>("txtLabelSelector")->clear();
    QTest::keyClicks(C("txtLabelSelector"), row.typed);
    EXPECT_EQ(Written("LabelTypeName"), row.saved);
  }
}

TEST_F(MetadataPageTest, VobListIsAskedForOncePerPageUnlessItCameBackEmpty) {
  UseStandIn();
  OpenPages("CC_MKLBTYPE");
  auto* vobs = C<QComboBox>("txtVOBSelector");
  EXPECT_EQ(vobs->count(), 1);  // one empty entry until it drops down
  {
    vytest::TScopedEnv failing("CLEARTOOL_SIM_FAULT", "lsvob=exit:2");
    DropDown(vobs);
  }
  EXPECT_TRUE(DropDown(vobs).contains(QStringLiteral("/vobs/src")));
  DropDown(vobs);
  EXPECT_EQ(CountRuns("lsvob"), 2);
}

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
    OpenPages("CC_LOCK_OBJ", {{"UseNUsers", "true"}});
    auto* users = C<QPlainTextEdit>("txtNUsersList");
    users->setPlainText(QString::fromLatin1(row.typed));
    EXPECT_EQ(Written("NUsersList"), row.stored);
    for (auto& page : pages_) page->ReadActionData(*action_);
    EXPECT_EQ(users->toPlainText().toStdString(), row.shownAgain);
  }
}

TEST_F(MetadataPageTest, ObjectsPageAddsOnOkOnlyAndEditsTheChosenEntry) {
  using TForm = TClearCaseObjectSelectorEditForm;
  OpenPages("CC_LOCK_OBJ",
            {{"ObjectsStorageString", "lbtype:REL_1@/vobs/src\r\nvob:/vobs/src\r\n"}});
  auto* list = C<QListWidget>("listObjects");
  EXPECT_EQ(qobject_cast<vy::gui::TVyActionPage*>(list->window())->PageName(), "Objects");
  for (const auto& entry : {std::pair{"brtype:x@/vobs/src", false},
                            std::pair{"brtype:maint@/vobs/src", true}, std::pair{"", true}}) {
    cctest::AnswerNextDialog<TForm>([entry](TForm& form) {
      form.findChild<QLineEdit*>("txtObjectSelector")->setText(entry.first);
      entry.second ? form.accept() : form.reject();
    });
    QTest::mouseClick(C<QPushButton>("btnAdd"), Qt::LeftButton);
  }
  EXPECT_EQ(Written("ObjectsStorageString"),
            "lbtype:REL_1@/vobs/src\r\nvob:/vobs/src\r\nbrtype:maint@/vobs/src\r\n\r\n");

  EXPECT_FALSE(C("btnEdit")->isEnabled());  // the keyboard test covers Remove
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(0)).center());
  EXPECT_TRUE(C("btnEdit")->isEnabled());
  std::string shown;
  cctest::AnswerNextDialog<TForm>([&shown](TForm& form) {
    shown = form.GetObjectSelector().toStdString();
    form.findChild<QComboBox*>("txtObjectName")->setEditText("REL_2");
    form.accept();
  });
  QTest::mouseClick(C<QPushButton>("btnEdit"), Qt::LeftButton);
  EXPECT_EQ(shown, "lbtype:REL_1@/vobs/src");
  EXPECT_EQ(Written("ObjectsStorageString"),
            "lbtype:REL_2@/vobs/src\r\nvob:/vobs/src\r\nbrtype:maint@/vobs/src\r\n\r\n");
}

// Make attribute type -----------------------------------------------------

TEST_F(MetadataPageTest, AttributeTypeDecidesWhichValueControlsShow) {
  // Which boxes show for a string, a whole number and a date the keyboard
  // test's orders tell.
  const struct {
    clearcase::TClearCaseAttributeType type;
    bool ranged;         // the bounds can be used, ticked or not
    bool defaultIsText;  // the default is the text/date box
    bool defaultButton, wholeNumbers;
  } rows[] = {
      {clearcase::atString, false, true, false, false},
      {clearcase::atInteger, true, false, false, true},
      {clearcase::atReal, true, false, false, false},
      {clearcase::atDate, true, true, true, false},
      {clearcase::atOpaque, false, false, false, false},
  };
  OpenPages("CC_MKATTRTYPE", {{"UseMin", "true"}, {"UseMax", "true"}});
  for (const auto& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.type));
    C<QComboBox>("cmbType")->setCurrentIndex(row.type);
    for (const char* name : {"boxMin", "boxMinInclusive", "boxMax", "boxMaxInclusive"})
      EXPECT_EQ(C(name)->isEnabled(), row.ranged) << name;
    EXPECT_EQ(C("txtDefaultValue")->isVisible(), row.defaultIsText);
    EXPECT_EQ(C("txtDefaultValueNumeric")->isVisible(), !row.defaultIsText);
    EXPECT_EQ(C<TClearCaseDateButtonEdit>("txtDefaultValue")->ShowButton(), row.defaultButton);
    const auto kind =
        row.wholeNumbers ? TVyNumberEdit::Kind::Integer : TVyNumberEdit::Kind::Decimal;
    EXPECT_EQ(C<TVyNumberEdit>("txtMinNum")->NumberKind(), kind);
    EXPECT_EQ(C<TVyNumberEdit>("txtDefaultValueNumeric")->NumberKind(), kind);
  }
}

TEST_F(MetadataPageTest, AttributeNumbersAreRoundedOrZeroAndStoredPlain) {
  // Grouping itself is the number box's.
  const struct {
    const char *type, *stored, *shown, *storedBack;
  } rows[] = {
      {"atInteger", "2.6", "3", "3"},
      {"atInteger", "ten", "0", "0"},
      {"atReal", "-1234.5", "(1,234.5)", "-1234.5"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.stored);
    OpenPages("CC_MKATTRTYPE", {{"NewAttributeType", row.type},
                                {"MinValue", row.stored},
                                {"MaxValue", row.stored},
                                {"DefaultValue", row.stored}});
    for (const char* name : {"txtMinNum", "txtMaxNum", "txtDefaultValueNumeric"})
      EXPECT_EQ(C<QLineEdit>(name)->text().toStdString(), row.shown) << name;
    WritePages();
    for (const char* name : {"MinValue", "MaxValue", "DefaultValue"})
      EXPECT_EQ(Get(*action_, name), row.storedBack) << name;
  }
}

TEST_F(MetadataPageTest, AttributeIntegerToDateMovesValuesToTheDateEditors) {
  OpenPages(
      "CC_MKATTRTYPE",
      {{"NewAttributeType", "atInteger"}, {"UseDefaultValue", "true"}, {"DefaultValue", "5"}});
  C<QComboBox>("cmbType")->setCurrentIndex(clearcase::atDate);
  EXPECT_TRUE(C("txtDefaultValue")->isEnabled());
  C<TClearCaseDateButtonEdit>("txtDefaultValue")->SetDateString("today");
  C<TClearCaseDateButtonEdit>("minDateFrame")->SetDateString("yesterday");
  EXPECT_EQ(Written("NewAttributeType"), "atDate");
  EXPECT_EQ(Get(*action_, "DefaultValue"), "today");
  EXPECT_EQ(Get(*action_, "MinValue"), "yesterday");
}

// Apply attribute ---------------------------------------------------------

class ApplyAttributePageTest : public cctest::TTypePagesTest {
 protected:
  void SetUp() override {
    TTypePagesTest::SetUp();
    UseStandIn();
  }
  void Open(const cctest::TStored& stored = {}) {
    OpenPages("CC_APPLYATTR_OBJ", stored);
    timer_ = qobject_cast<TClearCaseApplyAttributeFrame*>(C("lblType")->window())->TypeTimer();
  }
  // What the timer does when 400 ms have passed, without waiting for them.
  void FireTimer() { QMetaObject::invokeMethod(timer_, "timeout", Qt::DirectConnection); }
  std::string TypeLabel() const { return C<QLabel>("lblType")->text().toStdString(); }

  QTimer* timer_ = nullptr;
};

TEST_F(ApplyAttributePageTest, TypingLooksTheTypeUpOnceAfterThePause) {
  Open();
  EXPECT_EQ(CountRuns("describe"), 0);  // nothing to look up yet
  QTest::keyClicks(C<QComboBox>("txtVOBSelector")->lineEdit(), "/vobs/src");
  QTest::keyClicks(C<QComboBox>("txtAttrName")->lineEdit(), "Status");
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
  EXPECT_FALSE(C("boxUseDefault")->isEnabled());
}

TEST_F(ApplyAttributePageTest, ReadingLooksTheTypeUpAtOnce) {
  const struct {
    const char *name, *label;
    bool useDefaultEnabled, valueEnabled;  // the stored choice is "use the default"
  } rows[] = {
      {"BuildNumber", "(Type: Integer)", false, true},
      {"NoSuchType", "", true, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const int before = CountRuns("describe");
    Open({{"VOBSelector", "/vobs/src"},
          {"AttributeName", row.name},
          {"UseDefaultAttributeValue", "true"}});
    EXPECT_EQ(CountRuns("describe"), before + 1);
    EXPECT_FALSE(timer_->isActive());
    EXPECT_EQ(TypeLabel(), row.label);
    EXPECT_EQ(C("boxUseDefault")->isEnabled(), row.useDefaultEnabled);
    EXPECT_EQ(C("txtValue")->isEnabled(), row.valueEnabled);
  }
  cctest::Click(C<QCheckBox>("boxUseDefault"));
  EXPECT_TRUE(C("txtValue")->isEnabled());
}

// Object selector dialog --------------------------------------------------

// Entries of the kind list.
constexpr int kNone = 0, kVob = 1, kLabel = 6, kActivity = 10, kBaseline = 11, kComponent = 12,
              kFolder = 13, kStream = 15;

class SelectorFormTest : public cctest::TPageTest {
 protected:
  void SetUp() override {
    TPageTest::SetUp();
    form_ = std::make_unique<TClearCaseObjectSelectorEditForm>();
    form_->show();
  }

  template <class Widget = QComboBox>
  Widget* Control(const char* name) const {
    return Find<Widget>(form_.get(), name);
  }
  // Empties a box and types into it.
  void Type(const char* name, const QString& text) const {
    QWidget* control = Control<QWidget>(name);
    auto* edit = qobject_cast<QLineEdit*>(control);
    if (edit == nullptr) edit = qobject_cast<QComboBox*>(control)->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  void ChooseKind(int kind) const { Control("cmbObjectTypeName")->setCurrentIndex(kind); }
  std::string Text(const char* name) const {
    QWidget* control = Control<QWidget>(name);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(control))
      return QString(label->text()).remove(u'&').toStdString();
    return qobject_cast<QComboBox*>(control)->currentText().toStdString();
  }
  std::string Selector() const { return form_->GetObjectSelector().toStdString(); }
  QStringList DropDown(const char* name) const { return cctest::DropDown(Control(name)); }

  std::unique_ptr<TClearCaseObjectSelectorEditForm> form_;
};

TEST_F(SelectorFormTest, PartsComposeTheSelector) {
  ChooseKind(kLabel);
  Type("txtVOB", "/vobs/src");
  Type("txtObjectName", "REL_1");
  EXPECT_EQ(Selector(), "lbtype:REL_1@/vobs/src");
  ChooseKind(kVob);  // the VOB box is the name
  EXPECT_EQ(Text("txtObjectName"), "/vobs/src");
  EXPECT_FALSE(Control("txtVOB")->isEnabled());
  EXPECT_EQ(Selector(), "vob:/vobs/src");

  ChooseKind(kActivity);  // a new kind starts with an empty name
  EXPECT_TRUE(Control("txtVOB")->isEnabled());
  EXPECT_EQ(Text("txtObjectName"), "");
  EXPECT_EQ(Selector(), "activity:");
  Type("txtObjectName", "fix_23");
  EXPECT_EQ(Selector(), "activity:fix_23");
}

TEST_F(SelectorFormTest, KindSetsLabelsAndFilters) {
  const struct {
    int kind;
    const char *nameLabel, *vobLabel;
    bool project, stream;
  } rows[] = {
      {kLabel, "Label Name:", "VOB:", false, false},
      {kActivity, "UCM Activity Name:", "PVOB:", true, true},
      {kStream, "UCM Stream Name:", "PVOB:", true, false},
      {kFolder, "UCM Folder Name:", "PVOB:", false, false},
      {kNone, "Selector Object Name:", "VOB:", false, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.kind);
    ChooseKind(row.kind);
    EXPECT_EQ(Control("cmbObjectTypeTag")->currentIndex(), row.kind);
    EXPECT_EQ(Text("lblObjName"), row.nameLabel);
    EXPECT_EQ(Text("lblVOB"), row.vobLabel);
    EXPECT_EQ(Control("cmbProject")->isEnabled(), row.project);
    EXPECT_EQ(Control("cmbStream")->isEnabled(), row.stream);
  }
}

TEST_F(SelectorFormTest, TypedSelectorFillsThePartsAndStaysAsTyped) {
  const struct {
    const char* typed;
    int kind;
    const char *vob, *name;
  } rows[] = {
      {"stream:int@/vobs/pvob", kStream, "/vobs/pvob", "int"},
      {"LBTYPE:Rel", kLabel, "", "Rel"},                     // the prefix in any case
      {"lbtype:a@b@/vobs/src", kLabel, "b@/vobs/src", "a"},  // cut at the first "@"
      {"plain", kNone, "", "plain"},  // no prefix is the empty prefix of the first entry
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    Type("txtObjectSelector", row.typed);
    EXPECT_EQ(Selector(), row.typed);
    EXPECT_EQ(Control("cmbObjectTypeName")->currentIndex(), row.kind);
    EXPECT_EQ(Control("cmbObjectTypeTag")->currentIndex(), row.kind);
    EXPECT_EQ(Text("txtVOB"), row.vob);
    EXPECT_EQ(Text("txtObjectName"), row.name);
  }
  // A pasted selector of an unknown kind leaves the kind where it was.
  Type("txtObjectSelector", "lbtype:x");
  Control<QLineEdit>("txtObjectSelector")->setText("replica:r1");
  EXPECT_EQ(Control("cmbObjectTypeName")->currentIndex(), kLabel);
  EXPECT_EQ(Text("txtObjectName"), "r1");
  // Moving the kind by parsing is not choosing it: the labels stay.
  EXPECT_EQ(Text("lblVOB"), "VOB:");
  EXPECT_EQ(Text("lblObjName"), "Selector Object Name:");
  EXPECT_FALSE(Control("cmbProject")->isEnabled());
  // Given the selector, the dialog rebuilds it and keeps what it cannot
  // classify.
  TClearCaseObjectSelectorEditForm given;
  given.SetObjectSelector(QStringLiteral("replica:r1@/vobs/src"));
  EXPECT_EQ(given.GetObjectSelector().toStdString(), "replica:r1@/vobs/src");
}

TEST_F(SelectorFormTest, VobAndPvobListsAreAskedForOncePerDialog) {
  UseStandIn();
  ChooseKind(kLabel);
  {  // an empty answer is asked for again
    vytest::TScopedEnv failing("CLEARTOOL_SIM_FAULT", "lsvob=exit:2");
    EXPECT_EQ(DropDown("txtVOB"), QStringList{});
  }
  EXPECT_TRUE(DropDown("txtVOB").contains(QStringLiteral("/vobs/src")));
  DropDown("txtVOB");
  EXPECT_EQ(CountRuns("lsvob"), 2);

  ChooseKind(kActivity);
  EXPECT_EQ(DropDown("txtVOB"), QStringList{QStringLiteral("/vobs/pvob")});
  DropDown("txtVOB");
  EXPECT_EQ(CountRuns("lsvob"), 3);

  TClearCaseObjectSelectorEditForm another;  // a new dialog asks again
  Find<QComboBox>(&another, "txtVOB")->showPopup();
  EXPECT_EQ(CountRuns("lsvob"), 4);
}

TEST_F(SelectorFormTest, ProjectListWithoutVobIsOneEmptyEntryAndDropsAStrayStream) {
  UseStandIn();
  ChooseKind(kActivity);
  Type("cmbStream", "int");
  EXPECT_EQ(DropDown("cmbProject"), QStringList{QString()});
  EXPECT_EQ(Text("cmbStream"), "");
  EXPECT_TRUE(StandInRuns().empty());

  Type("txtVOB", "/vobs/pvob");
  Type("cmbStream", "dev_alice");
  EXPECT_EQ(DropDown("cmbProject"), QStringList{QStringLiteral("webshop")});
  EXPECT_EQ(Text("cmbStream"), "dev_alice");  // the project's streams hold it
  EXPECT_EQ(CountRuns("lsproject"), 1);
  EXPECT_EQ(CountRuns("lsstream"), 1);
}

TEST_F(SelectorFormTest, NameListComesFromTheNarrowestFilterGiven) {
  UseStandIn();
  const struct {
    int kind;
    const char *vob, *project, *stream;
    std::vector<std::string> argv;  // the run that fills the list
  } rows[] = {
      // clang-format off
      {kLabel, "/vobs/src", "", "", {"lstype", "-short", "-kind", "lbtype", "-invob", "/vobs/src"}},
      {kActivity, "/vobs/pvob", "webshop", "dev_alice", {"lsactivity", "-short", "-in", "dev_alice@/vobs/pvob"}},
      {kActivity, "/vobs/pvob", "webshop", "", {"lsactivity", "-short", "-in", "webshop@/vobs/pvob"}},
      {kBaseline, "/vobs/pvob", "", "webshop_int", {"lsbl", "-short", "-stream", "webshop_int@/vobs/pvob"}},
      {kComponent, "/vobs/pvob", "", "dev_alice", {"lsstream", "-l", "dev_alice@/vobs/pvob"}},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.argv.back());
    ChooseKind(row.kind);
    Type("txtVOB", row.vob);
    if (Control("cmbProject")->isEnabled()) Type("cmbProject", row.project);
    if (Control("cmbStream")->isEnabled()) Type("cmbStream", row.stream);
    DropDown("txtObjectName");
    ASSERT_FALSE(StandInRuns().empty());
    EXPECT_EQ(StandInRuns().back(), row.argv);
  }
}

TEST_F(SelectorFormTest, PreferredInputIsRememberedOnOkAndCancelAlike) {
  const std::string ini = vy::GetVyUserIniFileName();
  const auto remembered = [&ini] {
    return vy::IniReadBool(ini, "ClearCase", "UsingCustomObjectSelector", false);
  };
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  EXPECT_FALSE(form_->UsingCustomSelector());
  Control<QLineEdit>("txtObjectSelector")->setFocus();
  EXPECT_TRUE(form_->UsingCustomSelector());
  form_->reject();
  EXPECT_TRUE(remembered());

  TClearCaseObjectSelectorEditForm next;
  next.show();
  next.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&next));
  EXPECT_TRUE(next.UsingCustomSelector());
  EXPECT_EQ(next.focusWidget(), Find<QLineEdit>(&next, "txtObjectSelector"));
  Find<QComboBox>(&next, "txtObjectName")->setFocus();
  EXPECT_FALSE(next.UsingCustomSelector());
  next.accept();
  EXPECT_FALSE(remembered());
}

TEST_F(SelectorFormTest, KeyboardReachesEveryPartInOrder) {
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  ChooseKind(kActivity);  // every part enabled

  std::vector<std::string> order;
  for (QWidget* w = form_->nextInFocusChain(); w != form_.get(); w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) && w->focusProxy() == nullptr && w->isVisible())
      order.push_back(w->objectName().toStdString());
  }
  ASSERT_EQ(order,
            (std::vector<std::string>{"cmbObjectTypeName", "txtVOB", "cmbProject", "cmbStream",
                                      "txtObjectName", "txtObjectSelector", "btnOK", "btnCancel"}));

  const Qt::Key letters[] = {Qt::Key_T, Qt::Key_V, Qt::Key_P, Qt::Key_S, Qt::Key_N, Qt::Key_R};
  for (std::size_t i = 0; i < std::size(letters); ++i) {
    SCOPED_TRACE(order[i]);
    QTest::keyClick(QApplication::focusWidget(), letters[i], Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>(order[i].c_str()));
  }
}

}  // namespace
