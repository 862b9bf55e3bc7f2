#pragma once
// "Options" of set config spec: the view, and which config spec it gets.

#include <QRadioButton>

#include "clearcase/editors/shared/view_context_sub_frame.h"
#include "vycore/gui/action_page.h"
#include "vycore/gui/path_edit.h"

namespace clearcase::editors {

class TClearCaseSetConfigSpecFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseSetConfigSpecFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return tr("Options"); }

 private:
  void BrowseForFile();

  TClearCaseViewContextSubFrame* viewContext_;
  QRadioButton* btnCurrent_;
  QRadioButton* btnDefault_;
  QRadioButton* btnStream_;
  QRadioButton* btnFile_;
  vy::gui::TVyPathEdit* txtSpecFile_;
};

}  // namespace clearcase::editors
