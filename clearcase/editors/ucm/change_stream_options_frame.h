#pragma once
// "Stream Options": policies, config spec regeneration and the default
// deliver stream of the stream being changed.

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "vycore/gui/action_page.h"

namespace clearcase::editors {

class TClearCaseChangeStreamOptionsFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseChangeStreamOptionsFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("Stream Options"); }

 private:
  QCheckBox* boxPolicyEnable_;
  QLineEdit* txtPolicyEnable_;
  QCheckBox* boxPolicyDisable_;
  QLineEdit* txtPolicyDisable_;
  QCheckBox* boxGenerate_;
  QRadioButton* rbNoDeliverStream_;
  QRadioButton* rbChangeDeliverStream_;
  QLineEdit* txtDeliverStream_;
  QRadioButton* rbClearDeliverStream_;
};

}  // namespace clearcase::editors
