#include "clearcase/editors/element/un_check_out_activity_frame.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "clearcase/actions/element/uncheckout_action.h"
#include "clearcase/editors/element/element_page_support.h"

namespace clearcase::editors {

using namespace element;

TClearCaseUnCheckOutActivityFrame::TClearCaseUnCheckOutActivityFrame(QWidget* parent)
    : vy::gui::TVyActionPage(parent) {
  setObjectName(QStringLiteral("TClearCaseUnCheckOutActivityFrame"));
  auto* layout = new QVBoxLayout(this);
  QGroupBox* copies = NewGroup(tr("Checked out copies"), this);
  boxKeep_ = Named(new QCheckBox(tr("&Preserve checked out versions as .keep"), copies), "boxKeep");
  auto* note = Named(
      new QLabel(
          tr("(Checkout will be cancelled for all files belonging to the current activity in the "
             "selected view.)"),
          copies),
      "lblNote");
  note->setWordWrap(true);
  auto* copiesLayout = new QVBoxLayout(copies);
  copiesLayout->addWidget(boxKeep_);
  copiesLayout->addWidget(note);
  layout->addWidget(copies);
  viewContext_ = Named(new TClearCaseViewContextSubFrame(this), "ClearCaseViewContextSubFrame1");
  layout->addWidget(viewContext_);
  layout->addStretch(1);
  WatchEdits(this);
}

void TClearCaseUnCheckOutActivityFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* uncheckout = As<TClearCaseUnCheckOutActivityAction>(action);
  if (uncheckout == nullptr) return;
  boxKeep_->setChecked(uncheckout->GetKeep());
  viewContext_->ReadActionData(*uncheckout);
}

void TClearCaseUnCheckOutActivityFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* uncheckout = As<TClearCaseUnCheckOutActivityAction>(action);
  if (uncheckout == nullptr) return;
  uncheckout->SetKeep(boxKeep_->isChecked());
  viewContext_->WriteActionData(*uncheckout);
}

}  // namespace clearcase::editors
