#pragma once
// "Cleartool Parameters" of the generic action: any subcommand with its
// arguments, where it starts, and the variable that keeps its output.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "clearcase/editors/shared/view_context_sub_frame.h"
#include "vycore/gui/action_page.h"

namespace clearcase::editors {

class TClearCaseCleartoolFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseCleartoolFrame(QWidget* parent = nullptr);

  void InitFrame() override;
  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return tr("Cleartool Parameters"); }

 private:
  void UpdateFullCommand();

  QLineEdit* txtCommand_;
  QPlainTextEdit* txtArgs_;
  QLabel* lblPath_;
  QCheckBox* boxLogOutput_;
  QComboBox* cmbVariable_;
  TClearCaseViewContextSubFrame* viewContext_;
  QString lineBreak_ = QStringLiteral("\n");
};

}  // namespace clearcase::editors
