#include "clearcase/editors/shared/edit_view_path_form.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "vycore/filesystem.h"
#include "vycore/services.h"

namespace clearcase::editors {

TClearCaseEditViewPathForm::TClearCaseEditViewPathForm(QWidget* parent)
    : QDialog(parent), txtExternalPath_(new vy::gui::TVyPathEdit(this)) {
  setObjectName(QStringLiteral("TClearCaseEditViewPathForm"));
  setWindowTitle(tr("Edit View/Component Path"));
  txtExternalPath_->setObjectName(QStringLiteral("txtExternalPath"));
  // Browsing only makes sense from something that exists; a new path is typed.
  txtExternalPath_->Button()->hide();

  auto* label = new QLabel(tr("&Enter the path to a ClearCase View, Component or File:"), this);
  label->setBuddy(txtExternalPath_->Edit());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(txtExternalPath_);
  layout->addStretch(1);
  layout->addWidget(buttons);
  resize(460, sizeHint().height());

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(txtExternalPath_, &vy::gui::TVyPathEdit::ButtonClicked, this,
          &TClearCaseEditViewPathForm::Browse);
}

void TClearCaseEditViewPathForm::SetPathName(const QString& path) {
  txtExternalPath_->setText(path);
  const std::string name = path.toStdString();
  const auto& fs = vy::FileSystem();
  isDirectory_ = fs.DirectoryExists(name);
  txtExternalPath_->Button()->setVisible(isDirectory_ || fs.FileExists(name));
}

QString TClearCaseEditViewPathForm::GetPathName() const {
  return txtExternalPath_->text();
}

void TClearCaseEditViewPathForm::Browse() {
  const std::string start = txtExternalPath_->text().toStdString();
  std::string chosen;
  const bool accepted = isDirectory_
                            ? vy::VyBrowseForDirectory(start, chosen, "Select View or Component")
                            : vy::VyBrowseForFile(start, chosen, "*.*", "Select File");
  if (accepted) txtExternalPath_->setText(QString::fromStdString(chosen));
}

}  // namespace clearcase::editors
