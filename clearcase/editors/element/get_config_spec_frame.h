#pragma once
// "Options" of get config spec: the view, and the file the config spec is
// saved to.

#include <QCheckBox>

#include "clearcase/editors/shared/view_context_sub_frame.h"
#include "vycore/gui/action_page.h"
#include "vycore/gui/path_edit.h"

namespace clearcase::editors {

class TClearCaseGetConfigSpecFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseGetConfigSpecFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return tr("Options"); }

 private:
  void BrowseForFile();

  TClearCaseViewContextSubFrame* viewContext_;
  QCheckBox* boxUseFile_;
  vy::gui::TVyPathEdit* txtFilePath_;
};

}  // namespace clearcase::editors
