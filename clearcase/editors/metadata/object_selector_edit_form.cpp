#include "clearcase/editors/metadata/object_selector_edit_form.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/cleartool/ucm_queries.h"
#include "clearcase/editors/metadata/metadata_support.h"
#include "vycore/gui/drop_down_combo_box.h"
#include "vycore/ini.h"

namespace clearcase::editors {
namespace {

using meta::ListingNames;
using meta::S;

struct TObjectKind {
  const char* name;
  const char* prefix;
};

// Display name and selector prefix of each kind, in list order.
constexpr TObjectKind kKinds[] = {
    {"(Click to select a type)", ""},
    {"VOB", "vob:"},
    {"Attribute", "attype:"},
    {"Branch", "brtype:"},
    {"Element Type", "eltype:"},
    {"Hyperlink", "hltype:"},
    {"Label", "lbtype:"},
    {"Trigger", "trtype:"},
    {"Pool", "pool:"},
    {"Object ID", "oid:"},
    {"UCM Activity", "activity:"},
    {"UCM Baseline", "baseline:"},
    {"UCM Component", "component:"},
    {"UCM Folder", "folder:"},
    {"UCM Project", "project:"},
    {"UCM Stream", "stream:"},
};

constexpr const char* kIniSection = "ClearCase";
constexpr const char* kIniKey = "UsingCustomObjectSelector";

bool IsUcmKind(const QString& kind) {
  return kind.startsWith(QLatin1String("UCM"));
}

// The project filter narrows the kinds that live inside a project.
bool HasProjectFilter(const QString& kind) {
  return IsUcmKind(kind) && kind != QLatin1String("UCM Project") &&
         kind != QLatin1String("UCM Folder");
}

bool HasStreamFilter(const QString& kind) {
  return HasProjectFilter(kind) && kind != QLatin1String("UCM Stream");
}

// Up to and including the first colon; empty without one.
QString PrefixOf(const QString& selector) {
  const qsizetype colon = selector.indexOf(u':');
  return colon < 0 ? QString() : selector.left(colon + 1);
}

// Leaves the caret alone when nothing changes, so that a rebuild does not
// disturb the box the user is typing in.
void SetEditTextIfChanged(QComboBox* box, const QString& text) {
  if (box->currentText() != text) box->setEditText(text);
}

}  // namespace

TClearCaseObjectSelectorEditForm::TClearCaseObjectSelectorEditForm(QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("TClearCaseObjectSelectorEditForm"));
  setWindowTitle(QStringLiteral("Edit Object Selector"));
  setModal(true);

  cmbObjectTypeName_ = new QComboBox(this);
  cmbObjectTypeName_->setObjectName(QStringLiteral("cmbObjectTypeName"));
  cmbObjectTypeTag_ = new QComboBox(this);
  cmbObjectTypeTag_->setObjectName(QStringLiteral("cmbObjectTypeTag"));
  cmbObjectTypeTag_->setVisible(false);
  for (const TObjectKind& kind : kKinds) {
    cmbObjectTypeName_->addItem(QString::fromLatin1(kind.name));
    cmbObjectTypeTag_->addItem(QString::fromLatin1(kind.prefix));
  }
  cmbObjectTypeName_->setMaxVisibleItems(static_cast<int>(std::size(kKinds)));
  cmbObjectTypeName_->setCurrentIndex(0);
  cmbObjectTypeTag_->setCurrentIndex(0);

  txtVOB_ = new vy::gui::TVyDropDownComboBox(true, this);
  txtVOB_->setObjectName(QStringLiteral("txtVOB"));
  lblVOB_ = meta::NewLabel(QStringLiteral("&VOB:"), txtVOB_, this);
  lblVOB_->setObjectName(QStringLiteral("lblVOB"));

  cmbProject_ = new vy::gui::TVyDropDownComboBox(true, this);
  cmbProject_->setObjectName(QStringLiteral("cmbProject"));
  lblProject_ = meta::NewLabel(QStringLiteral("UCM &Project (optional)"), cmbProject_, this);
  lblProject_->setObjectName(QStringLiteral("lblProject"));
  cmbStream_ = new vy::gui::TVyDropDownComboBox(true, this);
  cmbStream_->setObjectName(QStringLiteral("cmbStream"));
  lblStream_ = meta::NewLabel(QStringLiteral("UCM &Stream (optional)"), cmbStream_, this);
  lblStream_->setObjectName(QStringLiteral("lblStream"));
  for (QWidget* filter : {static_cast<QWidget*>(lblProject_), static_cast<QWidget*>(cmbProject_),
                          static_cast<QWidget*>(lblStream_), static_cast<QWidget*>(cmbStream_)})
    filter->setEnabled(false);

  txtObjectName_ = new vy::gui::TVyDropDownComboBox(true, this);
  txtObjectName_->setObjectName(QStringLiteral("txtObjectName"));
  lblObjName_ = meta::NewLabel(QStringLiteral("Selector Object &Name:"), txtObjectName_, this);
  lblObjName_->setObjectName(QStringLiteral("lblObjName"));

  txtObjectSelector_ = new QLineEdit(this);
  txtObjectSelector_->setObjectName(QStringLiteral("txtObjectSelector"));

  auto* buttons = new QDialogButtonBox(this);
  auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  auto* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* grid = new QGridLayout;
  grid->addWidget(
      meta::NewLabel(QStringLiteral("Selector Object &Type:"), cmbObjectTypeName_, this), 0, 0);
  grid->addWidget(cmbObjectTypeName_, 0, 1);
  grid->addWidget(lblVOB_, 1, 0);
  grid->addWidget(txtVOB_, 1, 1);
  grid->addWidget(lblProject_, 2, 0);
  grid->addWidget(cmbProject_, 2, 1);
  grid->addWidget(lblStream_, 3, 0);
  grid->addWidget(cmbStream_, 3, 1);
  grid->addWidget(lblObjName_, 4, 0);
  grid->addWidget(txtObjectName_, 4, 1);
  grid->addWidget(
      meta::NewLabel(QStringLiteral("Object Selector St&ring:"), txtObjectSelector_, this), 5, 0);
  grid->addWidget(txtObjectSelector_, 5, 1);
  grid->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(
      QStringLiteral("You can give the object selector as a string or a set of components."),
      this));
  layout->addLayout(grid);
  layout->addStretch(1);
  layout->addWidget(buttons);
  resize(480, sizeHint().height());

  meta::ChainTabOrder({cmbObjectTypeName_, txtVOB_, cmbProject_, cmbStream_, txtObjectName_,
                       txtObjectSelector_, ok, cancel});

  connect(cmbObjectTypeName_, &QComboBox::currentIndexChanged, this,
          &TClearCaseObjectSelectorEditForm::OnKindChanged);
  const auto rebuild = [this] {
    if (!quietParts_) UpdateObjectSelector();
  };
  connect(txtObjectName_, &QComboBox::editTextChanged, this, rebuild);
  connect(txtVOB_, &QComboBox::editTextChanged, this, rebuild);
  connect(txtObjectSelector_, &QLineEdit::textChanged, this,
          &TClearCaseObjectSelectorEditForm::ParseSelector);
  connect(txtVOB_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseObjectSelectorEditForm::FillVobList);
  connect(cmbProject_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseObjectSelectorEditForm::FillProjectList);
  connect(cmbStream_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseObjectSelectorEditForm::FillStreamList);
  connect(txtObjectName_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseObjectSelectorEditForm::FillNameList);
  focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                        [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

TClearCaseObjectSelectorEditForm::~TClearCaseObjectSelectorEditForm() {
  disconnect(focusWatch_);
}

void TClearCaseObjectSelectorEditForm::SetObjectSelector(const QString& text) {
  txtObjectSelector_->setText(text);
  UpdateObjectSelector();
}

QString TClearCaseObjectSelectorEditForm::GetObjectSelector() const {
  return txtObjectSelector_->text();
}

QString TClearCaseObjectSelectorEditForm::KindName() const {
  return cmbObjectTypeName_->currentText();
}

void TClearCaseObjectSelectorEditForm::UpdateObjectSelector() {
  const int kind = cmbObjectTypeName_->currentIndex();
  QString selector =
      kind <= 0 ? PrefixOf(txtObjectSelector_->text()) : cmbObjectTypeTag_->currentText();
  selector += txtObjectName_->currentText();
  txtVOB_->setEnabled(KindName() != QLatin1String("VOB"));
  if (txtVOB_->isEnabled() && !txtVOB_->currentText().isEmpty())
    selector += u'@' + txtVOB_->currentText();
  txtObjectSelector_->setText(selector);
}

void TClearCaseObjectSelectorEditForm::ParseSelector(const QString& text) {
  const QString prefix = PrefixOf(text);
  for (int i = 0; i < cmbObjectTypeTag_->count(); ++i) {
    if (cmbObjectTypeTag_->itemText(i).compare(prefix, Qt::CaseInsensitive) != 0) continue;
    const QSignalBlocker quietName(cmbObjectTypeName_);
    const QSignalBlocker quietTag(cmbObjectTypeTag_);
    cmbObjectTypeName_->setCurrentIndex(i);
    cmbObjectTypeTag_->setCurrentIndex(i);
    break;
  }
  const qsizetype at = text.indexOf(u'@');
  const QString vob = at < 0 ? QString() : text.mid(at + 1);
  const qsizetype end = at < 0 ? text.size() : at;
  const QString name = text.mid(prefix.size(), std::max<qsizetype>(0, end - prefix.size()));

  const bool wasQuiet = quietParts_;
  quietParts_ = true;
  SetEditTextIfChanged(txtVOB_, vob);
  SetEditTextIfChanged(txtObjectName_, name);
  quietParts_ = wasQuiet;
}

void TClearCaseObjectSelectorEditForm::OnKindChanged(int index) {
  const QString kind = KindName();
  const bool wasQuiet = quietParts_;
  quietParts_ = true;

  cmbObjectTypeTag_->setCurrentIndex(index);

  if (index <= 0) {
    lblObjName_->setText(QStringLiteral("Selector Object &Name:"));
  } else if (kind == QLatin1String("Object ID")) {
    lblObjName_->setText(QStringLiteral("Object &ID:"));
  } else {
    lblObjName_->setText(kind + QStringLiteral(" &Name:"));
  }

  txtObjectName_->setEditText(QString());
  if (kind == QLatin1String("VOB") && !txtVOB_->currentText().isEmpty())
    txtObjectName_->setEditText(txtVOB_->currentText());

  // Alt+V leads to the box whichever kind of VOB it asks for.
  lblVOB_->setText(IsUcmKind(kind) ? QStringLiteral("P&VOB:") : QStringLiteral("&VOB:"));
  const bool project = HasProjectFilter(kind);
  const bool stream = HasStreamFilter(kind);
  lblProject_->setEnabled(project);
  cmbProject_->setEnabled(project);
  lblStream_->setEnabled(stream);
  cmbStream_->setEnabled(stream);

  quietParts_ = wasQuiet;
  UpdateObjectSelector();
}

void TClearCaseObjectSelectorEditForm::FillVobList() {
  QStringList& cache = IsUcmKind(KindName()) ? pvobCache_ : vobCache_;
  if (cache.isEmpty())
    cache = ListingNames(IsUcmKind(KindName()) ? CCGetPVOBNames() : CCGetVOBNames());
  txtVOB_->SetItems(cache);
}

void TClearCaseObjectSelectorEditForm::FillProjectList() {
  cmbProject_->SetItems({QString()});
  const QString pvob = txtVOB_->currentText();
  if (!pvob.isEmpty()) cmbProject_->SetItems(ListingNames(CCGetUCMProjectsForVOB(S(pvob))));
  if (cmbStream_->isEnabled()) FillStreamList();
  if (cmbStream_->findText(cmbStream_->currentText()) < 0) cmbStream_->setEditText(QString());
}

void TClearCaseObjectSelectorEditForm::FillStreamList() {
  cmbStream_->SetItems({QString()});
  const QString pvob = txtVOB_->currentText();
  if (!pvob.isEmpty())
    cmbStream_->SetItems(
        ListingNames(CCGetUCMStreamsForProject(S(cmbProject_->currentText()), S(pvob))));
}

void TClearCaseObjectSelectorEditForm::FillNameList() {
  const QString kind = KindName();
  const std::string vob = S(txtVOB_->currentText());
  const std::string project = S(cmbProject_->currentText());
  const std::string stream = S(cmbStream_->currentText());
  const bool projectOn = cmbProject_->isEnabled();
  const bool streamOn = cmbStream_->isEnabled();
  const auto typeNames = [&] {
    QString typeKind = cmbObjectTypeTag_->currentText();
    if (typeKind.endsWith(u':')) typeKind.chop(1);
    return CCGetTypeNames(S(typeKind), vob);
  };

  std::string names;
  if (projectOn && streamOn && !stream.empty()) {
    if (kind == QLatin1String("UCM Activity")) {
      names = CCGetUCMActivitiesForStream(stream, vob);
    } else if (kind == QLatin1String("UCM Baseline")) {
      names = CCGetUCMBaselinesForStream(stream, vob);
    } else if (kind == QLatin1String("UCM Component")) {
      names = CCGetUCMComponentsForStream(stream, vob);
    } else {
      names = typeNames();
    }
  } else if (projectOn && (!project.empty() || !stream.empty())) {
    if (kind == QLatin1String("UCM Activity")) {
      names = CCGetUCMActivitiesForProject(project, vob);
    } else if (kind == QLatin1String("UCM Baseline")) {
      names = CCGetUCMBaselinesForProject(project, vob);
    } else if (kind == QLatin1String("UCM Component")) {
      names = CCGetUCMComponentsForProject(project, vob);
    } else if (kind == QLatin1String("UCM Stream")) {
      names = CCGetUCMStreamsForProject(project, vob);
    } else {
      names = typeNames();
    }
  } else {
    names = typeNames();
  }
  txtObjectName_->SetItems(ListingNames(names));
}

void TClearCaseObjectSelectorEditForm::OnFocusChanged(QWidget* now) {
  const auto within = [now](QWidget* control) {
    return now != nullptr && (now == control || control->isAncestorOf(now));
  };
  if (within(txtObjectSelector_)) {
    usingCustom_ = true;
  } else if (within(cmbObjectTypeName_) || within(txtVOB_) || within(txtObjectName_)) {
    usingCustom_ = false;
  }
}

void TClearCaseObjectSelectorEditForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (vy::IniReadBool(vy::GetVyUserIniFileName(), kIniSection, kIniKey, false)) {
    txtObjectSelector_->setFocus();
    usingCustom_ = true;
  }
}

void TClearCaseObjectSelectorEditForm::done(int result) {
  vy::IniWriteBool(vy::GetVyUserIniFileName(), kIniSection, kIniKey, usingCustom_);
  QDialog::done(result);
}

}  // namespace clearcase::editors
