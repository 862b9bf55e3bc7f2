#pragma once
// The "New Type" page of the make attribute type action: name, VOB, value
// type, allowed range and default value. Each value row has a numeric box
// and a date box; the value type decides which one shows and is stored.

#include "vycore/gui/action_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vy::gui {
class TVyDropDownComboBox;
class TVyNumberEdit;
}  // namespace vy::gui

namespace clearcase::editors {

class TClearCaseDateButtonEdit;

class TClearCaseMakeAttributeTypeFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseMakeAttributeTypeFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("New Type"); }

 private:
  void ApplyTypeRules();
  void ApplyMinRule();
  void ApplyMaxRule();
  void ApplyDefaultRule();
  bool IsDateType() const;
  bool DefaultIsText() const;

  QLineEdit* txtAttributeName_;
  vy::gui::TVyDropDownComboBox* txtVOBSelector_;
  QComboBox* cmbType_;
  QCheckBox* boxMin_;
  vy::gui::TVyNumberEdit* txtMinNum_;
  TClearCaseDateButtonEdit* minDateFrame_;
  QCheckBox* boxMinInclusive_;
  QCheckBox* boxMax_;
  vy::gui::TVyNumberEdit* txtMaxNum_;
  TClearCaseDateButtonEdit* maxDateFrame_;
  QCheckBox* boxMaxInclusive_;
  QCheckBox* boxDefault_;
  vy::gui::TVyNumberEdit* txtDefaultValueNumeric_;
  TClearCaseDateButtonEdit* txtDefaultValue_;
};

}  // namespace clearcase::editors
