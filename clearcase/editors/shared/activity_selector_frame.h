#pragma once
// The "Activity" page of the actions that work on one UCM activity: the
// view's current activity (or, when setting the activity, none at all), or
// an activity chosen by name in a project VOB.

#include <QRadioButton>

#include "clearcase/editors/shared/view_context_sub_frame.h"
#include "vycore/gui/action_page.h"
#include "vycore/gui/drop_down_combo_box.h"

namespace clearcase::editors {

class TClearCaseActivitySelectorFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseActivitySelectorFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return tr("Activity"); }

 private:
  void LoadProjectVOBs();
  void LoadActivities();
  void UpdateEnabling();

  TClearCaseViewContextSubFrame* viewContext_;
  QRadioButton* btnCurrentActivity_;
  QRadioButton* btnCustomActivity_;
  vy::gui::TVyDropDownComboBox* txtActivityName_;
  vy::gui::TVyDropDownComboBox* txtVOBSelector_;
};

}  // namespace clearcase::editors
