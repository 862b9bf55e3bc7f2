#pragma once
// The designer's main window: the project's actions in run order, its
// variables, and the log of the last run.

#include <QMainWindow>
#include <QMessageBox>
#include <functional>
#include <string>

#include "project_document.h"

class QAction;
class QDockWidget;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace designer {

struct TDesignerHost;
class TOptionsDialog;
class TPropertyDialog;
class TRunPanel;

class TMainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMainWindow(TDesignerHost& host, QWidget* parent = nullptr);

  // Loads a project; problems are shown to the user unless `quiet`, and
  // always returned in `problems`.
  bool OpenProject(const QString& path, QString* problems = nullptr, bool quiet = false);
  // Saves to `path`, or where the project lives when empty.
  bool SaveProject(const QString& path = {});

  TProjectDocument& Document() { return document_; }
  QTreeWidget* ActionList() const { return actions_; }
  QTableWidget* VariablesTable() const { return variables_; }
  TRunPanel* RunPanel() const { return runPanel_; }
  int CurrentIndex() const;
  void SetCurrentIndex(int index);

  // What closing with unsaved changes asks; tests answer it themselves.
  using TSaveQuestion = std::function<QMessageBox::StandardButton()>;
  void SetSaveQuestion(TSaveQuestion question) { saveQuestion_ = std::move(question); }

 public slots:
  void NewProject();
  void AddAction();  // through the catalogue
  int AddActionOfType(const std::string& typeId);
  // Opens the current action's property dialog (window-modal); null when
  // there is no current action.
  TPropertyDialog* EditProperties();
  void DeleteAction();
  void MoveUp();
  void MoveDown();
  void DuplicateAction();
  void ToggleEnabled();
  void EditDescription();
  TOptionsDialog* ShowOptions();
  // Saves the project (asking for a file name when it has none) and runs it.
  bool Run();
  void Stop();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildWidgets();
  void RefreshActions(int current);
  void RefreshVariables();
  void UpdateTitle();
  void UpdateCommands();
  void ActionItemChanged(QTreeWidgetItem* item, int column);
  void ShowEnabled(QTreeWidgetItem* item, bool enabled);
  void VariablesChanged();
  void AddVariable();
  void RemoveVariable();
  bool OpenWithDialog();
  bool SaveAs();
  // True when the unsaved changes are saved or may be dropped.
  bool MayDiscardChanges();
  void ShowMessage(const QString& text);

  TDesignerHost& host_;
  TProjectDocument document_;
  TSaveQuestion saveQuestion_;
  bool refreshing_ = false;

  QTreeWidget* actions_ = nullptr;
  QTableWidget* variables_ = nullptr;
  TRunPanel* runPanel_ = nullptr;
  QDockWidget* runDock_ = nullptr;

  QAction* propertiesCommand_ = nullptr;
  QAction* deleteCommand_ = nullptr;
  QAction* upCommand_ = nullptr;
  QAction* downCommand_ = nullptr;
  QAction* duplicateCommand_ = nullptr;
  QAction* enableCommand_ = nullptr;
  QAction* descriptionCommand_ = nullptr;
  QAction* runCommand_ = nullptr;
  QAction* stopCommand_ = nullptr;
};

}  // namespace designer
