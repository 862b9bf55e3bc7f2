#pragma once
// "Activity" of the make-activity action: the new activity's name (or a
// generated one), its project VOB and headline, in a view.

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "clearcase/editors/shared/view_context_sub_frame.h"
#include "vycore/gui/action_page.h"
#include "vycore/gui/drop_down_combo_box.h"

namespace clearcase::editors {

class TClearCaseMakeActivityFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseMakeActivityFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("Activity"); }

 private:
  void LoadProjectVobs();

  TClearCaseViewContextSubFrame* viewContext_;
  QRadioButton* btnGenerateName_;
  QRadioButton* btnCustomName_;
  QLineEdit* txtActivityName_;
  vy::gui::TVyDropDownComboBox* txtVOBSelector_;
  QLineEdit* txtHeadline_;
  QCheckBox* boxNSet_;
};

}  // namespace clearcase::editors
