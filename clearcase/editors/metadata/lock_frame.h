#pragma once
// The "Options" page of both lock actions.

#include "vycore/gui/action_page.h"

class QCheckBox;
class QPlainTextEdit;

namespace clearcase::editors {

class TClearCaseLockFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseLockFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return QStringLiteral("Options"); }

  // The stored user list as the box shows it: one name a line.
  static QString UsersShown(const QString& stored);
  // What the box holds as cleartool takes it: "alice,bob".
  static QString UsersStored(const QString& shown);

 private:
  void OnUseNUsers(bool ticked);
  void OnObsolete(bool ticked);

  QCheckBox* boxReplace_;
  QCheckBox* boxObsolete_;
  QCheckBox* boxUseNUsers_;
  QPlainTextEdit* txtNUsersList_;
};

}  // namespace clearcase::editors
