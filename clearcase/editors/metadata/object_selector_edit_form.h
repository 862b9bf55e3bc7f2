#pragma once
// The dialog that composes one object selector, either from its parts (kind,
// VOB, name, with UCM project and stream filters that only narrow the name
// list) or as free text, keeping both forms in step.

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vy::gui {
class TVyDropDownComboBox;
}

namespace clearcase::editors {

class TClearCaseObjectSelectorEditForm : public QDialog {
  Q_OBJECT

 public:
  explicit TClearCaseObjectSelectorEditForm(QWidget* parent = nullptr);
  ~TClearCaseObjectSelectorEditForm() override;

  // Parses `text` into the parts, then rebuilds it from them.
  void SetObjectSelector(const QString& text);
  QString GetObjectSelector() const;
  // Rebuilds the selector string from the parts.
  void UpdateObjectSelector();

  // Whether the user last worked in the selector string box.
  bool UsingCustomSelector() const { return usingCustom_; }

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OnKindChanged(int index);
  void ParseSelector(const QString& text);
  void OnFocusChanged(QWidget* now);
  void FillVobList();
  void FillProjectList();
  void FillStreamList();
  void FillNameList();
  QString KindName() const;

  QComboBox* cmbObjectTypeName_;
  QComboBox* cmbObjectTypeTag_;
  QLabel* lblVOB_;
  vy::gui::TVyDropDownComboBox* txtVOB_;
  QLabel* lblProject_;
  vy::gui::TVyDropDownComboBox* cmbProject_;
  QLabel* lblStream_;
  vy::gui::TVyDropDownComboBox* cmbStream_;
  QLabel* lblObjName_;
  vy::gui::TVyDropDownComboBox* txtObjectName_;
  QLineEdit* txtObjectSelector_;

  QStringList vobCache_;
  QStringList pvobCache_;
  bool usingCustom_ = false;
  // The parse writes the parts without a rebuild, and the kind-change steps
  // rebuild once at their end.
  bool quietParts_ = false;
  // Focus moves while the base classes tear the controls down; by then the
  // dialog must no longer listen.
  QMetaObject::Connection focusWatch_;
};

}  // namespace clearcase::editors
