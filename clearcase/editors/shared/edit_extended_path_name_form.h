#pragma once
// The dialog that builds one version-extended path name, element "@@"
// selector, offering the elements and versions of the view context.

#include <QDialog>
#include <QString>

#include "vycore/gui/drop_down_combo_box.h"

namespace clearcase::editors {

class TClearCaseEditExtendedPathNameForm : public QDialog {
  Q_OBJECT

 public:
  explicit TClearCaseEditExtendedPathNameForm(QWidget* parent = nullptr);

  // The folder the element and version listings run in.
  void SetViewContext(const QString& path) { viewContext_ = path; }
  void SetPathName(const QString& path);
  QString GetPathName() const;

 private:
  void FillElements();
  void FillSelectors();

  vy::gui::TVyDropDownComboBox* txtElement_;
  vy::gui::TVyDropDownComboBox* txtSelector_;
  QString viewContext_;
};

}  // namespace clearcase::editors
