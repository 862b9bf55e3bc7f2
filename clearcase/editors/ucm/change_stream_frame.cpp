#include "clearcase/editors/ucm/change_stream_frame.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "clearcase/actions/core/storage_strings.h"
#include "clearcase/actions/ucm/change_stream_action.h"
#include "clearcase/actions/ucm/project_vob.h"
#include "clearcase/cleartool/cleartool_output.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/cleartool/ucm_queries.h"
#include "clearcase/editors/ucm/ucm_texts.h"

namespace clearcase::editors {

using ucm::ListingItems;
using ucm::ToQ;
using ucm::ToStd;

TClearCaseChangeStreamFrame::TClearCaseChangeStreamFrame(QWidget* parent)
    : TVyActionPage(parent),
      cmbPVOB_(new vy::gui::TVyDropDownComboBox(true, this)),
      cmbProject_(new vy::gui::TVyDropDownComboBox(true, this)),
      cmbStream_(new vy::gui::TVyDropDownComboBox(true, this)),
      btnNoRecommend_(
          new QRadioButton(QStringLiteral("&Don't change the recommended baselines"), this)),
      btnRecommendDefault_(new QRadioButton(
          QStringLiteral("&Generate default recommended baselines (-default)"), this)),
      btnRecommend_(new QRadioButton(QStringLiteral("&Recommend the following baselines:"), this)),
      listBaselines_(new vy::gui::TVyHintListBox(this)),
      cmbBaseline_(new vy::gui::TVyDropDownComboBox(true, this)),
      btnBLAdd_(new QPushButton(QStringLiteral("&Add"), this)),
      btnBLRemove_(new QPushButton(QStringLiteral("Re&move"), this)),
      btnClear_(
          new QRadioButton(QStringLiteral("&Clear recommended baselines (-nrecommended)"), this)) {
  cmbPVOB_->setObjectName(QStringLiteral("cmbPVOB"));
  cmbProject_->setObjectName(QStringLiteral("cmbProject"));
  cmbStream_->setObjectName(QStringLiteral("cmbStream"));
  btnNoRecommend_->setObjectName(QStringLiteral("btnNoRecommend"));
  btnRecommendDefault_->setObjectName(QStringLiteral("btnRecommendDefault"));
  btnRecommend_->setObjectName(QStringLiteral("btnRecommend"));
  btnClear_->setObjectName(QStringLiteral("btnClear"));
  listBaselines_->setObjectName(QStringLiteral("listBaselines"));
  cmbBaseline_->setObjectName(QStringLiteral("cmbBaseline"));
  btnBLAdd_->setObjectName(QStringLiteral("btnBLAdd"));
  btnBLRemove_->setObjectName(QStringLiteral("btnBLRemove"));
  btnNoRecommend_->setChecked(true);
  btnBLAdd_->setEnabled(false);
  btnBLRemove_->setEnabled(false);

  // The four choices are one stop for Tab, the arrows moving between them;
  // the list they govern comes after.
  setTabOrder(btnRecommend_, btnClear_);

  auto* lblPVOB = new QLabel(QStringLiteral("Project &VOB:"), this);
  lblPVOB->setBuddy(cmbPVOB_);
  auto* lblProject = new QLabel(QStringLiteral("&Project:"), this);
  lblProject->setBuddy(cmbProject_);
  auto* lblStream = new QLabel(QStringLiteral("&Stream:"), this);
  lblStream->setBuddy(cmbStream_);

  auto* names = new QGridLayout;
  names->addWidget(lblPVOB, 0, 0);
  names->addWidget(cmbPVOB_, 0, 1);
  names->addWidget(lblProject, 1, 0);
  names->addWidget(cmbProject_, 1, 1);
  names->addWidget(lblStream, 2, 0);
  names->addWidget(cmbStream_, 2, 1);
  names->setColumnStretch(1, 1);

  auto* picker = new QHBoxLayout;
  picker->addWidget(cmbBaseline_, 1);
  picker->addWidget(btnBLAdd_);
  picker->addWidget(btnBLRemove_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(names);
  layout->addWidget(btnNoRecommend_);
  layout->addWidget(btnRecommendDefault_);
  layout->addWidget(btnRecommend_);
  layout->addWidget(listBaselines_, 1);
  layout->addLayout(picker);
  layout->addWidget(btnClear_);

  connect(cmbPVOB_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseChangeStreamFrame::LoadProjectVobs);
  connect(cmbProject_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseChangeStreamFrame::LoadProjects);
  connect(cmbStream_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseChangeStreamFrame::LoadStreams);
  connect(cmbBaseline_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseChangeStreamFrame::LoadBaselines);
  connect(cmbBaseline_, &QComboBox::currentTextChanged, btnBLAdd_,
          [this](const QString& text) { btnBLAdd_->setEnabled(!text.isEmpty()); });
  connect(btnBLAdd_, &QPushButton::clicked, this, &TClearCaseChangeStreamFrame::AddBaseline);
  connect(btnBLRemove_, &QPushButton::clicked, this, &TClearCaseChangeStreamFrame::RemoveBaseline);
  connect(listBaselines_, &vy::gui::TVyHintListBox::DeletePressed, this,
          &TClearCaseChangeStreamFrame::RemoveBaseline);
  connect(listBaselines_, &QListWidget::itemSelectionChanged, btnBLRemove_,
          [this] { btnBLRemove_->setEnabled(!listBaselines_->selectedItems().isEmpty()); });
  WatchEdits(this);
}

void TClearCaseChangeStreamFrame::LoadProjectVobs() {
  cmbPVOB_->SetItems(ListingItems(CCGetPVOBNames()));
}

// Projects and streams belong to the project VOB typed now, so what an
// earlier VOB listed must not be offered even when nothing can be listed.
void TClearCaseChangeStreamFrame::LoadProjects() {
  cmbProject_->SetItems({});
  const std::string pvob = ToStd(cmbPVOB_->currentText());
  if (pvob.empty()) return;
  cmbProject_->SetItems(ListingItems(CCGetUCMProjectsForVOB(pvob)));
}

void TClearCaseChangeStreamFrame::LoadStreams() {
  cmbStream_->SetItems({});
  const std::string pvob = ToStd(cmbPVOB_->currentText());
  if (pvob.empty()) return;
  cmbStream_->SetItems(
      ListingItems(CCGetUCMStreamsForProject(ToStd(cmbProject_->currentText()), pvob)));
}

// Each baseline is offered as the full selector the recommendation needs.
void TClearCaseChangeStreamFrame::LoadBaselines() {
  if (cmbPVOB_->currentText().isEmpty()) return;
  const std::string pvob = RootedVobTag(ToStd(cmbPVOB_->currentText()));
  cmbBaseline_->SetItems({});
  const std::string listing = CCGetCleartoolOutput(
      "lsbl", "-short -stream " + ToStd(cmbStream_->currentText()) + "@" + pvob, "", true);
  QStringList items = ListingItems(listing);
  const QString qualifier = QLatin1Char('@') + ToQ(pvob);
  for (QString& item : items) item += qualifier;
  cmbBaseline_->SetItems(items);
}

void TClearCaseChangeStreamFrame::AddBaseline() {
  const QString baseline = cmbBaseline_->currentText();
  if (baseline.isEmpty()) return;
  listBaselines_->addItem(baseline);
  cmbBaseline_->setEditText(QString());
  btnBLAdd_->setEnabled(false);
  btnRecommend_->setChecked(true);
}

void TClearCaseChangeStreamFrame::RemoveBaseline() {
  // The arrow keys start again from the top afterwards, as in the path lists.
  listBaselines_->RemoveChosenEntry();
  btnBLRemove_->setEnabled(false);
}

void TClearCaseChangeStreamFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* change = dynamic_cast<TClearCaseChangeStreamAction*>(&action);
  if (!change) return;
  cmbPVOB_->setEditText(ToQ(change->GetVOBSelector()));
  cmbProject_->setEditText(ToQ(change->GetDesignProject()));
  cmbStream_->setEditText(ToQ(change->GetStreamName()));
  // Clearing is read last and so wins over a change stored beside it.
  if (change->GetClearRecommended()) {
    btnClear_->setChecked(true);
  } else if (change->GetChangeRecommended()) {
    (change->GetRecommendDefaults() ? btnRecommendDefault_ : btnRecommend_)->setChecked(true);
  } else {
    btnNoRecommend_->setChecked(true);
  }
  listBaselines_->clear();
  for (const std::string& baseline : SplitStorageString(change->GetRecommendBaselines()))
    listBaselines_->addItem(ToQ(baseline));
  btnBLRemove_->setEnabled(false);
}

void TClearCaseChangeStreamFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* change = dynamic_cast<TClearCaseChangeStreamAction*>(&action);
  if (!change) return;
  change->SetVOBSelector(ToStd(cmbPVOB_->currentText()));
  change->SetDesignProject(ToStd(cmbProject_->currentText()));
  change->SetStreamName(ToStd(cmbStream_->currentText()));
  change->SetChangeRecommended(btnRecommendDefault_->isChecked() || btnRecommend_->isChecked());
  change->SetRecommendDefaults(btnRecommendDefault_->isChecked());
  change->SetClearRecommended(btnClear_->isChecked());
  vy::TStringList baselines;
  for (int row = 0; row < listBaselines_->count(); ++row)
    baselines.push_back(ToStd(listBaselines_->item(row)->text()));
  change->SetRecommendBaselines(JoinStorageString(baselines));
}

}  // namespace clearcase::editors
