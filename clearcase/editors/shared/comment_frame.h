#pragma once
// The "Comment" page: no comment, or the comment cleartool records.

#include <QPlainTextEdit>
#include <QRadioButton>

#include "vycore/gui/action_page.h"

namespace clearcase::editors {

class TClearCaseCommentFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseCommentFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return tr("Comment"); }

 private:
  QRadioButton* btnNoComment_;
  QRadioButton* btnComment_;
  QPlainTextEdit* txtComment_;
};

}  // namespace clearcase::editors
