#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "clearcase/editors/metadata/object_selector_edit_form.h"
#include "page_fixture.h"
#include "user_input.h"
#include "vycore/ini.h"

namespace {

using clearcase::editors::TClearCaseObjectSelectorEditForm;

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
