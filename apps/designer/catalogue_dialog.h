#pragma once
// Add Action: the registered action types grouped by category, in the order
// the packages registered them.

#include <QDialog>
#include <string>

class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;

namespace designer {

class TCatalogueDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TCatalogueDialog(QWidget* parent = nullptr);

  // The chosen type identifier; empty when a category (or nothing) is selected.
  std::string SelectedType() const;
  // Selects the type's entry; false when it is not in the catalogue.
  bool SelectType(const std::string& typeId);
  QTreeWidget* Tree() const { return tree_; }

 private:
  QTreeWidget* tree_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace designer
