#include "designer_host.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPixmap>

#include "vycore/gui/desktop_services.h"
#include "vycore/gui/page_packages.h"
#include "vycore/plugin.h"

namespace designer {
namespace {

bool LoadStore(TDesignerHost& host, const std::string& optionsPath) {
  const std::string path = optionsPath.empty() ? vy::TVyOptionsStore::DefaultPath() : optionsPath;
  std::string error;
  if (!host.store.Load(path, &error)) {
    host.errors.push_back("cannot read the options store: " + error);
    return false;
  }
  host.store.LoadRegisteredOptions();
  return true;
}

}  // namespace

bool TDesignerHost::Load() {
  vy::LoadAllPackages(true, errors);
  vy::gui::LoadAllPageLibraries(errors);
  vy::gui::InstallDesktopServices();
  return LoadStore(*this, {});
}

bool TDesignerHost::Load(const std::vector<std::string>& packageFolders,
                         const std::vector<std::string>& pageFolders,
                         const std::string& optionsPath) {
  vy::LoadAllPackages(packageFolders, true, errors);
  vy::gui::LoadAllPageLibraries(pageFolders, errors);
  return LoadStore(*this, optionsPath);
}

bool TDesignerHost::SaveOptions(std::string* error) {
  // The runner may have saved the store since the designer read it: under
  // the store's lock, read it afresh and write only what the user changed
  // here, so that no update of another program is lost.
  vy::TVyOptionsStore fresh;
  const std::string& path = store.Path();
  if (!fresh.LockForUpdate(path, error) || !fresh.Load(path, error)) return false;
  fresh.StoreModifiedOptions();
  return fresh.Save(error);
}

bool TDesignerHost::ReloadOptions(std::string* error) {
  vy::TVyOptionsStore fresh;
  if (!fresh.Load(store.Path(), error)) return false;
  fresh.LoadRegisteredOptions();
  return true;
}

QIcon ImageByName(const std::string& name) {
  const QString path = QStringLiteral(":/icons/%1.xpm").arg(QString::fromStdString(name));
  if (QFile::exists(path)) return QIcon(path);
  // A grey square keeps the list's columns aligned for a type without an image.
  QPixmap blank(16, 16);
  blank.fill(Qt::transparent);
  QPainter painter(&blank);
  painter.setPen(QColor(0x80, 0x80, 0x80));
  painter.setBrush(QColor(0xe0, 0xe0, 0xe0));
  painter.drawRect(1, 1, 13, 13);
  return QIcon(blank);
}

QString DefaultRunnerPath() {
  return QCoreApplication::applicationDirPath() + QStringLiteral("/vantry");
}

}  // namespace designer
