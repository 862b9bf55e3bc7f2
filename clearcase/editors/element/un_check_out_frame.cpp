#include "clearcase/editors/element/un_check_out_frame.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "clearcase/actions/element/uncheckout_action.h"
#include "clearcase/editors/element/element_page_support.h"

namespace clearcase::editors {

using namespace element;

TClearCaseUnCheckOutFrame::TClearCaseUnCheckOutFrame(QWidget* parent)
    : vy::gui::TVyActionPage(parent) {
  setObjectName(QStringLiteral("TClearCaseUnCheckOutFrame"));
  auto* layout = new QVBoxLayout(this);
  QGroupBox* copies = NewGroup(tr("Checked out copies"), this);
  boxKeep_ = Named(new QCheckBox(tr("&Preserve checked out versions as .keep"), copies), "boxKeep");
  (new QVBoxLayout(copies))->addWidget(boxKeep_);
  layout->addWidget(copies);
  layout->addStretch(1);
  WatchEdits(this);
}

void TClearCaseUnCheckOutFrame::ReadActionData(vy::TCustomVyAction& action) {
  if (auto* uncheckout = As<TClearCaseUnCheckOutAction>(action))
    boxKeep_->setChecked(uncheckout->GetKeep());
}

void TClearCaseUnCheckOutFrame::WriteActionData(vy::TCustomVyAction& action) {
  if (auto* uncheckout = As<TClearCaseUnCheckOutAction>(action))
    uncheckout->SetKeep(boxKeep_->isChecked());
}

}  // namespace clearcase::editors
