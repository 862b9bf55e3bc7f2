#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QStringList>
#include <QThread>
#include <exception>
#include <string>
#include <thread>

#include "vycore/gui/desktop_services.h"
#include "vycore/services.h"

namespace vy::gui {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

bool BrowseDirectory(const std::string& initialDir, std::string& directory,
                     const std::string& caption) {
  const QString chosen =
      QFileDialog::getExistingDirectory(QApplication::activeWindow(), Q(caption), Q(initialDir));
  if (chosen.isEmpty()) return false;
  directory = chosen.toStdString();
  return true;
}

bool BrowseFile(const std::string& initialDir, std::string& file, const std::string& pattern,
                const std::string& caption) {
  const QString filter = pattern.empty() ? QString() : Q(pattern);
  const QString chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(), Q(caption),
                                                      Q(initialDir), filter);
  if (chosen.isEmpty()) return false;
  file = chosen.toStdString();
  return true;
}

bool BrowseSaveFile(const TVySaveFileRequest& request, std::string& file) {
  const QStringList filters = QtFilters(request.filter);
  QFileDialog dialog(QApplication::activeWindow(), Q(request.title), Q(request.initialDir));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
    dialog.selectNameFilter(filters[request.filterIndex - 1]);
  if (!request.fileName.empty()) dialog.selectFile(Q(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  file = dialog.selectedFiles().first().toStdString();
  return true;
}

void SetCursor(int cursor) {
  if (cursor == kVyCursorBusy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (QApplication::overrideCursor()) {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace

void RunBlockingWhilePainting(const TVyBlockingWork& work) {
  if (QCoreApplication::instance() == nullptr ||
      QThread::currentThread() != QCoreApplication::instance()->thread()) {
    work();
    return;
  }
  // Input stays queued until the work is done: the page that asked must not
  // be entered again while it waits, but the windows keep painting.
  QEventLoop loop;
  std::exception_ptr failure;
  std::thread worker([&] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
    // Queued: a quit posted before exec starts is still seen by it.
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  worker.join();
  if (failure) std::rethrow_exception(failure);
}

QStringList QtFilters(const std::string& filter) {
  const QStringList parts = Q(filter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(u';', u' ');
    filters << parts[i] + QStringLiteral(" (") + patterns + u')';
  }
  return filters;
}

void InstallDesktopServices() {
  SetVyBrowsers(BrowseDirectory, BrowseFile);
  SetVySaveFileBrowser(BrowseSaveFile);
  SetVyScreenCursorHandler(SetCursor);
  SetVyBlockingRunner(RunBlockingWhilePainting);
}

}  // namespace vy::gui
