#include "clearcase/editors/ucm/make_baseline_frame.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "clearcase/actions/ucm/make_baseline_actions.h"
#include "clearcase/editors/shared/component_activity_selector_form.h"
#include "clearcase/editors/ucm/ucm_texts.h"

namespace clearcase::editors {
namespace {

using ucm::LinesToText;
using ucm::TextToLines;
using ucm::ToQ;
using ucm::ToStd;

// Selectors never hold blanks, so people may list several on one line.
vy::TStringList BlankSeparatedEntries(QString text) {
  text.replace(QLatin1Char(' '), QLatin1Char('\n'));
  vy::TStringList entries = TextToLines(text);
  std::erase_if(entries, [](const std::string& entry) { return entry.empty(); });
  return entries;
}

QPlainTextEdit* NewSelectorBox(QWidget* parent, const char* name) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(QLatin1String(name));
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setTabChangesFocus(true);
  return box;
}

}  // namespace

TClearCaseMakeBaselineFrame::TClearCaseMakeBaselineFrame(QWidget* parent)
    : TVyActionPage(parent),
      viewContext_(new TClearCaseViewContextSubFrame(this)),
      nameGroup_(new QGroupBox(QStringLiteral("New Baseline Name"), this)),
      btnUseBaselineNameTemplate_(
          new QRadioButton(QStringLiteral("Use &Baseline Name Template"), nameGroup_)),
      btnUseRootName_(new QRadioButton(QStringLiteral("Use Baseline &Root Name:"), nameGroup_)),
      txtBaselineRootName_(new QLineEdit(nameGroup_)),
      selectionGroup_(new QGroupBox(QStringLiteral("Components to make baselines for:"), this)),
      btnAll_(new QRadioButton(
          QStringLiteral("Make a baseline for &each component that has been modified since the "
                         "last baseline."),
          selectionGroup_)),
      btnComponents_(new QRadioButton(
          QStringLiteral("Make a baseline for the &following components:"), selectionGroup_)),
      edtComponents_(NewSelectorBox(selectionGroup_, "edtComponents")),
      btnAddComp_(new QPushButton(QStringLiteral("Add &Component"), selectionGroup_)),
      btnActivities_(new QRadioButton(
          QStringLiteral("Make a baseline for &unrecorded changes associated with activities:"),
          selectionGroup_)),
      edtActivities_(NewSelectorBox(selectionGroup_, "edtActivities")),
      btnAddAct_(new QPushButton(QStringLiteral("Add &Activity"), selectionGroup_)) {
  viewContext_->setObjectName(QStringLiteral("ClearCaseViewContextSubFrame1"));
  btnUseBaselineNameTemplate_->setObjectName(QStringLiteral("btnUseBaselineNameTemplate"));
  btnUseRootName_->setObjectName(QStringLiteral("btnUseRootName"));
  txtBaselineRootName_->setObjectName(QStringLiteral("txtBaselineRootName"));
  btnAll_->setObjectName(QStringLiteral("btnAll"));
  btnComponents_->setObjectName(QStringLiteral("btnComponents"));
  btnAddComp_->setObjectName(QStringLiteral("btnAddComp"));
  btnActivities_->setObjectName(QStringLiteral("btnActivities"));
  btnAddAct_->setObjectName(QStringLiteral("btnAddAct"));

  auto* name = new QVBoxLayout(nameGroup_);
  name->addWidget(btnUseBaselineNameTemplate_);
  name->addWidget(btnUseRootName_);
  name->addWidget(txtBaselineRootName_);

  auto* selection = new QGridLayout(selectionGroup_);
  selection->addWidget(btnAll_, 0, 0, 1, 2);
  selection->addWidget(btnComponents_, 1, 0, 1, 2);
  selection->addWidget(edtComponents_, 2, 0);
  selection->addWidget(btnAddComp_, 2, 1, Qt::AlignTop);
  selection->addWidget(btnActivities_, 3, 0, 1, 2);
  selection->addWidget(edtActivities_, 4, 0);
  selection->addWidget(btnAddAct_, 4, 1, Qt::AlignTop);
  selection->setColumnStretch(0, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(viewContext_);
  layout->addWidget(nameGroup_);
  layout->addWidget(selectionGroup_, 1);

  connect(btnUseRootName_, &QRadioButton::toggled, txtBaselineRootName_, &QLineEdit::setEnabled);
  connect(txtBaselineRootName_, &QLineEdit::textChanged, this,
          &TClearCaseMakeBaselineFrame::RootNameEdited);
  for (QRadioButton* button : {btnAll_, btnComponents_, btnActivities_})
    connect(button, &QRadioButton::toggled, this,
            &TClearCaseMakeBaselineFrame::UpdateSelectionEnabling);
  connect(btnAddComp_, &QPushButton::clicked, this, &TClearCaseMakeBaselineFrame::AddFromSelector);
  connect(btnAddAct_, &QPushButton::clicked, this, &TClearCaseMakeBaselineFrame::AddFromSelector);

  btnUseBaselineNameTemplate_->setChecked(true);
  txtBaselineRootName_->setEnabled(false);
  btnAll_->setChecked(true);
  UpdateSelectionEnabling();
  WatchEdits(this);
}

void TClearCaseMakeBaselineFrame::UpdateSelectionEnabling() {
  edtComponents_->setEnabled(btnComponents_->isChecked());
  edtActivities_->setEnabled(btnActivities_->isChecked());
  btnAddComp_->setEnabled(edtComponents_->isEnabled());
  btnAddAct_->setEnabled(edtActivities_->isEnabled());
}

void TClearCaseMakeBaselineFrame::RootNameEdited(const QString& text) {
  if (!text.isEmpty()) btnUseRootName_->setChecked(true);
}

void TClearCaseMakeBaselineFrame::AddFromSelector() {
  const bool activities = btnActivities_->isChecked();
  TComponentActivitySelectorForm form(this);
  form.SetLastPVOB(lastPVOB_);
  form.SetLastProject(lastProject_);
  form.SetLastStream(lastStream_);
  if (activities) form.SetTargetType(QStringLiteral("Activity"));
  if (form.exec() != QDialog::Accepted) return;
  lastPVOB_ = form.GetLastPVOB();
  lastProject_ = form.GetLastProject();
  lastStream_ = form.GetLastStream();
  const QString result = form.GetResult();
  if (result.isEmpty()) return;
  QPlainTextEdit* box = activities ? edtActivities_ : edtComponents_;
  QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
  lines.removeAll(QString());
  lines.append(result);
  box->setPlainText(lines.join(QLatin1Char('\n')));
}

void TClearCaseMakeBaselineFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* make = dynamic_cast<TClearCaseMakeBaselineAction*>(&action);
  if (!make) return;
  edtComponents_->setPlainText(LinesToText(make->ComponentSelectors()));
  edtActivities_->setPlainText(LinesToText(make->ActivitySelectors()));
  txtBaselineRootName_->setText(ToQ(make->GetBaselineRootName()));
  viewContext_->ReadActionData(*make);
  lastPVOB_ = ToQ(make->GetDesignLastPVOB());
  lastProject_ = ToQ(make->GetDesignLastProject());
  lastStream_ = ToQ(make->GetDesignLastStream());
  switch (make->GetSelectionType()) {
    case slComponents:
      btnComponents_->setChecked(true);
      break;
    case slActivities:
      btnActivities_->setChecked(true);
      break;
    case slAll:
    default:
      btnAll_->setChecked(true);
      break;
  }
  UpdateSelectionEnabling();
  // A root name that is not there cannot name anything.
  if (make->GetUseBaselineNameTemplate() || txtBaselineRootName_->text().isEmpty()) {
    btnUseBaselineNameTemplate_->setChecked(true);
  } else {
    btnUseRootName_->setChecked(true);
  }
}

void TClearCaseMakeBaselineFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* make = dynamic_cast<TClearCaseMakeBaselineAction*>(&action);
  if (!make) return;
  make->SetBaselineRootName(ToStd(txtBaselineRootName_->text()));
  viewContext_->WriteActionData(*make);
  if (btnComponents_->isChecked()) {
    make->SetSelectionType(slComponents);
  } else if (btnActivities_->isChecked()) {
    make->SetSelectionType(slActivities);
  } else {
    make->SetSelectionType(slAll);
  }
  make->SetUseBaselineNameTemplate(btnUseBaselineNameTemplate_->isChecked());
  make->ComponentSelectors() = BlankSeparatedEntries(edtComponents_->toPlainText());
  make->ActivitySelectors() = BlankSeparatedEntries(edtActivities_->toPlainText());
  make->SetDesignLastPVOB(ToStd(lastPVOB_));
  make->SetDesignLastProject(ToStd(lastProject_));
  make->SetDesignLastStream(ToStd(lastStream_));
}

}  // namespace clearcase::editors
