#include "clearcase/editors/ucm/make_activity_frame.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "clearcase/actions/ucm/activity_actions.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/editors/ucm/ucm_texts.h"

namespace clearcase::editors {

using ucm::ListingItems;
using ucm::ToQ;
using ucm::ToStd;

TClearCaseMakeActivityFrame::TClearCaseMakeActivityFrame(QWidget* parent)
    : TVyActionPage(parent),
      viewContext_(new TClearCaseViewContextSubFrame(this)),
      btnGenerateName_(new QRadioButton(
          QStringLiteral("Use &automatically generated name for the new activity"), this)),
      btnCustomName_(new QRadioButton(QStringLiteral("Use activity &name:"), this)),
      txtActivityName_(new QLineEdit(this)),
      txtVOBSelector_(new vy::gui::TVyDropDownComboBox(true, this)),
      txtHeadline_(new QLineEdit(this)),
      boxNSet_(new QCheckBox(QStringLiteral("Don't &set as current activity (-nset)"), this)) {
  viewContext_->setObjectName(QStringLiteral("ClearCaseViewContextSubFrame1"));
  btnGenerateName_->setObjectName(QStringLiteral("btnGenerateName"));
  btnCustomName_->setObjectName(QStringLiteral("btnCustomName"));
  txtActivityName_->setObjectName(QStringLiteral("txtActivityName"));
  txtVOBSelector_->setObjectName(QStringLiteral("txtVOBSelector"));
  txtHeadline_->setObjectName(QStringLiteral("txtHeadline"));
  boxNSet_->setObjectName(QStringLiteral("boxNSet"));
  btnCustomName_->setChecked(true);

  auto* lblVOB = new QLabel(QStringLiteral("in UCM Project &VOB:"), this);
  lblVOB->setBuddy(txtVOBSelector_);
  auto* lblHeadline = new QLabel(QStringLiteral("&Headline (-headline)"), this);
  lblHeadline->setBuddy(txtHeadline_);

  auto* name = new QGridLayout;
  name->addWidget(btnGenerateName_, 0, 0, 1, 2);
  name->addWidget(btnCustomName_, 1, 0, 1, 2);
  name->addWidget(txtActivityName_, 2, 0, 1, 2);
  name->addWidget(lblVOB, 3, 0);
  name->addWidget(txtVOBSelector_, 3, 1);
  name->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(viewContext_);
  layout->addLayout(name);
  layout->addWidget(lblHeadline);
  layout->addWidget(txtHeadline_);
  layout->addWidget(boxNSet_);
  layout->addStretch();

  connect(txtVOBSelector_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseMakeActivityFrame::LoadProjectVobs);
  WatchEdits(this);
}

// Project VOBs hardly change while the page is open: listed once.
void TClearCaseMakeActivityFrame::LoadProjectVobs() {
  if (txtVOBSelector_->count() > 0 && !txtVOBSelector_->itemText(0).isEmpty()) return;
  txtVOBSelector_->SetItems(ListingItems(CCGetPVOBNames()));
}

void TClearCaseMakeActivityFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* make = dynamic_cast<TClearCaseMakeActivityAction*>(&action);
  if (!make) return;
  viewContext_->ReadActionData(*make);
  (make->GetAutoGenerateName() ? btnGenerateName_ : btnCustomName_)->setChecked(true);
  txtActivityName_->setText(ToQ(make->GetActivityName()));
  txtVOBSelector_->setEditText(ToQ(make->GetVOBSelector()));
  txtHeadline_->setText(ToQ(make->GetHeadline()));
  boxNSet_->setChecked(make->GetDontSetAsCurrent());
}

void TClearCaseMakeActivityFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* make = dynamic_cast<TClearCaseMakeActivityAction*>(&action);
  if (!make) return;
  viewContext_->WriteActionData(*make);
  make->SetAutoGenerateName(btnGenerateName_->isChecked());
  make->SetActivityName(ToStd(txtActivityName_->text()));
  make->SetVOBSelector(ToStd(txtVOBSelector_->currentText()));
  make->SetHeadline(ToStd(txtHeadline_->text()));
  make->SetDontSetAsCurrent(boxNSet_->isChecked());
}

}  // namespace clearcase::editors
