#pragma once
// "Change Baseline": the baseline, named in its project VOB, and what to
// change about it (promotion level, labelling status).

#include <QCheckBox>
#include <QRadioButton>

#include "vycore/gui/action_page.h"
#include "vycore/gui/drop_down_combo_box.h"

namespace clearcase::editors {

class TClearCaseChangeBaselineFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseChangeBaselineFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("Change Baseline"); }

 private:
  void LoadProjectVobs();
  void LoadBaselines();
  void LoadPromotionLevels();

  vy::gui::TVyDropDownComboBox* cmbPVOB_;
  vy::gui::TVyDropDownComboBox* cmbBaseline_;
  QCheckBox* boxApplyPromo_;
  vy::gui::TVyDropDownComboBox* cmbPromo_;
  QRadioButton* rbNone_;
  QRadioButton* rbIncremental_;
  QRadioButton* rbFull_;
  QCheckBox* boxRecurse_;
};

}  // namespace clearcase::editors
