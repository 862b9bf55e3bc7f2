#pragma once
// Tools > Options: the pages of every registered options object. OK writes
// the pages into their objects and saves the store the runner reads.

#include <QDialog>
#include <vector>

#include "vycore/gui/options_page.h"

class QListWidget;
class QStackedWidget;

namespace designer {

struct TDesignerHost;

class TOptionsDialog : public QDialog, public vy::gui::IVyOptionPageOwner {
  Q_OBJECT

 public:
  explicit TOptionsDialog(TDesignerHost& host, QWidget* parent = nullptr);

  QWidget* OwnerWindow() override { return this; }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  vy::gui::TVyOptionsPage* Page(int index) const {
    return pages_.at(static_cast<size_t>(index)).page;
  }
  // The reason the last OK could not save, empty when it did.
  const QString& SaveError() const { return saveError_; }

 public slots:
  void accept() override;

 private:
  struct TEntry {
    vy::gui::TVyOptionsPage* page;
    vy::TVyOptionsObject* options;
  };

  TDesignerHost& host_;
  std::vector<TEntry> pages_;
  QString saveError_;
  QListWidget* list_ = nullptr;
  QStackedWidget* stack_ = nullptr;
};

}  // namespace designer
