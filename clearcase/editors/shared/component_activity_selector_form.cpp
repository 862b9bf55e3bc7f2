#include "clearcase/editors/shared/component_activity_selector_form.h"

#include <string>

#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/cleartool/string_lists.h"
#include "clearcase/cleartool/ucm_queries.h"

namespace clearcase::editors {

namespace {

// The rule under the heading ends here, whatever the heading's length.
constexpr int kRuleEnd = 475;
constexpr int kBoxLeft = 100;
constexpr int kRowHeight = 22;

QStringList Items(const std::string& listing) {
  QStringList items;
  ForEachLine(listing, [&](std::string_view line) {
    items.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
  });
  return items;
}

std::string Text(const QComboBox* box) {
  return box->currentText().toStdString();
}

}  // namespace

TComponentActivitySelectorForm::TComponentActivitySelectorForm(QWidget* owner)
    : QDialog(owner),
      lblFind_(new QLabel(tr("Find Components"), this)),
      bvlTop_(new QFrame(this)),
      cmbPVOB_(new vy::gui::TVyDropDownComboBox(true, this)),
      cmbProject_(new vy::gui::TVyDropDownComboBox(true, this)),
      cmbStream_(new vy::gui::TVyDropDownComboBox(true, this)),
      lblResult_(new QLabel(tr("Components:"), this)),
      cmbResult_(new vy::gui::TVyDropDownComboBox(true, this)),
      btnAdd_(new QPushButton(tr("&Add"), this)),
      btnCancel_(new QPushButton(tr("Cancel"), this)),
      btnUpdate_(new QPushButton(tr("&Update All Dropdowns"), this)) {
  setObjectName(QStringLiteral("TComponentActivitySelectorForm"));
  setWindowTitle(tr("Select Component"));
  setModal(true);
  lblFind_->setObjectName(QStringLiteral("lblFind"));
  bvlTop_->setObjectName(QStringLiteral("bvlTop"));
  cmbPVOB_->setObjectName(QStringLiteral("cmbPVOB"));
  cmbProject_->setObjectName(QStringLiteral("cmbProject"));
  cmbStream_->setObjectName(QStringLiteral("cmbStream"));
  lblResult_->setObjectName(QStringLiteral("lblResult"));
  cmbResult_->setObjectName(QStringLiteral("cmbResult"));
  btnAdd_->setObjectName(QStringLiteral("btnAdd"));
  btnCancel_->setObjectName(QStringLiteral("btnCancel"));
  btnUpdate_->setObjectName(QStringLiteral("btnUpdate"));

  // Laid out by position: SetTargetType moves the rule after the heading.
  QFont bold = lblFind_->font();
  bold.setBold(true);
  lblFind_->setFont(bold);
  lblFind_->move(8, 8);
  lblFind_->adjustSize();
  bvlTop_->setFrameShape(QFrame::HLine);
  bvlTop_->setFrameShadow(QFrame::Sunken);
  const int ruleLeft = lblFind_->geometry().right() + 1 + 9;
  bvlTop_->setGeometry(ruleLeft, 8 + lblFind_->height() / 2 - 1, kRuleEnd - ruleLeft, 2);

  int top = 36;
  const auto row = [&](const QString& caption, QComboBox* box) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(box);
    label->setGeometry(8, top, kBoxLeft - 14, kRowHeight);
    box->setGeometry(kBoxLeft, top, kRuleEnd - kBoxLeft, kRowHeight);
    top += 30;
  };
  row(tr("Project &VOB:"), cmbPVOB_);
  row(tr("&Project:"), cmbProject_);
  row(tr("&Stream:"), cmbStream_);
  top += 6;
  lblResult_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblResult_->setGeometry(8, top, kBoxLeft - 14, kRowHeight);
  lblResult_->setBuddy(cmbResult_);
  cmbResult_->setGeometry(kBoxLeft, top, kRuleEnd - kBoxLeft, kRowHeight);
  top += 40;
  btnUpdate_->setGeometry(8, top, 160, 26);
  btnAdd_->setGeometry(kRuleEnd - 165, top, 80, 26);
  btnCancel_->setGeometry(kRuleEnd - 80, top, 80, 26);
  setFixedSize(kRuleEnd + 9, top + 36);

  btnAdd_->setDefault(true);
  btnAdd_->setEnabled(false);

  connect(cmbPVOB_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TComponentActivitySelectorForm::LoadPVOBs);
  connect(cmbProject_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TComponentActivitySelectorForm::LoadProjects);
  connect(cmbStream_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TComponentActivitySelectorForm::LoadStreams);
  connect(cmbResult_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TComponentActivitySelectorForm::LoadResults);
  connect(cmbPVOB_, &QComboBox::currentTextChanged, this, [this] {
    MakeStale({ProjectList, StreamList, ResultList});
    ResultChanged();
  });
  connect(cmbProject_, &QComboBox::currentTextChanged, this, [this] {
    MakeStale({StreamList, ResultList});
  });
  connect(cmbStream_, &QComboBox::currentTextChanged, this, [this] { MakeStale({ResultList}); });
  connect(cmbResult_, &QComboBox::currentTextChanged, this,
          &TComponentActivitySelectorForm::ResultChanged);
  connect(btnAdd_, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnUpdate_, &QPushButton::clicked, this, &TComponentActivitySelectorForm::UpdateAll);
}

void TComponentActivitySelectorForm::MakeStale(std::initializer_list<TList> lists) {
  for (TList list : lists) stale_[list] = true;
}

void TComponentActivitySelectorForm::LoadPVOBs() {
  if (!stale_[PvobList]) return;
  cmbPVOB_->SetItems(Items(CCGetPVOBNames()));
  stale_[PvobList] = false;
}

void TComponentActivitySelectorForm::LoadProjects() {
  if (!stale_[ProjectList]) return;
  cmbProject_->SetItems(Items(CCGetUCMProjectsForVOB(Text(cmbPVOB_))));
  stale_[ProjectList] = false;
}

void TComponentActivitySelectorForm::LoadStreams() {
  if (!stale_[StreamList]) return;
  cmbStream_->SetItems(Items(CCGetUCMStreamsForProject(Text(cmbProject_), Text(cmbPVOB_))));
  stale_[StreamList] = false;
}

void TComponentActivitySelectorForm::LoadResults() {
  // Left stale on purpose: activities come and go while the form is open,
  // so the result list is queried at every drop-down.
  if (!stale_[ResultList]) return;
  const bool activities = lblResult_->text() == tr("Activity:");
  const std::string pvob = Text(cmbPVOB_);
  const std::string stream = Text(cmbStream_);
  std::string listing;
  if (!stream.empty()) {
    listing = activities ? CCGetUCMActivitiesForStream(stream, pvob)
                         : CCGetUCMComponentsForStream(stream, pvob);
  } else {
    const std::string project = Text(cmbProject_);
    listing = activities ? CCGetUCMActivitiesForProject(project, pvob)
                         : CCGetUCMComponentsForProject(project, pvob);
  }
  cmbResult_->SetItems(Items(listing));
}

void TComponentActivitySelectorForm::UpdateAll() {
  stale_.fill(true);
  const std::pair<vy::gui::TVyDropDownComboBox*, void (TComponentActivitySelectorForm::*)()>
      lists[] = {
          {cmbPVOB_, &TComponentActivitySelectorForm::LoadPVOBs},
          {cmbProject_, &TComponentActivitySelectorForm::LoadProjects},
          {cmbStream_, &TComponentActivitySelectorForm::LoadStreams},
          {cmbResult_, &TComponentActivitySelectorForm::LoadResults},
      };
  for (const auto& [box, load] : lists) {
    (this->*load)();
    if (box->findText(box->currentText(), Qt::MatchExactly) < 0) box->setEditText(QString());
  }
}

void TComponentActivitySelectorForm::ResultChanged() {
  btnAdd_->setEnabled(!cmbResult_->currentText().isEmpty() && !cmbPVOB_->currentText().isEmpty());
}

void TComponentActivitySelectorForm::SetTargetType(const QString& kind) {
  if (kind != QLatin1String("Activity")) return;
  lblFind_->setText(tr("Find Activity"));
  lblFind_->adjustSize();
  setWindowTitle(tr("Select Activity"));
  lblResult_->setText(tr("Activity:"));
  const int left = lblFind_->geometry().right() + 1 + 9;
  bvlTop_->setGeometry(left, bvlTop_->y(), kRuleEnd - left, bvlTop_->height());
}

QString TComponentActivitySelectorForm::GetResult() const {
  const QString result = cmbResult_->currentText();
  if (result.contains(QLatin1Char('@'))) return result;
  return result + QLatin1Char('@') + cmbPVOB_->currentText();
}

}  // namespace clearcase::editors
