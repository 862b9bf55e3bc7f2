#pragma once
// "Components" of the make-baseline-from-label action: the label to import,
// its VOB, and optionally the components it is imported into.

#include <QCheckBox>
#include <QPlainTextEdit>

#include "clearcase/editors/shared/view_context_sub_frame.h"
#include "vycore/gui/action_page.h"
#include "vycore/gui/drop_down_combo_box.h"

namespace clearcase::editors {

class TClearCaseMakeBaselineFromLabelFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseMakeBaselineFromLabelFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("Components"); }

 private:
  void LoadVobs();
  void LoadLabels();

  TClearCaseViewContextSubFrame* viewContext_;
  QCheckBox* btnSpecifyComponents_;
  QPlainTextEdit* txtComponent_;
  vy::gui::TVyDropDownComboBox* txtLabel_;
  vy::gui::TVyDropDownComboBox* txtVOB_;
};

}  // namespace clearcase::editors
