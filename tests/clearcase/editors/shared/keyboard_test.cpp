// Every page without a mouse. Each registered page is opened in a window
// beside the property dialog's own buttons, and
// - Tab goes through the controls in reading order: of two neighbours in the
//   chain, the part of the page holding the first starts higher, or level
//   and further left;
// - Tab, pressed from the first control, reaches every enabled control (a
//   group of radio buttons counts as reached through any of its buttons, the
//   arrow keys doing the rest);
// - no two controls of the window answer the same Alt+letter, and every
//   label's letter leads somewhere.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstdlib>
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

// Controls that come first from the keyboard though shown below what follows:
// whether anything is updated at all, before the choices it disables.
const std::set<std::pair<std::string, std::string>> kFirstThoughLower = {
    {"TClearCaseUpdateFrame", "checkPretend"}};

// Pages whose controls change with a stored value, opened with that value too.
struct TVariantRow {
  const char* pageClass;
  const char* property;
  const char* value;
};
const TVariantRow kVariants[] = {
    {"TClearCaseMakeAttributeTypeFrame", "NewAttributeType", "atDate"},
    {"TClearCaseMakeAttributeTypeFrame", "NewAttributeType", "atInteger"},
};

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

// A control by its own name or that of the nearest named box holding it.
std::string ControlName(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget())
    if (!w->objectName().isEmpty() && !w->objectName().startsWith(QStringLiteral("qt_")))
      return w->objectName().toStdString();
  return std::string("<unnamed ") + widget->metaObject()->className() + ">";
}

// Where a control sits beside another: the part of the window, just below
// the nearest box holding both, that holds it.
QRect Placement(const QWidget* widget, const QWidget* other) {
  const QWidget* w = widget;
  while (w->parentWidget() != nullptr && !w->parentWidget()->isAncestorOf(other))
    w = w->parentWidget();
  return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// Reading order; controls of one row may sit a few pixels apart in height.
bool ComesFirst(const QRect& first, const QRect& second) {
  constexpr int kLevel = 6;
  if (std::abs(first.top() - second.top()) > kLevel) return first.top() < second.top();
  return first.left() < second.left();
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
        return Opened(vy::gui::CreateActionPage(pageClass), *actions_.back());
      }
    }
    return nullptr;
  }

  // Reading order, Tab reaching every control, and one control per
  // Alt+letter, with the page opened on the stored value when one is given.
  void CheckKeyboard(const std::string& pageClass, const char* property = nullptr,
                     const char* value = nullptr) {
    std::unique_ptr<QWidget> owned = OpenPage(pageClass, property, value);
    ASSERT_NE(owned, nullptr);
    QWidget* page = owned.get();
    std::unique_ptr<QDialog> window = Host(owned.release());

    // The chain as it stands, before focus moves radio buttons' stops. A
    // group of radio buttons sits where its first button does.
    std::vector<QWidget*> stops;
    QWidget* unit = nullptr;  // the control, or first button, before
    for (QWidget* w = window->nextInFocusChain(); w != window.get(); w = w->nextInFocusChain()) {
      if (!page->isAncestorOf(w) || !IsTabStop(w) || !w->isVisible()) continue;
      const bool sameGroup =
          !stops.empty() && RadioGroup(w) && RadioGroup(w) == RadioGroup(stops.back());
      QWidget* before = sameGroup ? stops.back() : unit;
      if (before != nullptr && !kFirstThoughLower.count({pageClass, ControlName(before)})) {
        EXPECT_TRUE(ComesFirst(Placement(before, w), Placement(w, before)))
            << ControlName(w) << " follows " << ControlName(before);
      }
      if (!sameGroup) unit = w;
      stops.push_back(w);
    }

    // Every control a user works takes part.
    for (QWidget* w : page->findChildren<QWidget*>()) {
      const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                           qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
                           qobject_cast<QPlainTextEdit*>(w);
      if (control && w->isVisible() && !IsTabStop(w) && w->focusProxy() == nullptr)
        ADD_FAILURE() << ControlName(w) << " takes no focus";
    }

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
          << ControlName(stop) << " is not reached by Tab";
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
    CheckKeyboard(pageClass);
  }
  for (const TVariantRow& row : kVariants) {
    SCOPED_TRACE(std::string(row.pageClass) + " " + row.value);
    CheckKeyboard(row.pageClass, row.property, row.value);
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

    list->setFocus();  // Tab reaching it is proven above

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
