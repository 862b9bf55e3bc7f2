#include "clearcase/editors/ucm/change_baseline_frame.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "clearcase/actions/ucm/change_baseline_action.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/cleartool/ucm_queries.h"
#include "clearcase/editors/ucm/ucm_texts.h"

namespace clearcase::editors {

using ucm::ListingItems;
using ucm::ToQ;
using ucm::ToStd;

TClearCaseChangeBaselineFrame::TClearCaseChangeBaselineFrame(QWidget* parent)
    : TVyActionPage(parent),
      cmbPVOB_(new vy::gui::TVyDropDownComboBox(true, this)),
      cmbBaseline_(new vy::gui::TVyDropDownComboBox(true, this)),
      boxApplyPromo_(new QCheckBox(QStringLiteral("Change &promotion level:"), this)),
      cmbPromo_(new vy::gui::TVyDropDownComboBox(true, this)),
      rbNone_(new QRadioButton(QStringLiteral("&Do not change labelling status"), this)),
      rbIncremental_(new QRadioButton(
          QStringLiteral("Change from unlabelled to &incremental labelling (-incremental)"), this)),
      rbFull_(new QRadioButton(QStringLiteral("Change to &full labelling (-full)"), this)),
      boxRecurse_(
          new QCheckBox(QStringLiteral("Apply changes &recursively to member baselines"), this)) {
  cmbPVOB_->setObjectName(QStringLiteral("cmbPVOB"));
  cmbBaseline_->setObjectName(QStringLiteral("cmbBaseline"));
  boxApplyPromo_->setObjectName(QStringLiteral("boxApplyPromo"));
  cmbPromo_->setObjectName(QStringLiteral("cmbPromo"));
  rbNone_->setObjectName(QStringLiteral("rbNone"));
  rbIncremental_->setObjectName(QStringLiteral("rbIncremental"));
  rbFull_->setObjectName(QStringLiteral("rbFull"));
  boxRecurse_->setObjectName(QStringLiteral("boxRecurse"));
  rbNone_->setChecked(true);

  auto* lblPVOB = new QLabel(QStringLiteral("Project &VOB:"), this);
  lblPVOB->setBuddy(cmbPVOB_);
  auto* lblBaseline = new QLabel(QStringLiteral("&Baseline:"), this);
  lblBaseline->setBuddy(cmbBaseline_);

  auto* names = new QGridLayout;
  names->addWidget(lblPVOB, 0, 0);
  names->addWidget(cmbPVOB_, 0, 1);
  names->addWidget(lblBaseline, 1, 0);
  names->addWidget(cmbBaseline_, 1, 1);
  names->addWidget(boxApplyPromo_, 2, 0);
  names->addWidget(cmbPromo_, 2, 1);
  names->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(names);
  layout->addWidget(rbNone_);
  layout->addWidget(rbIncremental_);
  layout->addWidget(rbFull_);
  layout->addWidget(boxRecurse_);
  layout->addStretch();

  connect(cmbPVOB_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseChangeBaselineFrame::LoadProjectVobs);
  connect(cmbBaseline_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseChangeBaselineFrame::LoadBaselines);
  connect(cmbPromo_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseChangeBaselineFrame::LoadPromotionLevels);
  // Choosing or typing a level only makes sense if it is to be assigned.
  connect(cmbPromo_, &QComboBox::currentTextChanged, boxApplyPromo_,
          [this] { boxApplyPromo_->setChecked(true); });
  WatchEdits(this);
}

void TClearCaseChangeBaselineFrame::LoadProjectVobs() {
  cmbPVOB_->SetItems(ListingItems(CCGetPVOBNames()));
}

void TClearCaseChangeBaselineFrame::LoadBaselines() {
  if (cmbPVOB_->currentText().isEmpty()) return;
  cmbBaseline_->SetItems(ListingItems(CCGetUCMBaselinesForVOB(ToStd(cmbPVOB_->currentText()))));
}

void TClearCaseChangeBaselineFrame::LoadPromotionLevels() {
  if (cmbPVOB_->currentText().isEmpty()) return;
  cmbPromo_->SetItems(ListingItems(CCGetUCMPromoLevelsForPVOB(ToStd(cmbPVOB_->currentText()))));
}

void TClearCaseChangeBaselineFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* change = dynamic_cast<TClearCaseChangeBaselineAction*>(&action);
  if (!change) return;
  cmbPVOB_->setEditText(ToQ(change->GetProjectVOB()));
  cmbBaseline_->setEditText(ToQ(change->GetBaseline()));
  cmbPromo_->setEditText(ToQ(change->GetPromotionLevel()));
  // After the level, whose loading would tick the box as a pick does.
  boxApplyPromo_->setChecked(change->GetAssignLevel());
  switch (change->GetTypeChange()) {
    case blIncremental:
      rbIncremental_->setChecked(true);
      break;
    case blFull:
      rbFull_->setChecked(true);
      break;
    case blNone:
    default:
      rbNone_->setChecked(true);
      break;
  }
  boxRecurse_->setChecked(change->GetRecurse());
}

void TClearCaseChangeBaselineFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* change = dynamic_cast<TClearCaseChangeBaselineAction*>(&action);
  if (!change) return;
  change->SetProjectVOB(ToStd(cmbPVOB_->currentText()));
  change->SetBaseline(ToStd(cmbBaseline_->currentText()));
  change->SetAssignLevel(boxApplyPromo_->isChecked());
  change->SetPromotionLevel(ToStd(cmbPromo_->currentText()));
  if (rbIncremental_->isChecked()) {
    change->SetTypeChange(blIncremental);
  } else if (rbFull_->isChecked()) {
    change->SetTypeChange(blFull);
  } else {
    change->SetTypeChange(blNone);
  }
  change->SetRecurse(boxRecurse_->isChecked());
}

}  // namespace clearcase::editors
