#pragma once
// "Options" of find checkouts: the view to search, the listing's form, and
// the host variable that collects it.

#include <QCheckBox>
#include <QComboBox>

#include "clearcase/editors/shared/view_context_sub_frame.h"
#include "vycore/gui/action_page.h"

namespace clearcase::editors {

class TClearCaseFindCheckoutsFrame : public vy::gui::TVyActionPage {
  Q_OBJECT

 public:
  explicit TClearCaseFindCheckoutsFrame(QWidget* parent = nullptr);

  void ReadActionData(vy::TCustomVyAction& action) override;
  void WriteActionData(vy::TCustomVyAction& action) override;
  QString PageName() const override { return tr("Options"); }

 private:
  TClearCaseViewContextSubFrame* viewContext_;
  QCheckBox* boxVariable_;
  QComboBox* cmbVariable_;
  QCheckBox* boxShort_;
  QCheckBox* chkRecurse_;
};

}  // namespace clearcase::editors
