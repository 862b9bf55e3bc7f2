#pragma once
// The dialog that takes one view, component or file path for the
// "Pathnames" page, typed or browsed.

#include <QDialog>
#include <QString>

#include "vycore/gui/path_edit.h"

namespace clearcase::editors {

class TClearCaseEditViewPathForm : public QDialog {
  Q_OBJECT

 public:
  explicit TClearCaseEditViewPathForm(QWidget* parent = nullptr);

  void SetPathName(const QString& path);
  QString GetPathName() const;

 private:
  void Browse();

  vy::gui::TVyPathEdit* txtExternalPath_;
  bool isDirectory_ = false;
};

}  // namespace clearcase::editors
