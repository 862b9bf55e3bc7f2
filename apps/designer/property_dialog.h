#pragma once
// An action's property dialog: its registered pages as tabs, in registration
// order, editing a copy of the action. OK writes every page into the copy,
// then shows the action's validation errors until they are fixed or kept;
// only then does the copy replace the action's settings. Cancel leaves the
// action as it was.

#include <QDialog>
#include <QStringList>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "vycore/action.h"

class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace vy::gui {
class TVyActionPage;
}

namespace designer {

class TPropertyDialog : public QDialog {
  Q_OBJECT

 public:
  TPropertyDialog(std::string typeId, vy::TCustomVyAction& action,
                  std::vector<std::pair<std::string, std::string>> variables,
                  QWidget* parent = nullptr);
  ~TPropertyDialog() override;

  int PageCount() const;
  vy::gui::TVyActionPage* Page(int index) const;
  // The text the preview shows now (refreshed shortly after each edit).
  QString PreviewText() const;
  // The validation errors the last OK found ("Property: message").
  const QStringList& ValidationErrors() const { return errors_; }
  // The edited copy (what OK would store).
  const vy::TCustomVyAction& EditedCopy() const { return *copy_; }

 public slots:
  void accept() override;
  void RefreshPreview();

 private slots:
  void KeepAnyway();
  void TabChanged(int index);

 private:
  void AddPages();
  void WritePages(vy::TCustomVyAction& action);
  void Commit();

  std::string typeId_;
  vy::TCustomVyAction& original_;
  std::unique_ptr<vy::TCustomVyAction> copy_;
  std::vector<std::pair<std::string, std::string>> variables_;
  std::vector<vy::gui::TVyActionPage*> pages_;
  int activePage_ = -1;
  QStringList errors_;

  QTabWidget* tabs_ = nullptr;
  QPlainTextEdit* preview_ = nullptr;
  QLabel* errorPanel_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
  QPushButton* keepButton_ = nullptr;
  QTimer* previewTimer_ = nullptr;
};

}  // namespace designer
