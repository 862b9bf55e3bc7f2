#include "clearcase/editors/shared/edit_extended_path_name_form.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "clearcase/cleartool/repository_queries.h"
#include "clearcase/cleartool/string_lists.h"

namespace clearcase::editors {
namespace {

const QString kExtendedMark = QStringLiteral("@@");

QStringList Lines(const std::string& listing) {
  QStringList lines;
  for (const std::string& line : SplitLines(listing)) lines << QString::fromStdString(line);
  return lines;
}

}  // namespace

TClearCaseEditExtendedPathNameForm::TClearCaseEditExtendedPathNameForm(QWidget* parent)
    : QDialog(parent),
      txtElement_(new vy::gui::TVyDropDownComboBox(true, this)),
      txtSelector_(new vy::gui::TVyDropDownComboBox(true, this)) {
  setObjectName(QStringLiteral("TClearCaseEditExtendedPathNameForm"));
  setWindowTitle(tr("Extended Path Name"));
  txtElement_->setObjectName(QStringLiteral("txtElement"));
  txtSelector_->setObjectName(QStringLiteral("txtSelector"));
  txtElement_->setMinimumContentsLength(24);
  txtSelector_->setMinimumContentsLength(24);

  auto* elementLabel = new QLabel(tr("&Element Name:"), this);
  elementLabel->setBuddy(txtElement_);
  auto* selectorLabel = new QLabel(tr("&Branch/VOB/Version Selector:"), this);
  selectorLabel->setBuddy(txtSelector_);
  auto* mark = new QLabel(kExtendedMark, this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);

  auto* grid = new QGridLayout;
  grid->addWidget(elementLabel, 0, 0);
  grid->addWidget(selectorLabel, 0, 2);
  grid->addWidget(txtElement_, 1, 0);
  grid->addWidget(mark, 1, 1);
  grid->addWidget(txtSelector_, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(2, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch(1);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(txtElement_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseEditExtendedPathNameForm::FillElements);
  connect(txtSelector_, &vy::gui::TVyDropDownComboBox::BeforeDropDown, this,
          &TClearCaseEditExtendedPathNameForm::FillSelectors);
}

void TClearCaseEditExtendedPathNameForm::SetPathName(const QString& path) {
  const qsizetype mark = path.indexOf(kExtendedMark);
  if (mark < 0) {
    txtElement_->setEditText(path);
    txtSelector_->setEditText(QString());
  } else {
    txtElement_->setEditText(path.left(mark));
    txtSelector_->setEditText(path.mid(mark + kExtendedMark.size()));
  }
}

QString TClearCaseEditExtendedPathNameForm::GetPathName() const {
  const QString selector = txtSelector_->currentText();
  if (selector.isEmpty()) return txtElement_->currentText();
  return txtElement_->currentText() + kExtendedMark + selector;
}

void TClearCaseEditExtendedPathNameForm::FillElements() {
  // A recursive listing names checked-out and view-private versions in their
  // extended form; the element box wants the element alone.
  QStringList elements = Lines(CCGetLS(viewContext_.toStdString()));
  for (QString& element : elements) {
    const qsizetype mark = element.indexOf(kExtendedMark);
    if (mark >= 0) element.truncate(mark);
  }
  txtElement_->SetItems(elements);
}

void TClearCaseEditExtendedPathNameForm::FillSelectors() {
  const QString element = txtElement_->currentText();
  if (element.isEmpty()) return;
  QStringList selectors;
  for (const QString& version :
       Lines(CCGetHistory(element.toStdString(), viewContext_.toStdString()))) {
    // A line without the mark names no version.
    const qsizetype mark = version.indexOf(kExtendedMark);
    if (mark < 0) continue;
    const QString selector = version.mid(mark + kExtendedMark.size());
    if (!selector.isEmpty()) selectors << selector;
  }
  txtSelector_->SetItems(selectors);
}

}  // namespace clearcase::editors
