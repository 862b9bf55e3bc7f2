#pragma once
// The modal form that finds a UCM component, or an activity, by walking
// project VOB, project and stream. Each list is queried at its next drop-down
// once a choice above it has changed; "Update All Dropdowns" queries them
// all again.
//
//   TComponentActivitySelectorForm form(owner);
//   form.SetLastPVOB(pvob); form.SetLastProject(project); form.SetLastStream(stream);
//   form.SetTargetType("Activity");  // optional
//   if (form.exec() == QDialog::Accepted) { ... form.GetResult() ... }

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <array>

#include "vycore/gui/drop_down_combo_box.h"

namespace clearcase::editors {

class TComponentActivitySelectorForm : public QDialog {
  Q_OBJECT

 public:
  explicit TComponentActivitySelectorForm(QWidget* owner = nullptr);

  QString GetLastPVOB() const { return cmbPVOB_->currentText(); }
  void SetLastPVOB(const QString& pvob) { cmbPVOB_->setEditText(pvob); }
  QString GetLastProject() const { return cmbProject_->currentText(); }
  void SetLastProject(const QString& project) { cmbProject_->setEditText(project); }
  QString GetLastStream() const { return cmbStream_->currentText(); }
  void SetLastStream(const QString& stream) { cmbStream_->setEditText(stream); }

  // Only "Activity" changes anything: the form then finds activities.
  void SetTargetType(const QString& kind);
  // The chosen component or activity, qualified by the project VOB unless
  // it names its own.
  QString GetResult() const;

 private:
  enum TList { PvobList, ProjectList, StreamList, ResultList, ListCount };

  void LoadPVOBs();
  void LoadProjects();
  void LoadStreams();
  void LoadResults();
  void UpdateAll();
  void ResultChanged();
  void MakeStale(std::initializer_list<TList> lists);

  QLabel* lblFind_;
  QFrame* bvlTop_;
  vy::gui::TVyDropDownComboBox* cmbPVOB_;
  vy::gui::TVyDropDownComboBox* cmbProject_;
  vy::gui::TVyDropDownComboBox* cmbStream_;
  QLabel* lblResult_;
  vy::gui::TVyDropDownComboBox* cmbResult_;
  QPushButton* btnAdd_;
  QPushButton* btnCancel_;
  QPushButton* btnUpdate_;
  // A stale list is queried at its next drop-down.
  std::array<bool, ListCount> stale_{true, true, true, true};
};

}  // namespace clearcase::editors
