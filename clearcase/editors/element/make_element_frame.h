#pragma once
// "New Element": the state a new element starts in and the switches of its
// creation.

#include <QCheckBox>
#include <QRadioButton>

#include "vycore/gui/action_page.h"
#include "vycore/gui/drop_down_combo_box.h"

namespace clearcase::editors {

class TClearCaseMakeElementFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseMakeElementFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return tr("New Element"); }

 private:
  void UpdatePreserveTime();
  void LoadElementTypes();

  QRadioButton* btnCheckedOut_;
  QRadioButton* btnCheckedIn_;
  QRadioButton* btnNoCheckOut_;
  QCheckBox* boxPreserveTime_;
  QCheckBox* boxUseElementType_;
  vy::gui::TVyDropDownComboBox* txtElementType_;
  QCheckBox* boxMakePath_;
  QCheckBox* boxNoWarn_;
  QCheckBox* boxMaster_;
  // Under ClearCase LT there is no replica to master.
  bool masterLoaded_ = false;
};

}  // namespace clearcase::editors
