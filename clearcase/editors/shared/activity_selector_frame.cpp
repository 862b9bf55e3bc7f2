#include "clearcase/editors/shared/activity_selector_frame.h"

#include <QButtonGroup>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>
#include <string>

#include "clearcase/actions/ucm/activity_actions.h"
#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/cleartool/string_lists.h"
#include "clearcase/cleartool/ucm_queries.h"

namespace clearcase::editors {

namespace {

QStringList Items(const std::string& listing) {
  QStringList items;
  ForEachLine(listing, [&](std::string_view line) {
    items.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
  });
  return items;
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}
std::string S(const QString& text) {
  return text.toStdString();
}

}  // namespace

TClearCaseActivitySelectorFrame::TClearCaseActivitySelectorFrame(QWidget* parent)
    : vy::gui::TVyActionPage(parent),
      viewContext_(new TClearCaseViewContextSubFrame(this)),
      btnCurrentActivity_(new QRadioButton(tr("Use the Current &Activity for the view"), this)),
      btnCustomActivity_(new QRadioButton(tr("&Use This Activity:"), this)),
      txtActivityName_(new vy::gui::TVyDropDownComboBox(true, this)),
      txtVOBSelector_(new vy::gui::TVyDropDownComboBox(true, this)) {
  setObjectName(QStringLiteral("TClearCaseActivitySelectorFrame"));
  viewContext_->setObjectName(QStringLiteral("ClearCaseViewContextSubFrame1"));
  btnCurrentActivity_->setObjectName(QStringLiteral("btnCurrentActivity"));
  btnCustomActivity_->setObjectName(QStringLiteral("btnCustomActivity"));
  txtActivityName_->setObjectName(QStringLiteral("txtActivityName"));
  txtVOBSelector_->setObjectName(QStringLiteral("txtVOBSelector"));

  // A group of their own: the view panel's choice is a separate one.
  auto* choice = new QButtonGroup(this);
  choice->addButton(btnCurrentActivity_);
  choice->addButton(btnCustomActivity_);

  auto* layout = new QVBoxLayout(this);
  auto* heading = new QHBoxLayout;
  auto* image = new QLabel(this);
  image->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(16, 16));
  auto* title = new QLabel(tr("Activity"), this);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  heading->addWidget(image);
  heading->addWidget(title);
  heading->addWidget(rule, 1);

  layout->addLayout(heading);
  layout->addWidget(viewContext_);
  layout->addWidget(btnCurrentActivity_);
  auto* custom = new QGridLayout;
  custom->addWidget(btnCustomActivity_, 0, 0);
  custom->addWidget(txtActivityName_, 0, 1);
  auto* vobLabel = new QLabel(tr("in UCM Project &VOB:"), this);
  vobLabel->setBuddy(txtVOBSelector_);
  custom->addWidget(vobLabel, 1, 0, Qt::AlignRight);
  custom->addWidget(txtVOBSelector_, 1, 1);
  custom->setColumnStretch(1, 1);
  layout->addLayout(custom);
  layout->addStretch(1);

  connect(btnCurrentActivity_, &QRadioButton::toggled, this,
          &TClearCaseActivitySelectorFrame::UpdateEnabling);
  connect(txtVOBSelector_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseActivitySelectorFrame::LoadProjectVOBs);
  connect(txtActivityName_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseActivitySelectorFrame::LoadActivities);
  WatchEdits(this);
}

void TClearCaseActivitySelectorFrame::UpdateEnabling() {
  const bool custom = !btnCurrentActivity_->isChecked();
  txtVOBSelector_->setEnabled(custom);
  txtActivityName_->setEnabled(custom);
}

void TClearCaseActivitySelectorFrame::LoadProjectVOBs() {
  // The project VOBs do not change while the page is open: asked once.
  if (txtVOBSelector_->count() > 0 && !txtVOBSelector_->itemText(0).isEmpty()) return;
  txtVOBSelector_->SetItems(Items(CCGetPVOBNames()));
}

void TClearCaseActivitySelectorFrame::LoadActivities() {
  // Asked at every drop-down: the view may have been switched meanwhile.
  const QString view = viewContext_->GetContextPath();
  if (view.isEmpty() || !QDir(view).exists()) return;
  txtActivityName_->SetItems(Items(CCGetUCMActivities(S(view))));
}

void TClearCaseActivitySelectorFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* ucm = dynamic_cast<TClearCaseUCMAction*>(&action);
  if (ucm == nullptr) return;
  viewContext_->ReadActionData(*ucm);
  txtActivityName_->setEditText(Q(ucm->GetActivityName()));
  txtVOBSelector_->setEditText(Q(ucm->GetVOBSelector()));
  if (auto* set = dynamic_cast<TClearCaseSetActivityAction*>(ucm)) {
    btnCurrentActivity_->setText(tr("Set Current Activity to &None (-none)"));
    btnCurrentActivity_->setChecked(set->GetSetActivityToNone());
  } else {
    btnCurrentActivity_->setChecked(ucm->GetUseCurrentActivity());
  }
  btnCustomActivity_->setChecked(!btnCurrentActivity_->isChecked());
  UpdateEnabling();
}

void TClearCaseActivitySelectorFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* ucm = dynamic_cast<TClearCaseUCMAction*>(&action);
  if (ucm == nullptr) return;
  viewContext_->WriteActionData(*ucm);
  ucm->SetActivityName(S(txtActivityName_->currentText()));
  ucm->SetVOBSelector(S(txtVOBSelector_->currentText()));
  if (auto* set = dynamic_cast<TClearCaseSetActivityAction*>(ucm)) {
    set->SetSetActivityToNone(btnCurrentActivity_->isChecked());
  } else {
    ucm->SetUseCurrentActivity(btnCurrentActivity_->isChecked());
  }
}

}  // namespace clearcase::editors
