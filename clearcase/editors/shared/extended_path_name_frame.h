#pragma once
// The "Extended Pathnames" page: version-extended path names and the view
// they are read in. ClearCase LT has no such names, so there the page stays
// disabled and leaves the action as it was.

#include <QLabel>
#include <QPushButton>

#include "clearcase/editors/shared/view_context_sub_frame.h"
#include "vycore/gui/action_page.h"
#include "vycore/gui/hint_list_box.h"

namespace clearcase::editors {

class TClearCaseExtendedPathNameFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseExtendedPathNameFrame(QWidget* parent = nullptr);

  void InitPage(vy::TCustomVyAction& action) override;
  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return tr("Extended Pathnames"); }

  TClearCaseViewContextSubFrame* ViewContext() const { return viewContext_; }

 private:
  // The heading stands for the page: disabled for ClearCase LT.
  bool PageEnabled() const { return txtHeading_->isEnabled(); }
  void AddEntry();
  void EditSelected();
  void RemoveSelected();
  void UpdateButtons();

  QLabel* txtHeading_;
  vy::gui::TVyHintListBox* pathsListBox_;
  QPushButton* addButton_;
  QPushButton* editButton_;
  QPushButton* remButton_;
  TClearCaseViewContextSubFrame* viewContext_;
};

}  // namespace clearcase::editors
