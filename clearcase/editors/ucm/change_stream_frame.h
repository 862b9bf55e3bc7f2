#pragma once
// "Change Stream": the stream, found through its project VOB and project,
// and its recommended baselines.

#include <QPushButton>
#include <QRadioButton>

#include "vycore/gui/action_page.h"
#include "vycore/gui/drop_down_combo_box.h"
#include "vycore/gui/hint_list_box.h"

namespace clearcase::editors {

class TClearCaseChangeStreamFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseChangeStreamFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("Change Stream"); }

 private:
  void LoadProjectVobs();
  void LoadProjects();
  void LoadStreams();
  void LoadBaselines();
  void AddBaseline();
  void RemoveBaseline();

  vy::gui::TVyDropDownComboBox* cmbPVOB_;
  vy::gui::TVyDropDownComboBox* cmbProject_;
  vy::gui::TVyDropDownComboBox* cmbStream_;
  QRadioButton* btnNoRecommend_;
  QRadioButton* btnRecommendDefault_;
  QRadioButton* btnRecommend_;
  vy::gui::TVyHintListBox* listBaselines_;
  vy::gui::TVyDropDownComboBox* cmbBaseline_;
  QPushButton* btnBLAdd_;
  QPushButton* btnBLRemove_;
  QRadioButton* btnClear_;
};

}  // namespace clearcase::editors
