#include "clearcase/editors/shared/options_frame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/plugin/clearcase_options.h"
#include "clearcase/plugin/cleartool_discovery.h"
#include "clearcase/plugin/last_view_directory.h"
#include "vycore/filesystem.h"
#include "vycore/platform.h"
#include "vycore/services.h"

namespace clearcase::editors {
namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QGroupBox* Heading(const QString& title, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  new QVBoxLayout(box);
  return box;
}

}  // namespace

TClearCaseOptionsFrame::TClearCaseOptionsFrame(QWidget* parent)
    : TVyOptionsPage(parent),
      editCleartoolPath_(new vy::gui::TVyPathEdit(this)),
      editDefaultView_(new vy::gui::TVyPathEdit(this)),
      boxCheckClearCaseType_(
          new QCheckBox(tr("&Check for ClearCase installation automatically"), this)),
      btnClearCase_(new QRadioButton(tr("&Rational ClearCase"), this)),
      btnClearCaseLT_(new QRadioButton(tr("ClearCase &LT"), this)),
      txtDesignTimeout_(new vy::gui::TVyNumberEdit(vy::gui::TVyNumberEdit::Kind::Integer, this)),
      boxDesignLocal_(new QCheckBox(tr("When listing types, do not list &global types from "
                                       "Administrative VOBs (equivalent of lstype -local option)"),
                                    this)) {
  setObjectName(QStringLiteral("TClearCaseOptionsFrame"));
  editCleartoolPath_->setObjectName(QStringLiteral("editCleartoolPath"));
  editDefaultView_->setObjectName(QStringLiteral("editDefaultView"));
  boxCheckClearCaseType_->setObjectName(QStringLiteral("boxCheckClearCaseType"));
  btnClearCase_->setObjectName(QStringLiteral("btnClearCase"));
  btnClearCaseLT_->setObjectName(QStringLiteral("btnClearCaseLT"));
  txtDesignTimeout_->setObjectName(QStringLiteral("txtDesignTimeout"));
  boxDesignLocal_->setObjectName(QStringLiteral("boxDesignLocal"));

  QGroupBox* cleartool = Heading(tr("Cleartool.exe l&ocation"), this);
  cleartool->layout()->addWidget(editCleartoolPath_);
  QGroupBox* defaultView = Heading(tr("Default &view location"), this);
  defaultView->layout()->addWidget(editDefaultView_);
  QGroupBox* installation = Heading(tr("ClearCase Installation Type"), this);
  installation->layout()->addWidget(boxCheckClearCaseType_);
  installation->layout()->addWidget(btnClearCase_);
  installation->layout()->addWidget(btnClearCaseLT_);

  QGroupBox* design = Heading(tr("Design Time Updates"), this);
  auto* timeoutRow = new QHBoxLayout;
  auto* timeoutLabel = new QLabel(tr("Cleartool &timeout for design updates:"), design);
  timeoutLabel->setBuddy(txtDesignTimeout_);
  txtDesignTimeout_->setMaximumWidth(100);
  timeoutRow->addWidget(timeoutLabel);
  timeoutRow->addWidget(txtDesignTimeout_);
  timeoutRow->addWidget(new QLabel(tr("(milliseconds)"), design));
  timeoutRow->addStretch(1);
  static_cast<QVBoxLayout*>(design->layout())->addLayout(timeoutRow);
  design->layout()->addWidget(boxDesignLocal_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(cleartool);
  layout->addWidget(defaultView);
  layout->addWidget(installation);
  layout->addWidget(design);
  layout->addStretch(1);

  connect(boxCheckClearCaseType_, &QCheckBox::clicked, this,
          &TClearCaseOptionsFrame::CheckTypeClicked);
  connect(txtDesignTimeout_, &QLineEdit::editingFinished, this, [this] {
    if (txtDesignTimeout_->PlainText() != QString::number(DesignTimeout()))
      txtDesignTimeout_->SetPlainText(QString::number(DesignTimeout()));
  });
  connect(editCleartoolPath_, &vy::gui::TVyPathEdit::ButtonClicked, this,
          &TClearCaseOptionsFrame::BrowseForCleartool);
  connect(editDefaultView_, &vy::gui::TVyPathEdit::ButtonClicked, this,
          &TClearCaseOptionsFrame::BrowseForDefaultView);
}

void TClearCaseOptionsFrame::ReadOptions(vy::TVyOptionsObject& options) {
  auto& cc = dynamic_cast<TVyClearCaseOptions&>(options);
  editDefaultView_->setText(Q(cc.GetDefaultViewPath()));

  // The folder is what users recognise; the program name is implied.
  const std::string cleartool = cc.GetCleartoolPath();
  const bool isProgram = vy::FileSystem().FileExists(cleartool) &&
                         vy::ExtractFileName(cleartool) == kCleartoolProgramName;
  editCleartoolPath_->setText(Q(isProgram ? vy::ExtractFileDir(cleartool) : cleartool));

  const bool detect = cc.GetTestForClearCaseType();
  // Reading the type with detection on would run the detection of the
  // options as well as the page's own below; it is the page's that counts.
  const TClearCaseType type = detect ? ccUnknown : cc.GetClearCaseType();
  SelectType(type == ccLT ? btnClearCaseLT_ : type == ccFull ? btnClearCase_ : nullptr);

  boxCheckClearCaseType_->setChecked(detect);
  if (detect) CheckTypeClicked();
  UpdateTypeButtons();

  txtDesignTimeout_->SetPlainText(QString::number(cc.GetDesignTimeout()));
  boxDesignLocal_->setChecked(cc.GetDesignListLocal());
}

void TClearCaseOptionsFrame::WriteOptions(vy::TVyOptionsObject& options) {
  auto& cc = dynamic_cast<TVyClearCaseOptions&>(options);
  cc.SetDefaultViewPath(editDefaultView_->text().toStdString());
  cc.SetClearToolPath(editCleartoolPath_->text().toStdString());
  cc.SetTestForClearCaseType(boxCheckClearCaseType_->isChecked());
  if (btnClearCase_->isChecked()) {
    cc.SetClearCaseType(ccFull);
  } else if (btnClearCaseLT_->isChecked()) {
    cc.SetClearCaseType(ccLT);
  }
  cc.SetDesignTimeout(DesignTimeout());
  cc.SetDesignListLocal(boxDesignLocal_->isChecked());
}

void TClearCaseOptionsFrame::CheckTypeClicked() {
  UpdateTypeButtons();
  if (boxCheckClearCaseType_->isChecked()) DetectInstalledType();
}

void TClearCaseOptionsFrame::UpdateTypeButtons() {
  const bool manual = !boxCheckClearCaseType_->isChecked();
  btnClearCase_->setEnabled(manual);
  btnClearCaseLT_->setEnabled(manual);
}

void TClearCaseOptionsFrame::DetectInstalledType() {
  // An installation that cannot be told keeps what the user chose before.
  switch (CCGetClearCaseInstalledType()) {
    case ccFull:
      SelectType(btnClearCase_);
      break;
    case ccLT:
      SelectType(btnClearCaseLT_);
      break;
    case ccUnknown:
      break;
  }
}

void TClearCaseOptionsFrame::SelectType(QRadioButton* button) {
  if (button != nullptr) {
    button->setChecked(true);
    return;
  }
  // Exclusive radio buttons refuse to be cleared one by one.
  for (QRadioButton* each : {btnClearCase_, btnClearCaseLT_}) {
    each->setAutoExclusive(false);
    each->setChecked(false);
    each->setAutoExclusive(true);
  }
}

int TClearCaseOptionsFrame::DesignTimeout() const {
  const std::optional<double> value = txtDesignTimeout_->Value();
  if (!value || *value < kMinimumDesignTimeout) return kMinimumDesignTimeout;
  if (*value > std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  return static_cast<int>(*value);
}

void TClearCaseOptionsFrame::BrowseForCleartool() {
  const std::string text = editCleartoolPath_->text().toStdString();
  const auto& fs = vy::FileSystem();
  std::string start;
  if (fs.DirectoryExists(text)) {
    start = text;
  } else if (fs.FileExists(text)) {
    start = vy::ExtractFileDir(text);
  }
  std::string chosen;
  if (!vy::VyBrowseForFile(start, chosen, kCleartoolProgramName, "Select File")) return;
  editCleartoolPath_->setText(Q(vy::ExtractFileDir(chosen)));
}

void TClearCaseOptionsFrame::BrowseForDefaultView() {
  const std::string text = editDefaultView_->text().toStdString();
  const std::string start =
      !text.empty() && vy::FileSystem().DirectoryExists(text) ? text : CCGetLastViewDirectory();
  std::string chosen;
  if (!vy::VyBrowseForDirectory(start, chosen, "Select Directory")) return;
  editDefaultView_->setText(Q(chosen));
  CCSetLastViewDirectory(chosen);
}

}  // namespace clearcase::editors
