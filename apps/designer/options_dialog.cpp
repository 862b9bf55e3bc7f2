#include "options_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "designer_host.h"
#include "vycore/gui/page_registry.h"
#include "vycore/services.h"

namespace designer {

TOptionsDialog::TOptionsDialog(TDesignerHost& host, QWidget* parent)
    : QDialog(parent), host_(host) {
  setObjectName(QStringLiteral("OptionsDialog"));
  setWindowTitle(tr("Options"));
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("optionsList"));
  list_->setIconSize(QSize(16, 16));
  stack_ = new QStackedWidget(this);
  stack_->setObjectName(QStringLiteral("optionsPages"));
  // The pages show what the store holds now, not what it held at start-up:
  // the runner may have changed it since. A store that cannot be read keeps
  // the values in memory.
  std::string ignored;
  host_.ReloadOptions(&ignored);

  for (const vy::TVyRegisteredOptions& entry : vy::VyOptionsServices().Registered()) {
    for (const vy::TVyPageClass& pageClass : entry.pages) {
      std::unique_ptr<vy::gui::TVyOptionsPage> page =
          vy::gui::CreateOptionsPage(pageClass.className);
      if (!page) continue;
      vy::gui::TVyOptionsPage* shown = page.release();
      shown->setParent(stack_);
      try {
        shown->InitPage(*this);
        shown->ReadOptions(*entry.instance);
      } catch (...) {
      }
      pages_.push_back({shown, entry.instance.get()});
      stack_->addWidget(shown);
      auto* item = new QListWidgetItem(ImageByName(entry.imageName), shown->GetPageName(), list_);
      item->setToolTip(QString::fromStdString(entry.instance->GetCategory()));
    }
  }
  if (pages_.empty()) {
    auto* none = new QLabel(tr("No package with options is installed."), stack_);
    none->setAlignment(Qt::AlignCenter);
    stack_->addWidget(none);
  }
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0 || row >= PageCount()) return;
    stack_->setCurrentIndex(row);
    try {
      Page(row)->OnPageActivate();
    } catch (...) {
    }
  });
  list_->setMaximumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + 24);
  list_->setMinimumWidth(list_->maximumWidth());
  if (!pages_.empty()) list_->setCurrentRow(0);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOk"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &TOptionsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TOptionsDialog::reject);

  auto* body = new QHBoxLayout;
  body->addWidget(list_);
  body->addWidget(stack_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);
}

void TOptionsDialog::accept() {
  for (const TEntry& entry : pages_) {
    try {
      entry.page->WriteOptions(*entry.options);
    } catch (...) {
    }
    // Saved whether or not the page flagged a change: what the user accepted
    // is what the store holds.
    entry.options->SetModified(true);
  }
  std::string error;
  if (!host_.SaveOptions(&error)) {
    saveError_ = QString::fromStdString(error);
    QMessageBox::warning(this, windowTitle(),
                         tr("The options could not be saved:\n%1").arg(saveError_));
    return;
  }
  saveError_.clear();
  QDialog::accept();
}

}  // namespace designer
