#pragma once
// The "Extended Pathnames" page: version-extended path names and the view
// they are read in. ClearCase LT has no such names, so there the page stays
// disabled and leaves the action as it was.

#include "clearcase/editors/shared/path_list_page.h"
#include "clearcase/editors/shared/view_context_sub_frame.h"

namespace clearcase::editors {

class TClearCaseExtendedPathNameFrame : public TClearCasePathListPage {
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
  void EditSelected() override;
  void RemoveSelected() override;

  TClearCaseViewContextSubFrame* viewContext_;
};

}  // namespace clearcase::editors
