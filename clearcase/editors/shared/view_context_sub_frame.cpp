#include "clearcase/editors/shared/view_context_sub_frame.h"

#include <QVBoxLayout>
#include <string>

#include "clearcase/plugin/clearcase_options.h"
#include "clearcase/plugin/last_view_directory.h"
#include "vycore/services.h"

namespace clearcase::editors {

TClearCaseViewContextSubFrame::TClearCaseViewContextSubFrame(QWidget* parent)
    : QGroupBox(tr("View Context"), parent),
      btnDefaultView_(
          new QRadioButton(tr("Use &Default View (as specified in Tools -> Options)"), this)),
      btnCustomView_(new QRadioButton(tr("Use &This View:"), this)),
      txtViewPath_(new vy::gui::TVyPathEdit(this)) {
  setObjectName(QStringLiteral("TClearCaseViewContextSubFrame"));
  btnDefaultView_->setObjectName(QStringLiteral("btnDefaultView"));
  btnCustomView_->setObjectName(QStringLiteral("btnCustomView"));
  txtViewPath_->setObjectName(QStringLiteral("txtViewPath"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(btnDefaultView_);
  layout->addWidget(btnCustomView_);
  layout->addWidget(txtViewPath_);

  connect(txtViewPath_, &vy::gui::TVyPathEdit::ButtonClicked, this,
          &TClearCaseViewContextSubFrame::BrowseForView);
  connect(txtViewPath_->Edit(), &QLineEdit::textChanged, this,
          &TClearCaseViewContextSubFrame::ViewPathEdited);
}

void TClearCaseViewContextSubFrame::ReadActionData(TClearCaseBaseAction& action) {
  SetPathName(QString::fromStdString(action.GetViewContextPath()));
  // A custom choice without a path would leave the action without a view.
  if (action.GetUseDefaultViewContext() || txtViewPath_->text().isEmpty()) {
    btnDefaultView_->setChecked(true);
  } else {
    btnCustomView_->setChecked(true);
  }
}

void TClearCaseViewContextSubFrame::WriteActionData(TClearCaseBaseAction& action) {
  action.SetUseDefaultViewContext(btnDefaultView_->isChecked());
  // Kept even while the default is chosen, so that switching back later
  // finds the folder again.
  action.SetViewContextPath(txtViewPath_->text().toStdString());
}

QString TClearCaseViewContextSubFrame::GetContextPath() const {
  if (btnDefaultView_->isChecked())
    return QString::fromStdString(ClearCaseOptions()->GetDefaultViewPath());
  return txtViewPath_->text();
}

void TClearCaseViewContextSubFrame::SetPathName(const QString& path) {
  pathName_ = path;
  txtViewPath_->setText(path);
  txtViewPath_->Edit()->setCursorPosition(static_cast<int>(path.size()));
  txtViewPath_->Edit()->setToolTip(path);
}

void TClearCaseViewContextSubFrame::BrowseForView() {
  const std::string start =
      pathName_.isEmpty() ? CCGetLastViewDirectory() : pathName_.toStdString();
  std::string chosen;
  if (!vy::VyBrowseForDirectory(start, chosen, "Select View")) return;
  SetPathName(QString::fromStdString(chosen));
  // The panel's focus is its folder box. Not a focus proxy: Tab would then
  // jump over the two choices into the box.
  txtViewPath_->setFocus();
  CCSetLastViewDirectory(chosen);
  btnCustomView_->setChecked(true);
}

void TClearCaseViewContextSubFrame::ViewPathEdited(const QString& text) {
  // The box is narrow; its hint always shows the whole folder.
  txtViewPath_->Edit()->setToolTip(text);
  if (!text.isEmpty()) btnCustomView_->setChecked(true);
}

}  // namespace clearcase::editors
