#include "screenshot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QListWidget>
#include <QPixmap>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <memory>

#include "catalogue_dialog.h"
#include "designer_host.h"
#include "main_window.h"
#include "options_dialog.h"
#include "placeholder_page.h"
#include "project_document.h"
#include "property_dialog.h"
#include "run_panel.h"
#include "vycore/gui/drop_down_combo_box.h"
#include "vycore/gui/page_registry.h"
#include "vycore/services.h"

namespace designer {
namespace {

// Pages are narrow by nature; the pictures show them at a dialog's width.
constexpr int kMinimumPageWidth = 520;

class TScreenshotOwner final : public vy::gui::IVyOptionPageOwner {
 public:
  QWidget* OwnerWindow() override { return nullptr; }
};

bool Save(QWidget& widget, const QString& file, QString* error) {
  widget.show();
  for (int round = 0; round < 3; ++round) QApplication::processEvents();
  const QPixmap picture = widget.grab();
  if (picture.isNull() || !picture.save(file, "PNG")) {
    if (error) *error = QStringLiteral("cannot write %1").arg(file);
    return false;
  }
  return true;
}

bool RunToTheEnd(TMainWindow& window, QString* error) {
  window.show();
  if (!window.Run()) {
    if (error) *error = QStringLiteral("the project could not be run");
    return false;
  }
  QDeadlineTimer deadline(60000);
  while (window.RunPanel()->Running() && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  if (window.RunPanel()->Running()) {
    window.Stop();
    if (error) *error = QStringLiteral("the run did not end within a minute");
    return false;
  }
  return true;
}

// The first type whose pages include the class.
std::string TypeShowing(const std::string& pageClass) {
  for (const vy::TVyRegisteredAction& entry : vy::VyActionServices().Catalogue()) {
    for (const vy::TVyPageClass& page : entry.pages) {
      if (page.className == pageClass) return entry.typeId;
    }
  }
  return {};
}

int FirstShowing(const TProjectDocument& document, const std::string& pageClass) {
  for (int index = 0; index < document.Count(); ++index) {
    const vy::TVyRegisteredAction* entry =
        vy::VyActionServices().FindAction(document.At(index).typeId);
    if (entry == nullptr) continue;
    for (const vy::TVyPageClass& page : entry->pages) {
      if (page.className == pageClass) return index;
    }
  }
  return -1;
}

bool LoadAction(const TScreenshotRequest& request, TProjectDocument& document, int& index,
                QString* error) {
  std::vector<vy::TVyDiagnostic> diagnostics;
  if (!document.Open(request.project.toStdString(), diagnostics)) {
    if (error) {
      *error = QStringLiteral("cannot open %1").arg(request.project);
      for (const auto& diagnostic : diagnostics) {
        *error += QLatin1Char('\n') + QString::fromStdString(diagnostic.ToString());
      }
    }
    return false;
  }
  index = std::max(request.action, 1) - 1;
  if (index >= document.Count()) {
    if (error)
      *error = QStringLiteral("%1 has no action %2").arg(request.project).arg(request.action);
    return false;
  }
  return true;
}

int ShowPropertyDialog(const TScreenshotRequest& request, QString* error) {
  TProjectDocument document;
  std::string typeId = "CC_CHECKOUT";
  std::unique_ptr<vy::TCustomVyAction> fresh;
  vy::TCustomVyAction* action = nullptr;
  if (!request.project.isEmpty()) {
    int index = 0;
    if (!LoadAction(request, document, index, error)) return 1;
    typeId = document.At(index).typeId;
    action = document.At(index).action.get();
  } else {
    fresh = vy::VyActionServices().CreateAction(typeId);
    action = fresh.get();
  }
  if (action == nullptr) {
    if (error)
      *error = QStringLiteral("no action type %1 is installed").arg(QString::fromStdString(typeId));
    return 1;
  }
  TPropertyDialog dialog(typeId, *action, document.Variables());
  return Save(dialog, request.file, error) ? 0 : 1;
}

int ShowOptionsPage(const std::string& pageClass, const TScreenshotRequest& request,
                    QString* error) {
  for (const vy::TVyRegisteredOptions& entry : vy::VyOptionsServices().Registered()) {
    for (const vy::TVyPageClass& page : entry.pages) {
      if (page.className != pageClass) continue;
      std::unique_ptr<vy::gui::TVyOptionsPage> shown = vy::gui::CreateOptionsPage(pageClass);
      if (!shown) {
        if (error) *error = QStringLiteral("no page is installed for %1").arg(request.target);
        return 1;
      }
      TScreenshotOwner owner;
      shown->InitPage(owner);
      shown->ReadOptions(*entry.instance);
      shown->OnPageActivate();
      shown->adjustSize();
      shown->resize(shown->size().expandedTo(QSize(kMinimumPageWidth, 0)));
      return Save(*shown, request.file, error) ? 0 : 1;
    }
  }
  if (error) *error = QStringLiteral("no options object shows %1").arg(request.target);
  return 1;
}

// A page as a tab of the property dialog shows it, with the action it edits.
struct TShownPage {
  TProjectDocument document;
  std::unique_ptr<vy::TCustomVyAction> fresh;
  QWidget frame;
  vy::gui::TVyActionPage* page = nullptr;
};

bool OpenActionPage(const std::string& pageClass, const TScreenshotRequest& request,
                    TShownPage& shown, QString* error) {
  vy::TCustomVyAction* action = nullptr;
  if (!request.project.isEmpty()) {
    int index = 0;
    if (!LoadAction(request, shown.document, index, error)) return false;
    if (request.action == 0) index = FirstShowing(shown.document, pageClass);
    if (index < 0) {
      if (error)
        *error = QStringLiteral("no action of %1 shows %2")
                     .arg(request.project, QString::fromStdString(pageClass));
      return false;
    }
    action = shown.document.At(index).action.get();
  } else {
    const std::string typeId = TypeShowing(pageClass);
    shown.fresh = vy::VyActionServices().CreateAction(typeId);
    action = shown.fresh.get();
  }
  std::unique_ptr<vy::gui::TVyActionPage> page = vy::gui::CreateActionPage(pageClass);
  if (!page) {
    if (TypeShowing(pageClass).empty()) {
      if (error) *error = QStringLiteral("unknown page or window %1").arg(request.target);
      return false;
    }
    page = std::make_unique<TPlaceholderPage>(QString::fromStdString(pageClass));
  }
  if (action == nullptr) {
    if (error)
      *error = QStringLiteral("no installed action type shows %1")
                   .arg(QString::fromStdString(pageClass));
    return false;
  }
  shown.frame.setObjectName(QStringLiteral("screenshotFrame"));
  auto* layout = new QVBoxLayout(&shown.frame);
  page->InitFrame();
  page->InitPage(*action);
  page->ReadActionData(*action);
  page->OnPageActivate();
  shown.page = page.get();
  layout->addWidget(page.release());
  shown.frame.adjustSize();
  shown.frame.resize(shown.frame.size().expandedTo(QSize(kMinimumPageWidth, 0)));
  return true;
}

int ShowActionPage(const std::string& pageClass, const TScreenshotRequest& request,
                   QString* error) {
  TShownPage shown;
  if (!OpenActionPage(pageClass, request, shown, error)) return 1;
  return Save(shown.frame, request.file, error) ? 0 : 1;
}

// The dialogs a page opens, shot as users meet them: from the page, set up
// from the project's action, by pressing the button that opens the dialog.
struct TPageDialog {
  const char* dialogClass;
  const char* pageClass;
  // The first of these that is enabled is pressed.
  std::array<const char*, 2> buttons;
};

constexpr TPageDialog kPageDialogs[] = {
    {"TClearCaseObjectSelectorEditForm", "TClearCaseObjectSelectorFrame", {"btnEdit", "btnAdd"}},
    {"TComponentActivitySelectorForm", "TClearCaseMakeBaselineFrame", {"btnAddAct", "btnAddComp"}},
};

const TPageDialog* FindPageDialog(const QString& dialogClass) {
  for (const TPageDialog& dialog : kPageDialogs) {
    if (dialogClass == QLatin1String(dialog.dialogClass)) return &dialog;
  }
  return nullptr;
}

bool IsOfClass(const QObject& object, const char* className) {
  const QString name = QString::fromLatin1(object.metaObject()->className());
  const QString wanted = QString::fromLatin1(className);
  return name == wanted || name.endsWith(QStringLiteral("::") + wanted);
}

// Empty lists are filled and their first entry chosen, from the top down as
// a user would, so that the picture shows what the dialog offers.
void PickFirstEntries(QWidget& dialog) {
  QList<vy::gui::TVyDropDownComboBox*> boxes = dialog.findChildren<vy::gui::TVyDropDownComboBox*>();
  std::stable_sort(boxes.begin(), boxes.end(), [&dialog](QWidget* a, QWidget* b) {
    return a->mapTo(&dialog, QPoint()).y() < b->mapTo(&dialog, QPoint()).y();
  });
  for (vy::gui::TVyDropDownComboBox* box : boxes) {
    if (!box->isEnabled() || !box->currentText().isEmpty()) continue;
    emit box->BeforeDropDown();  // fills the list, without a popup over the picture
    if (box->count() > 0) box->setCurrentIndex(0);
  }
}

int ShowPageDialog(const TPageDialog& wanted, const TScreenshotRequest& request, QString* error) {
  TShownPage shown;
  if (!OpenActionPage(wanted.pageClass, request, shown, error)) return 1;
  // Edit needs an entry to edit.
  for (QListWidget* list : shown.page->findChildren<QListWidget*>()) {
    if (list->count() > 0) list->setCurrentRow(0);
  }
  QAbstractButton* opener = nullptr;
  for (const char* name : wanted.buttons) {
    auto* button = shown.page->findChild<QAbstractButton*>(QLatin1String(name));
    if (button != nullptr && button->isEnabled()) {
      opener = button;
      break;
    }
  }
  if (opener == nullptr) {
    if (error)
      *error = QStringLiteral("on this action, %1 cannot open %2")
                   .arg(QLatin1String(wanted.pageClass), request.target);
    return 1;
  }
  shown.frame.show();
  QApplication::processEvents();

  // The dialog runs its own event loop inside the click: it is taken and
  // closed from there.
  int result = 1;
  QString problem = QStringLiteral("%1 opened no dialog").arg(opener->objectName());
  QTimer poll;
  const QDeadlineTimer deadline(10000);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) {
      if (deadline.hasExpired()) poll.stop();
      return;
    }
    poll.stop();
    if (!IsOfClass(*dialog, wanted.dialogClass)) {
      problem = QStringLiteral("%1 opened %2")
                    .arg(opener->objectName(), QLatin1String(dialog->metaObject()->className()));
    } else {
      for (int round = 0; round < 3; ++round) QApplication::processEvents();
      PickFirstEntries(*dialog);
      if (Save(*dialog, request.file, &problem)) result = 0;
    }
    if (auto* modal = qobject_cast<QDialog*>(dialog)) {
      modal->reject();
    } else {
      dialog->close();
    }
  });
  poll.start(20);
  opener->click();
  poll.stop();
  if (result != 0 && error) *error = problem;
  return result;
}

}  // namespace

int TakeScreenshot(TDesignerHost& host, const TScreenshotRequest& request, QString* error) {
  const std::string target = request.target.toStdString();
  if (request.target == QLatin1String("MainWindow")) {
    TMainWindow window(host);
    if (!request.project.isEmpty()) {
      QString problems;
      if (!window.OpenProject(request.project, &problems, true)) {
        if (error) *error = problems;
        return 1;
      }
      window.SetCurrentIndex(std::max(request.action, 1) - 1);
    }
    window.resize(900, request.run ? 700 : 560);
    if (request.run && !RunToTheEnd(window, error)) return 1;
    return Save(window, request.file, error) ? 0 : 1;
  }
  if (request.target == QLatin1String("OptionsDialog")) {
    TOptionsDialog dialog(host);
    dialog.resize(dialog.sizeHint().expandedTo(QSize(640, 0)));
    return Save(dialog, request.file, error) ? 0 : 1;
  }
  if (request.target == QLatin1String("CatalogueDialog")) {
    TCatalogueDialog dialog;
    dialog.SelectType("CC_CHECKOUT");
    return Save(dialog, request.file, error) ? 0 : 1;
  }
  if (request.target == QLatin1String("PropertyDialog")) return ShowPropertyDialog(request, error);
  for (const vy::TVyRegisteredOptions& entry : vy::VyOptionsServices().Registered()) {
    for (const vy::TVyPageClass& page : entry.pages) {
      if (page.className == target) return ShowOptionsPage(target, request, error);
    }
  }
  if (const TPageDialog* dialog = FindPageDialog(request.target))
    return ShowPageDialog(*dialog, request, error);
  return ShowActionPage(target, request, error);
}

}  // namespace designer
