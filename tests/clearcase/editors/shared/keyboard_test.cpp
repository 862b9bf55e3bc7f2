// Every page without a mouse. Each registered page is opened in a window
// beside the property dialog's own buttons, and
// - Tab, pressed from the first control, reaches every enabled control (a
//   group of radio buttons counts as reached through any of its buttons, the
//   arrow keys doing the rest);
// - the controls come in the order the page lists them (its row below);
// - no two controls of the window answer the same Alt+letter, and every
//   label's letter leads somewhere.
//
// Every registered page needs a row.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "clearcase/editors/registration.h"
#include "clearcase/plugin/catalogue.h"
#include "page_fixture.h"
#include "vycore/gui/page_registry.h"
#include "vycore/properties.h"

namespace {

using TOrder = std::vector<std::string>;

// The view panel as it takes part in a page's order.
#define VIEW_PANEL "btnDefaultView", "btnCustomView", "txtViewPath"

// clang-format off
const std::map<std::string, TOrder> kOrders = {
    {"TClearCaseOptionsFrame", {"editCleartoolPath", "editDefaultView", "boxCheckClearCaseType", "btnClearCase",
                                "btnClearCaseLT", "txtDesignTimeout", "boxDesignLocal"}},
    {"TClearCaseViewPathNameFrame", {"pathsListBox", "addButton", "editButton", "remButton"}},
    {"TClearCaseExtendedPathNameFrame", {"pathsListBox", "addButton", "editButton", "remButton", VIEW_PANEL}},
    {"TClearCaseCommentFrame", {"btnNoComment", "btnComment", "txtComment"}},
    {"TClearCaseActivitySelectorFrame", {VIEW_PANEL, "btnCurrentActivity", "btnCustomActivity", "txtActivityName",
                                         "txtVOBSelector"}},
    {"TClearCaseCheckOutFrame", {"btnReserved", "btnUnreserved", "boxLazyReserved", "btnViewDefault", "btnOut",
                                 "txtExternalPath", "btnNData", "boxPTime", "btnSelModeDefault", "btnSelModeBranch",
                                 "txtBranchName", "btnSelModeVersion", "txtVersionName"}},
    {"TClearCaseCheckInFrame", {"boxKeep", "boxRemove", "boxPTime", "boxNoWarn", "boxIdentical"}},
    {"TClearCaseUnCheckOutFrame", {"boxKeep"}},
    {"TClearCaseUnCheckOutActivityFrame", {"boxKeep", VIEW_PANEL}},
    {"TClearCaseUpdateFrame", {"checkPretend", "overwriteButton", "noOverwriteButton", "renameButton",
                               "TSdefaultButton", "TSctimeButton", "TSptimeButton", VIEW_PANEL}},
    {"TClearCaseMakeElementFrame", {"btnCheckedOut", "btnCheckedIn", "btnNoCheckOut", "boxPreserveTime",
                                    "boxUseElementType", "txtElementType", "boxMakePath", "boxNoWarn", "boxMaster"}},
    {"TClearCaseFindCheckoutsFrame", {VIEW_PANEL, "boxVariable", "cmbVariable", "boxShort", "chkRecurse"}},
    {"TClearCaseGetConfigSpecFrame", {VIEW_PANEL, "boxUseFile", "txtFilePath"}},
    {"TClearCaseSetConfigSpecFrame", {VIEW_PANEL, "btnCurrent", "btnDefault", "btnStream", "btnFile",
                                      "txtSpecFile"}},
    {"TClearCaseCleartoolFrame", {"txtCommand", "txtArgs", "boxLogOutput", "cmbVariable", VIEW_PANEL}},
    {"TClearCaseMakeActivityFrame", {VIEW_PANEL, "btnGenerateName", "btnCustomName", "txtActivityName",
                                     "txtVOBSelector", "txtHeadline", "boxNSet"}},
    {"TClearCaseMakeBaselineFrame", {VIEW_PANEL, "btnUseBaselineNameTemplate", "btnUseRootName",
                                     "txtBaselineRootName", "btnAll", "btnComponents", "edtComponents",
                                     "btnAddComp", "btnActivities", "edtActivities", "btnAddAct"}},
    {"TClearCaseMakeBaseLineLabelFrame", {"btnIncremental", "btnFulllabel", "btnNlabel"}},
    {"TClearCaseMakeBaselineFromLabelFrame", {VIEW_PANEL, "btnSpecifyComponents", "txtComponent", "txtLabel",
                                              "txtVOB"}},
    {"TClearCaseChangeBaselineFrame", {"cmbPVOB", "cmbBaseline", "boxApplyPromo", "cmbPromo", "rbNone",
                                       "rbIncremental", "rbFull", "boxRecurse"}},
    {"TClearCaseChangeStreamFrame", {"cmbPVOB", "cmbProject", "cmbStream", "btnNoRecommend", "btnRecommendDefault",
                                     "btnRecommend", "btnClear", "listBaselines", "cmbBaseline", "btnBLAdd",
                                     "btnBLRemove"}},
    {"TClearCaseChangeStreamOptionsFrame", {"boxPolicyEnable", "txtPolicyEnable", "boxPolicyDisable",
                                            "txtPolicyDisable", "boxGenerate", "rbNoDeliverStream",
                                            "rbChangeDeliverStream", "txtDeliverStream", "rbClearDeliverStream"}},
    {"TClearCaseObjectSelectorFrame", {"listObjects", "btnAdd", "btnEdit", "btnRemove"}},
    {"TClearCaseMkLbTypeFrame", {"txtLabelSelector", "txtVOBSelector", "boxUpperCase", "btnOrdinary", "btnGlobal",
                                 "boxAcquire", "boxReplace", "boxShared", "btnNoPbranch", "btnPBranch"}},
    {"TClearCaseApplyLabelFrame", {"txtLabelName", "txtVOBSelector", "boxUseVersionSelector", "txtVersionSelector",
                                   "boxReplace", "boxRecurse", "boxFollow"}},
    {"TClearCaseLockFrame", {"boxReplace", "boxObsolete", "boxUseNUsers", "txtNUsersList"}},
    // A new attribute type is a "String": numeric bounds, the default as text.
    {"TClearCaseMakeAttributeTypeFrame", {"txtAttributeName", "txtVOBSelector", "cmbType", "boxMin", "txtMinNum",
                                          "boxMinInclusive", "boxMax", "txtMaxNum", "boxMaxInclusive", "boxDefault",
                                          "txtDefaultValue"}},
    {"TClearCaseMakeAttributeTypeOptionsFrame", {"boxReplace", "boxShared", "btnOrdinary", "btnGlobal", "boxAcquire",
                                                 "btnDefaultUse", "btnVPelement", "btnVPBranch", "btnVPVersion"}},
    {"TClearCaseApplyAttributeFrame", {"txtVOBSelector", "txtAttrName", "txtValue", "boxUseDefault"}},
    {"TClearCaseApplyAttributePathNamesFrame", {"boxUseVersion", "txtVersion", "boxReplace", "boxRecurse"}},
    {"TClearCaseApplyAttributeObjectsFrame", {"boxReplace"}},
};

// Pages whose controls change with a stored value, opened with that value.
struct TVariantRow {
  const char* pageClass;
  const char* property;
  const char* value;
  TOrder order;
};
const TVariantRow kVariants[] = {
    {"TClearCaseMakeAttributeTypeFrame", "NewAttributeType", "atDate",
     {"txtAttributeName", "txtVOBSelector", "cmbType", "boxMin", "minDateFrame", "boxMinInclusive", "boxMax",
      "maxDateFrame", "boxMaxInclusive", "boxDefault", "txtDefaultValue"}},
    {"TClearCaseMakeAttributeTypeFrame", "NewAttributeType", "atInteger",
     {"txtAttributeName", "txtVOBSelector", "cmbType", "boxMin", "txtMinNum", "boxMinInclusive", "boxMax",
      "txtMaxNum", "boxMaxInclusive", "boxDefault", "txtDefaultValueNumeric"}},
};
// clang-format on
#undef VIEW_PANEL

// The lists whose entries Delete and Backspace remove.
struct TListRow {
  const char* pageClass;
  const char* property;  // holds the two entries
  const char* entries;
  const char* list;
  const char* removeButton;
};
const TListRow kLists[] = {
    {"TClearCaseViewPathNameFrame", "PathNameStorageString", "src/a.c\r\nsrc/b.c\r\n",
     "pathsListBox", "remButton"},
    {"TClearCaseExtendedPathNameFrame", "PathNameStorageString", "a.c@@/main/1\r\nb.c@@/main/2\r\n",
     "pathsListBox", "remButton"},
    {"TClearCaseChangeStreamFrame", "RecommendBaselines", "BL_1@/vobs/pvob\r\nBL_2@/vobs/pvob\r\n",
     "listBaselines", "btnBLRemove"},
    {"TClearCaseObjectSelectorFrame", "ObjectsStorageString",
     "lbtype:REL_1@/vobs/src\r\nvob:/vobs/src\r\n", "listObjects", "btnRemove"},
};

// The property dialog's own buttons share the window with every page.
const char* const kDialogButtons[] = {"OK", "Cancel", "&Keep Anyway"};

// The letter after a single "&", upper case; 0 when there is none.
QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') return text[i + 1].toUpper();
    ++i;
  }
  return QChar();
}

// The radio buttons that share one tab stop: a button group, or the
// auto-exclusive buttons of one parent.
const QObject* RadioGroup(const QWidget* widget) {
  const auto* radio = qobject_cast<const QRadioButton*>(widget);
  if (radio == nullptr) return nullptr;
  if (radio->group() != nullptr) return radio->group();
  return radio->autoExclusive() ? radio->parentWidget() : nullptr;
}

// Radio buttons of a group give up their own stop to the focused one.
bool IsTabStop(const QWidget* widget) {
  return ((widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus || RadioGroup(widget)) &&
         widget->focusProxy() == nullptr;
}

bool IsNamed(const QWidget* widget) {
  const QString name = widget->objectName();
  return !name.isEmpty() && !name.startsWith(QStringLiteral("qt_"));
}

// A control by the name of the page's own control it belongs to: a box that
// hands its focus to a part of itself (a folder or date box) answers for
// its edit and its button, whatever they are called.
std::string ControlName(const QWidget* widget, const QWidget* page) {
  const QWidget* named = nullptr;
  for (const QWidget* w = widget; w != nullptr && w != page; w = w->parentWidget()) {
    const bool compound =
        w != widget && w->focusProxy() != nullptr && w->isAncestorOf(w->focusProxy());
    if (IsNamed(w) && (named == nullptr || compound)) named = w;
  }
  if (named != nullptr) return named->objectName().toStdString();
  return std::string("<unnamed ") + widget->metaObject()->className() + ">";
}

class KeyboardTest : public cctest::TPageTest {
 protected:
  void SetUp() override {
    TPageTest::SetUp();
    clearcase::editors::RegisterPages();
    Options().SetClearCaseType(clearcase::ccFull);
    Options().SetTestForClearCaseType(false);
  }

  // The page in a window of its own, laid out and active.
  std::unique_ptr<QDialog> Host(QWidget* page) {
    auto window = std::make_unique<QDialog>();
    auto* layout = new QVBoxLayout(window.get());
    layout->addWidget(page);
    auto* buttons = new QDialogButtonBox(window.get());
    for (const char* caption : kDialogButtons)
      buttons->addButton(QString::fromUtf8(caption), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    window->resize(640, 560);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
  }

  // Opens the page with an action of the first type that shows it, storing
  // a value first when one is given.
  std::unique_ptr<QWidget> OpenPage(const std::string& pageClass, const char* property = nullptr,
                                    const char* value = nullptr) {
    if (std::unique_ptr<vy::gui::TVyOptionsPage> options = vy::gui::CreateOptionsPage(pageClass)) {
      options->ReadOptions(Options());
      return options;
    }
    for (const clearcase::TCatalogueRow& row : clearcase::Catalogue()) {
      for (const vy::TVyPageClass& page : row.pages) {
        if (page.className != pageClass) continue;
        actions_.push_back(row.actionClass.create());
        if (property != nullptr) {
          EXPECT_TRUE(vy::SetPropertyText(*actions_.back(), property, value));
        }
        std::unique_ptr<vy::gui::TVyActionPage> created = vy::gui::CreateActionPage(pageClass);
        if (!created) return nullptr;
        created->InitFrame();
        created->InitPage(*actions_.back());
        created->ReadActionData(*actions_.back());
        return created;
      }
    }
    return nullptr;
  }

  // The page's order, Tab reaching every control, and one control per
  // Alt+letter, with the page opened on the stored value when one is given.
  void CheckKeyboard(const std::string& pageClass, const TOrder& expected,
                     const char* property = nullptr, const char* value = nullptr) {
    std::unique_ptr<QWidget> owned = OpenPage(pageClass, property, value);
    ASSERT_NE(owned, nullptr);
    QWidget* page = owned.get();
    std::unique_ptr<QDialog> window = Host(owned.release());

    // The order as the chain stands, before focus moves radio buttons' stops.
    std::vector<QWidget*> stops;
    TOrder order;
    for (QWidget* w = window->nextInFocusChain(); w != window.get(); w = w->nextInFocusChain()) {
      if (!page->isAncestorOf(w) || !IsTabStop(w) || !w->isVisible()) continue;
      stops.push_back(w);
      const std::string control = ControlName(w, page);
      if (order.empty() || order.back() != control) order.push_back(control);
    }
    EXPECT_EQ(order, expected);

    // Tab from the first control round the window, twice over.
    std::set<const QWidget*> reached;
    std::set<const QObject*> groupsReached;
    ASSERT_FALSE(stops.empty());
    QWidget* first = nullptr;
    for (QWidget* stop : stops)
      if (stop->isEnabled() && first == nullptr) first = stop;
    ASSERT_NE(first, nullptr);
    first->setFocus(Qt::TabFocusReason);
    for (std::size_t step = 0; step < 2 * (stops.size() + 4); ++step) {
      QWidget* focused = QApplication::focusWidget();
      ASSERT_NE(focused, nullptr);
      reached.insert(focused);
      if (const QObject* group = RadioGroup(focused)) groupsReached.insert(group);
      QTest::keyClick(focused, Qt::Key_Tab);
    }
    for (QWidget* stop : stops) {
      if (!stop->isEnabled()) continue;
      const QObject* group = RadioGroup(stop);
      EXPECT_TRUE(reached.count(stop) || (group && groupsReached.count(group)))
          << ControlName(stop, page) << " is not reached by Tab";
    }

    // Alt+letter: one control per letter in the whole window.
    std::map<QChar, std::vector<std::string>> letters;
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisible()) continue;
      QString text;
      if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
      if (auto* group = qobject_cast<QGroupBox*>(w)) text = group->title();
      if (auto* label = qobject_cast<QLabel*>(w)) {
        text = label->text();
        if (!Mnemonic(text).isNull()) {
          EXPECT_NE(label->buddy(), nullptr) << text.toStdString() << " leads nowhere";
        }
      }
      const QChar letter = Mnemonic(text);
      if (!letter.isNull()) letters[letter].push_back(text.toStdString());
    }
    for (const auto& [letter, captions] : letters)
      EXPECT_EQ(captions.size(), 1u) << "Alt+" << QString(letter).toStdString() << " is shared by "
                                     << testing::PrintToString(captions);
  }

  std::vector<std::unique_ptr<vy::TCustomVyAction>> actions_;
};

TEST_F(KeyboardTest, EveryPageWorksFromTheKeyboard) {
  std::vector<std::string> pages = vy::gui::RegisteredActionPages();
  for (const std::string& name : vy::gui::RegisteredOptionsPages()) pages.push_back(name);
  for (const std::string& pageClass : pages) {
    SCOPED_TRACE(pageClass);
    const auto row = kOrders.find(pageClass);
    ASSERT_NE(row, kOrders.end()) << "a registered page without a row";
    CheckKeyboard(pageClass, row->second);
  }
}

TEST_F(KeyboardTest, PagesKeepTheirOrderWhenTheirControlsChange) {
  for (const TVariantRow& row : kVariants) {
    SCOPED_TRACE(std::string(row.pageClass) + " " + row.value);
    CheckKeyboard(row.pageClass, row.order, row.property, row.value);
  }
}

TEST_F(KeyboardTest, DeleteAndBackspaceRemoveAnEntryChosenFromTheKeyboard) {
  for (const TListRow& row : kLists) {
    SCOPED_TRACE(row.pageClass);
    std::unique_ptr<QWidget> owned = OpenPage(row.pageClass, row.property, row.entries);
    ASSERT_NE(owned, nullptr);
    QWidget* page = owned.get();
    std::unique_ptr<QDialog> window = Host(owned.release());
    auto* list = Find<QListWidget>(page, row.list);
    auto* remove = Find<QPushButton>(page, row.removeButton);
    ASSERT_EQ(list->count(), 2);

    ASSERT_NE(QApplication::focusWidget(), nullptr);
    for (int step = 0; step < 40 && QApplication::focusWidget() != list; ++step)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), list) << "Tab does not reach the list";

    QTest::keyClick(list, Qt::Key_Delete);  // nothing chosen yet: nothing goes
    EXPECT_EQ(list->count(), 2);
    for (const Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace}) {
      const int before = list->count();
      QTest::keyClick(list, Qt::Key_Down);
      ASSERT_EQ(list->selectedItems().size(), 1);
      EXPECT_TRUE(remove->isEnabled());
      QTest::keyClick(list, key);
      EXPECT_EQ(list->count(), before - 1);
      EXPECT_FALSE(remove->isEnabled());
    }
  }
}

}  // namespace
