#pragma once
// "New Baseline": what the new baselines are made for (every changed
// component, listed components, or listed activities) and how they are
// named. Components and activities are found with the selector form, which
// starts where the last search of this action ended.

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "clearcase/editors/shared/view_context_sub_frame.h"
#include "vycore/gui/action_page.h"

namespace clearcase::editors {

class TClearCaseMakeBaselineFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseMakeBaselineFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("New Baseline"); }

 private:
  void UpdateSelectionEnabling();
  void RootNameEdited(const QString& text);
  // "Add Component" and "Add Activity": the selector form, then its result
  // as the last line of the box the selection uses.
  void AddFromSelector();

  TClearCaseViewContextSubFrame* viewContext_;
  QGroupBox* nameGroup_;
  QRadioButton* btnUseBaselineNameTemplate_;
  QRadioButton* btnUseRootName_;
  QLineEdit* txtBaselineRootName_;
  QGroupBox* selectionGroup_;
  QRadioButton* btnAll_;
  QRadioButton* btnComponents_;
  QPlainTextEdit* edtComponents_;
  QPushButton* btnAddComp_;
  QRadioButton* btnActivities_;
  QPlainTextEdit* edtActivities_;
  QPushButton* btnAddAct_;

  // The selector form's last project VOB, project and stream.
  QString lastPVOB_;
  QString lastProject_;
  QString lastStream_;
};

}  // namespace clearcase::editors
