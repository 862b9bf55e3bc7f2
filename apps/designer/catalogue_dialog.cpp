#include "catalogue_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

#include "designer_host.h"
#include "vycore/services.h"

namespace designer {
namespace {

constexpr int kTypeRole = Qt::UserRole + 1;

}  // namespace

TCatalogueDialog::TCatalogueDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CatalogueDialog"));
  setWindowTitle(tr("Add Action"));
  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("catalogueTree"));
  tree_->setHeaderHidden(true);
  tree_->setIconSize(QSize(16, 16));
  tree_->setRootIsDecorated(true);

  std::map<std::string, QTreeWidgetItem*> categories;
  for (const vy::TVyRegisteredAction& entry : vy::VyActionServices().Catalogue()) {
    QTreeWidgetItem*& category = categories[entry.category];
    if (category == nullptr) {
      category = new QTreeWidgetItem(tree_, {QString::fromStdString(entry.category)});
      category->setFlags(Qt::ItemIsEnabled);
      QFont bold = category->font(0);
      bold.setBold(true);
      category->setFont(0, bold);
    }
    auto* item = new QTreeWidgetItem(category, {QString::fromStdString(entry.displayName)});
    item->setIcon(0, ImageByName(entry.typeId));
    item->setData(0, kTypeRole, QString::fromStdString(entry.typeId));
    item->setToolTip(0, QString::fromStdString(entry.typeId));
  }
  tree_->expandAll();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setText(tr("&Add"));
  ok_->setEnabled(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(tree_, &QTreeWidget::currentItemChanged, this,
          [this] { ok_->setEnabled(!SelectedType().empty()); });
  connect(tree_, &QTreeWidget::itemActivated, this, [this] {
    if (!SelectedType().empty()) accept();
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree_);
  layout->addWidget(buttons);
  resize(400, 640);  // the whole catalogue of one package without scrolling
}

std::string TCatalogueDialog::SelectedType() const {
  const QTreeWidgetItem* item = tree_->currentItem();
  return item ? item->data(0, kTypeRole).toString().toStdString() : std::string();
}

bool TCatalogueDialog::SelectType(const std::string& typeId) {
  const QString wanted = QString::fromStdString(typeId);
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    if ((*it)->data(0, kTypeRole).toString() == wanted) {
      tree_->setCurrentItem(*it);
      return true;
    }
  }
  return false;
}

}  // namespace designer
