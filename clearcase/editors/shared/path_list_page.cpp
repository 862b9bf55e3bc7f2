#include "clearcase/editors/shared/path_list_page.h"

namespace clearcase::editors {

TClearCasePathListPage::TClearCasePathListPage(QWidget* parent)
    : TVyActionPage(parent),
      txtHeading_(new QLabel(this)),
      pathsListBox_(new vy::gui::TVyHintListBox(this)),
      addButton_(new QPushButton(tr("&Add"), this)),
      editButton_(new QPushButton(tr("&Edit"), this)),
      remButton_(new QPushButton(tr("&Remove"), this)) {
  txtHeading_->setObjectName(QStringLiteral("txtHeading"));
  pathsListBox_->setObjectName(QStringLiteral("pathsListBox"));
  addButton_->setObjectName(QStringLiteral("addButton"));
  editButton_->setObjectName(QStringLiteral("editButton"));
  remButton_->setObjectName(QStringLiteral("remButton"));
  editButton_->setEnabled(false);
  remButton_->setEnabled(false);

  // Through lambdas: the page's own EditSelected and RemoveSelected answer.
  connect(editButton_, &QPushButton::clicked, this, [this] { EditSelected(); });
  connect(remButton_, &QPushButton::clicked, this, [this] { RemoveSelected(); });
  connect(pathsListBox_, &QListWidget::itemDoubleClicked, this, [this] { EditSelected(); });
  connect(pathsListBox_, &QListWidget::itemSelectionChanged, this,
          &TClearCasePathListPage::UpdateButtons);
  connect(pathsListBox_, &vy::gui::TVyHintListBox::DeletePressed, this,
          [this] { RemoveSelected(); });
}

void TClearCasePathListPage::AddControlsTo(QVBoxLayout* layout) {
  layout->addWidget(txtHeading_);
  layout->addLayout(
      vy::gui::ListWithButtons(pathsListBox_, {addButton_, editButton_, remButton_}), 1);
}

void TClearCasePathListPage::UpdateButtons() {
  const bool chosen = pathsListBox_->isEnabled() && pathsListBox_->HasChosenEntry();
  editButton_->setEnabled(chosen);
  remButton_->setEnabled(chosen);
}

}  // namespace clearcase::editors
