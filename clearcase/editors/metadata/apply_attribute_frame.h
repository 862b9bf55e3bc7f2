#pragma once
// The "Attribute" page of both apply attribute actions: the attribute type,
// the value, and a note of the type's value type looked up in the VOB.

#include "vycore/gui/action_page.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace vy::gui {
class TVyDropDownComboBox;
}

namespace clearcase::editors {

class TClearCaseApplyAttributeFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseApplyAttributeFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("Attribute"); }

  // The one-shot delay before the type lookup; a test fires it at will.
  QTimer* TypeTimer() const { return typeTimer_; }

  static constexpr int kTypeDelayMs = 400;

 private:
  void LookUpType();

  vy::gui::TVyDropDownComboBox* txtVOBSelector_;
  vy::gui::TVyDropDownComboBox* txtAttrName_;
  QLabel* lblType_;
  QLineEdit* txtValue_;
  QCheckBox* boxUseDefault_;
  QTimer* typeTimer_;
};

}  // namespace clearcase::editors
