#include "screenshot.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPixmap>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "catalogue_dialog.h"
#include "designer_host.h"
#include "main_window.h"
#include "options_dialog.h"
#include "placeholder_page.h"
#include "project_document.h"
#include "property_dialog.h"
#include "run_panel.h"
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

int ShowActionPage(const std::string& pageClass, const TScreenshotRequest& request,
                   QString* error) {
  TProjectDocument document;
  std::unique_ptr<vy::TCustomVyAction> fresh;
  vy::TCustomVyAction* action = nullptr;
  if (!request.project.isEmpty()) {
    int index = 0;
    if (!LoadAction(request, document, index, error)) return 1;
    if (request.action == 0) index = FirstShowing(document, pageClass);
    if (index < 0) {
      if (error)
        *error = QStringLiteral("no action of %1 shows %2").arg(request.project, request.target);
      return 1;
    }
    action = document.At(index).action.get();
  } else {
    const std::string typeId = TypeShowing(pageClass);
    fresh = vy::VyActionServices().CreateAction(typeId);
    action = fresh.get();
  }
  std::unique_ptr<vy::gui::TVyActionPage> page = vy::gui::CreateActionPage(pageClass);
  if (!page) {
    if (TypeShowing(pageClass).empty()) {
      if (error) *error = QStringLiteral("unknown page or window %1").arg(request.target);
      return 1;
    }
    page = std::make_unique<TPlaceholderPage>(request.target);
  }
  if (action == nullptr) {
    if (error) *error = QStringLiteral("no installed action type shows %1").arg(request.target);
    return 1;
  }
  // Framed like a tab of the property dialog, where users meet it.
  QWidget frame;
  frame.setObjectName(QStringLiteral("screenshotFrame"));
  auto* layout = new QVBoxLayout(&frame);
  page->InitFrame();
  page->InitPage(*action);
  page->ReadActionData(*action);
  page->OnPageActivate();
  layout->addWidget(page.release());
  frame.adjustSize();
  frame.resize(frame.size().expandedTo(QSize(kMinimumPageWidth, 0)));
  return Save(frame, request.file, error) ? 0 : 1;
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
  return ShowActionPage(target, request, error);
}

}  // namespace designer
