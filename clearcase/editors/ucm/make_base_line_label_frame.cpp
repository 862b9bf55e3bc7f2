#include "clearcase/editors/ucm/make_base_line_label_frame.h"

#include <QVBoxLayout>

#include "clearcase/actions/ucm/make_baseline_actions.h"

namespace clearcase::editors {

TClearCaseMakeBaseLineLabelFrame::TClearCaseMakeBaseLineLabelFrame(QWidget* parent)
    : TVyActionPage(parent),
      btnIncremental_(new QRadioButton(
          QStringLiteral(
              "Label elements which have changed since the last baseline (-&incremental)"),
          this)),
      btnFulllabel_(new QRadioButton(QStringLiteral("Label all elements (-&full)"), this)),
      btnNlabel_(
          new QRadioButton(QStringLiteral("Create an unlabelled baseline (-&nlabel)"), this)) {
  btnIncremental_->setObjectName(QStringLiteral("btnIncremental"));
  btnFulllabel_->setObjectName(QStringLiteral("btnFulllabel"));
  btnNlabel_->setObjectName(QStringLiteral("btnNlabel"));
  btnIncremental_->setChecked(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(btnIncremental_);
  layout->addWidget(btnFulllabel_);
  layout->addWidget(btnNlabel_);
  layout->addStretch();
  WatchEdits(this);
}

void TClearCaseMakeBaseLineLabelFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* baseline = dynamic_cast<TClearCaseMakeBaselineAction*>(&action);
  if (!baseline) return;
  switch (baseline->GetLabelling()) {
    case lbAll:
      btnFulllabel_->setChecked(true);
      break;
    case lbNone:
      btnNlabel_->setChecked(true);
      break;
    case lbIncremental:
    default:
      btnIncremental_->setChecked(true);
      break;
  }
}

void TClearCaseMakeBaseLineLabelFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* baseline = dynamic_cast<TClearCaseMakeBaselineAction*>(&action);
  if (!baseline) return;
  if (btnFulllabel_->isChecked()) {
    baseline->SetLabelling(lbAll);
  } else if (btnNlabel_->isChecked()) {
    baseline->SetLabelling(lbNone);
  } else {
    baseline->SetLabelling(lbIncremental);
  }
}

}  // namespace clearcase::editors
