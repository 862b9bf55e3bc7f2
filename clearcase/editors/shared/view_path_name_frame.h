#pragma once
// The "Pathnames" page: the view paths an action works on. Long paths are
// shown shortened to the list's width; the hint shows the whole path.

#include <QFontMetrics>
#include <QStringList>

#include "clearcase/actions/core/base_action.h"
#include "clearcase/editors/shared/path_list_page.h"

namespace clearcase::editors {

// `path` fitted into `width` pixels of `metrics` by putting "..." in place of
// its leading directories (those after the drive or root), as few as
// possible; a path that fits comes back whole.
QString ShortenedPath(const QString& path, const QFontMetrics& metrics, int width);

class TClearCaseViewPathNameFrame : public TClearCasePathListPage {
  Q_OBJECT

 public:
  explicit TClearCaseViewPathNameFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return tr("Pathnames"); }

  // The full paths, entry for entry in step with the list.
  const QStringList& Paths() const { return paths_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddDirectory();
  void AddFile();
  void AddOther();
  void EditSelected() override;
  void RemoveSelected() override;
  // Appends a path; `shorten` false shows it as typed.
  void Append(const QString& path, bool shorten);
  void ShowEntry(int row);
  void ShowAllEntries();

  QStringList paths_;
};

}  // namespace clearcase::editors
