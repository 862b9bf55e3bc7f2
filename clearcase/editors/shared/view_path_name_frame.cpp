#include "clearcase/editors/shared/view_path_name_frame.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>
#include <string>

#include "clearcase/editors/shared/edit_view_path_form.h"
#include "clearcase/plugin/last_view_directory.h"
#include "vycore/platform.h"
#include "vycore/services.h"

namespace clearcase::editors {
namespace {

// Entries added through "Other..." keep the text as typed, whatever the width.
constexpr int kShortenRole = vy::gui::TVyHintListBox::kFullTextRole + 1;
// Room the list's frame and scroll bar take from the text.
constexpr int kListMargin = 12;

bool IsSeparator(QChar c) {
  return c == u'/' || c == u'\\';
}

// The length of the part no shortening drops: "C:\", "\\server\share\", "/".
qsizetype DriveLength(const QString& path) {
  if (path.size() >= 2 && path[1] == u':' && path[0].isLetter())
    return path.size() > 2 && IsSeparator(path[2]) ? 3 : 2;
  if (path.startsWith(QStringLiteral("\\\\")) || path.startsWith(QStringLiteral("//"))) {
    qsizetype at = 2;
    for (int parts = 0; parts < 2 && at < path.size(); ++parts) {
      while (at < path.size() && !IsSeparator(path[at])) ++at;
      if (at < path.size()) ++at;
    }
    return at;
  }
  return !path.isEmpty() && IsSeparator(path[0]) ? 1 : 0;
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

QString ShortenedPath(const QString& path, const QFontMetrics& metrics, int width) {
  if (metrics.horizontalAdvance(path) <= width) return path;
  const qsizetype drive = DriveLength(path);
  const QString ellipsis = QStringLiteral("...");
  // Each candidate drops one more leading directory; the file name stays.
  QString candidate = path;
  for (qsizetype at = drive; at < path.size(); ++at) {
    if (!IsSeparator(path[at])) continue;
    candidate = path.left(drive) + ellipsis + path.mid(at);
    if (metrics.horizontalAdvance(candidate) <= width) return candidate;
  }
  return candidate;
}

TClearCaseViewPathNameFrame::TClearCaseViewPathNameFrame(QWidget* parent)
    : TClearCasePathListPage(parent) {
  setObjectName(QStringLiteral("TClearCaseViewPathNameFrame"));

  auto* menu = new QMenu(this);
  menu->setObjectName(QStringLiteral("addMenu"));
  QAction* menuDir = menu->addAction(tr("&Directory... (View or Component)"));
  QAction* menuFile = menu->addAction(tr("&File..."));
  QAction* menuOther = menu->addAction(tr("&Other..."));
  menuDir->setObjectName(QStringLiteral("menuDir"));
  menuFile->setObjectName(QStringLiteral("menuFile"));
  menuOther->setObjectName(QStringLiteral("menuOther"));
  addButton_->setMenu(menu);

  AddControlsTo(new QVBoxLayout(this));

  connect(menuDir, &QAction::triggered, this, &TClearCaseViewPathNameFrame::AddDirectory);
  connect(menuFile, &QAction::triggered, this, &TClearCaseViewPathNameFrame::AddFile);
  connect(menuOther, &QAction::triggered, this, &TClearCaseViewPathNameFrame::AddOther);
  // The shortened forms depend on the list's width, known only once laid out.
  pathsListBox_->installEventFilter(this);
  WatchEdits(this);
}

void TClearCaseViewPathNameFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto& cc = dynamic_cast<TClearCaseBaseAction&>(action);
  paths_.clear();
  pathsListBox_->clear();
  for (const std::string& path : cc.ViewPathNames()) Append(Q(path), true);
  txtHeading_->setText(tr("View-Extended Pathnames to ") + Q(cc.GetActionName()).mid(10).toLower());
  UpdateButtons();
}

void TClearCaseViewPathNameFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto& cc = dynamic_cast<TClearCaseBaseAction&>(action);
  vy::TStringList paths;
  for (const QString& path : paths_) paths.push_back(path.toStdString());
  cc.ViewPathNames() = std::move(paths);
}

bool TClearCaseViewPathNameFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pathsListBox_ && event->type() == QEvent::Resize) ShowAllEntries();
  return TVyActionPage::eventFilter(watched, event);
}

void TClearCaseViewPathNameFrame::Append(const QString& path, bool shorten) {
  paths_.append(path);
  auto* entry = new QListWidgetItem(pathsListBox_);
  entry->setData(kShortenRole, shorten);
  ShowEntry(pathsListBox_->count() - 1);
}

void TClearCaseViewPathNameFrame::ShowEntry(int row) {
  QListWidgetItem* entry = pathsListBox_->item(row);
  const QString& path = paths_[row];
  entry->setData(vy::gui::TVyHintListBox::kFullTextRole, path);
  const bool shorten = entry->data(kShortenRole).toBool();
  entry->setText(shorten ? ShortenedPath(path, pathsListBox_->fontMetrics(),
                                         pathsListBox_->width() - kListMargin)
                         : path);
}

void TClearCaseViewPathNameFrame::ShowAllEntries() {
  for (int row = 0; row < pathsListBox_->count(); ++row) ShowEntry(row);
}

void TClearCaseViewPathNameFrame::AddDirectory() {
  std::string chosen;
  if (!vy::VyBrowseForDirectory(CCGetLastViewDirectory(), chosen, "Select Directory")) return;
  Append(Q(chosen), true);
  CCSetLastViewDirectory(chosen);
}

void TClearCaseViewPathNameFrame::AddFile() {
  std::string chosen;
  if (!vy::VyBrowseForFile(CCGetLastViewDirectory(), chosen, "", "Select File")) return;
  Append(Q(chosen), true);
  CCSetLastViewDirectory(vy::ExtractFileDir(chosen));
}

void TClearCaseViewPathNameFrame::AddOther() {
  TClearCaseEditViewPathForm form(this);
  form.setWindowTitle(form.windowTitle().replace(QStringLiteral("Edit"), QStringLiteral("Add")));
  if (form.exec() != QDialog::Accepted) return;
  const QString path = form.GetPathName();
  if (!path.isEmpty()) Append(path, false);
}

void TClearCaseViewPathNameFrame::EditSelected() {
  const int row = pathsListBox_->currentRow();
  if (row < 0 || !pathsListBox_->currentItem()->isSelected()) return;
  TClearCaseEditViewPathForm form(this);
  form.SetPathName(paths_[row]);
  if (form.exec() != QDialog::Accepted) return;
  paths_[row] = form.GetPathName();
  pathsListBox_->item(row)->setData(kShortenRole, true);
  ShowEntry(row);
}

void TClearCaseViewPathNameFrame::RemoveSelected() {
  const int row = pathsListBox_->RemoveChosenEntry();
  if (row >= 0) paths_.removeAt(row);
  UpdateButtons();
}

}  // namespace clearcase::editors
