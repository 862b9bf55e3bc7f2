#include "main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "catalogue_dialog.h"
#include "designer_host.h"
#include "options_dialog.h"
#include "property_dialog.h"
#include "run_panel.h"
#include "vycore/services.h"

namespace designer {
namespace {

const QString kProjectFilter = QObject::tr("Vantry projects (*.vantry.xml *.xml);;All files (*)");

QString DisplayName(const vy::TVyProjectAction& entry) {
  const vy::TVyRegisteredAction* registered = vy::VyActionServices().FindAction(entry.typeId);
  return QString::fromStdString(registered ? registered->displayName
                                           : entry.action->GetActionName());
}

}  // namespace

TMainWindow::TMainWindow(TDesignerHost& host, QWidget* parent) : QMainWindow(parent), host_(host) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowIcon(ImageByName("CC_LOGO"));
  BuildWidgets();
  BuildMenus();
  document_.Clear();
  RefreshActions(-1);
  RefreshVariables();
  UpdateTitle();
  resize(900, 600);
}

void TMainWindow::BuildWidgets() {
  actions_ = new QTreeWidget(this);
  actions_->setObjectName(QStringLiteral("actionList"));
  actions_->setColumnCount(2);
  actions_->setHeaderLabels({tr("Action"), tr("Description")});
  actions_->setRootIsDecorated(false);
  actions_->setUniformRowHeights(true);
  actions_->setIconSize(QSize(16, 16));
  actions_->setAllColumnsShowFocus(true);
  // Descriptions are edited on purpose (F2), not by a stray click.
  actions_->setEditTriggers(QAbstractItemView::EditKeyPressed);
  actions_->header()->setStretchLastSection(true);
  actions_->header()->resizeSection(0, 300);
  connect(actions_, &QTreeWidget::itemChanged, this, &TMainWindow::ActionItemChanged);
  connect(actions_, &QTreeWidget::itemActivated, this, [this] { EditProperties(); });
  connect(actions_, &QTreeWidget::currentItemChanged, this, [this] { UpdateCommands(); });

  variables_ = new QTableWidget(0, 2, this);
  variables_->setObjectName(QStringLiteral("variablesTable"));
  variables_->setHorizontalHeaderLabels({tr("Name"), tr("Value")});
  variables_->horizontalHeader()->setStretchLastSection(true);
  variables_->verticalHeader()->hide();
  connect(variables_, &QTableWidget::itemChanged, this, [this] { VariablesChanged(); });
  auto* addVariable = new QPushButton(tr("Add &Variable"), this);
  addVariable->setObjectName(QStringLiteral("btnAddVariable"));
  auto* removeVariable = new QPushButton(tr("&Remove Variable"), this);
  removeVariable->setObjectName(QStringLiteral("btnRemoveVariable"));
  connect(addVariable, &QPushButton::clicked, this, &TMainWindow::AddVariable);
  connect(removeVariable, &QPushButton::clicked, this, &TMainWindow::RemoveVariable);

  auto* variablesBox = new QGroupBox(tr("Variables"), this);
  auto* variableButtons = new QHBoxLayout;
  variableButtons->addWidget(addVariable);
  variableButtons->addWidget(removeVariable);
  variableButtons->addStretch(1);
  auto* variablesLayout = new QVBoxLayout(variablesBox);
  variablesLayout->addWidget(variables_, 1);
  variablesLayout->addLayout(variableButtons);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(actions_);
  splitter->addWidget(variablesBox);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({620, 260});
  setCentralWidget(splitter);

  runPanel_ = new TRunPanel(this);
  runPanel_->SetRunnerPath(DefaultRunnerPath());
  runDock_ = new QDockWidget(tr("Run Log"), this);
  runDock_->setObjectName(QStringLiteral("runDock"));
  runDock_->setWidget(runPanel_);
  runDock_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
  addDockWidget(Qt::BottomDockWidgetArea, runDock_);
  runDock_->hide();
  connect(runPanel_, &TRunPanel::RunStarted, this, [this] { UpdateCommands(); });
  connect(runPanel_, &TRunPanel::RunFinished, this, [this] { UpdateCommands(); });
}

void TMainWindow::BuildMenus() {
  const auto command = [this](QMenu* menu, const QString& text, const QKeySequence& key,
                              auto slot) {
    QAction* action = menu->addAction(text);
    if (!key.isEmpty()) action->setShortcut(key);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  QMenu* file = menuBar()->addMenu(tr("&File"));
  command(file, tr("&New"), QKeySequence::New, [this] {
    if (MayDiscardChanges()) NewProject();
  });
  command(file, tr("&Open..."), QKeySequence::Open, [this] {
    if (MayDiscardChanges()) OpenWithDialog();
  });
  command(file, tr("&Save"), QKeySequence::Save, [this] { SaveProject(); });
  command(file, tr("Save &As..."), QKeySequence::SaveAs, [this] { SaveAs(); });
  file->addSeparator();
  command(file, tr("E&xit"), QKeySequence::Quit, [this] { close(); });

  QMenu* edit = menuBar()->addMenu(tr("&Action"));
  QAction* add =
      command(edit, tr("&Add..."), QKeySequence(Qt::Key_Insert), [this] { AddAction(); });
  propertiesCommand_ = command(edit, tr("&Properties..."), QKeySequence(Qt::ALT | Qt::Key_Return),
                               [this] { EditProperties(); });
  descriptionCommand_ = command(edit, tr("Edit &Description"), QKeySequence(Qt::Key_F2),
                                [this] { EditDescription(); });
  enableCommand_ = command(edit, tr("&Enable / Disable"), QKeySequence(Qt::CTRL | Qt::Key_E),
                           [this] { ToggleEnabled(); });
  edit->addSeparator();
  duplicateCommand_ = command(edit, tr("D&uplicate"), QKeySequence(Qt::CTRL | Qt::Key_D),
                              [this] { DuplicateAction(); });
  deleteCommand_ =
      command(edit, tr("De&lete"), QKeySequence(Qt::Key_Delete), [this] { DeleteAction(); });
  edit->addSeparator();
  upCommand_ =
      command(edit, tr("Move &Up"), QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { MoveUp(); });
  downCommand_ = command(edit, tr("Move Dow&n"), QKeySequence(Qt::CTRL | Qt::Key_Down),
                         [this] { MoveDown(); });
  // The list's own keys would otherwise take these first.
  for (QAction* action : {add, deleteCommand_, descriptionCommand_}) {
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    actions_->addAction(action);
  }

  QMenu* tools = menuBar()->addMenu(tr("&Tools"));
  command(tools, tr("&Options..."), QKeySequence(), [this] { ShowOptions(); });

  QMenu* run = menuBar()->addMenu(tr("&Run"));
  runCommand_ = command(run, tr("&Run Project"), QKeySequence(Qt::Key_F5), [this] { Run(); });
  stopCommand_ =
      command(run, tr("&Stop"), QKeySequence(Qt::SHIFT | Qt::Key_F5), [this] { Stop(); });

  QToolBar* bar = addToolBar(tr("Commands"));
  bar->setObjectName(QStringLiteral("toolBar"));
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bar->setMovable(false);
  for (QAction* action : {add, propertiesCommand_, upCommand_, downCommand_, deleteCommand_}) {
    bar->addAction(action);
  }
  bar->addSeparator();
  bar->addAction(runCommand_);
  bar->addAction(stopCommand_);
  UpdateCommands();
}

int TMainWindow::CurrentIndex() const {
  const QTreeWidgetItem* item = actions_->currentItem();
  return item ? actions_->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)) : -1;
}

void TMainWindow::SetCurrentIndex(int index) {
  if (QTreeWidgetItem* item = actions_->topLevelItem(index)) actions_->setCurrentItem(item);
}

void TMainWindow::RefreshActions(int current) {
  refreshing_ = true;
  actions_->clear();
  for (int index = 0; index < document_.Count(); ++index) {
    const vy::TVyProjectAction& entry = document_.At(index);
    auto* item = new QTreeWidgetItem(actions_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                   Qt::ItemIsEditable);
    item->setCheckState(0, entry.enabled ? Qt::Checked : Qt::Unchecked);
    item->setIcon(0, ImageByName(entry.typeId));
    item->setText(0, DisplayName(entry));
    item->setToolTip(0, QString::fromStdString(entry.typeId));
    item->setText(1, QString::fromStdString(entry.description));
    ShowEnabled(item, entry.enabled);
  }
  refreshing_ = false;
  SetCurrentIndex(current);
  UpdateTitle();
  UpdateCommands();
}

void TMainWindow::RefreshVariables() {
  refreshing_ = true;
  variables_->setRowCount(0);
  for (const auto& [name, value] : document_.Variables()) {
    const int row = variables_->rowCount();
    variables_->insertRow(row);
    variables_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(name)));
    variables_->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(value)));
  }
  refreshing_ = false;
}

void TMainWindow::UpdateTitle() {
  const QString name = document_.Path().empty()
                           ? tr("Untitled")
                           : QFileInfo(QString::fromStdString(document_.Path())).fileName();
  setWindowTitle(tr("%1[*] - Vantry Designer").arg(name));
  setWindowModified(document_.Modified());
}

void TMainWindow::UpdateCommands() {
  if (propertiesCommand_ == nullptr) return;
  const int index = CurrentIndex();
  const bool has = index >= 0;
  for (QAction* action : {propertiesCommand_, deleteCommand_, duplicateCommand_, enableCommand_,
                          descriptionCommand_}) {
    action->setEnabled(has);
  }
  upCommand_->setEnabled(index > 0);
  downCommand_->setEnabled(has && index + 1 < document_.Count());
  const bool running = runPanel_->Running();
  runCommand_->setEnabled(!running);
  stopCommand_->setEnabled(running);
}

void TMainWindow::ActionItemChanged(QTreeWidgetItem* item, int column) {
  if (refreshing_) return;
  const int index = actions_->indexOfTopLevelItem(item);
  bool changed = false;
  if (column == 0) {
    // Styled in place: the list is inside its own change notification here.
    changed = document_.SetEnabled(index, item->checkState(0) == Qt::Checked);
    if (changed) {
      refreshing_ = true;
      ShowEnabled(item, document_.At(index).enabled);
      refreshing_ = false;
    }
  } else if (column == 1) {
    changed = document_.SetDescription(index, item->text(1).toStdString());
  }
  if (changed) UpdateTitle();
}

void TMainWindow::ShowEnabled(QTreeWidgetItem* item, bool enabled) {
  const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
  for (int column : {0, 1}) item->setForeground(column, palette().brush(group, QPalette::Text));
}

void TMainWindow::VariablesChanged() {
  if (refreshing_) return;
  std::vector<std::pair<std::string, std::string>> rows;
  for (int row = 0; row < variables_->rowCount(); ++row) {
    const QTableWidgetItem* name = variables_->item(row, 0);
    const QTableWidgetItem* value = variables_->item(row, 1);
    rows.emplace_back(name ? name->text().trimmed().toStdString() : std::string(),
                      value ? value->text().toStdString() : std::string());
  }
  if (document_.SetVariables(std::move(rows))) UpdateTitle();
}

void TMainWindow::AddVariable() {
  const int row = variables_->rowCount();
  refreshing_ = true;
  variables_->insertRow(row);
  auto* name = new QTableWidgetItem;
  variables_->setItem(row, 0, name);
  variables_->setItem(row, 1, new QTableWidgetItem);
  refreshing_ = false;
  variables_->setCurrentItem(name);
  variables_->editItem(name);
}

void TMainWindow::RemoveVariable() {
  const int row = variables_->currentRow();
  if (row < 0) return;
  variables_->removeRow(row);
  VariablesChanged();
}

void TMainWindow::NewProject() {
  if (runPanel_->Running()) runPanel_->Stop();
  document_.Clear();
  RefreshActions(-1);
  RefreshVariables();
}

bool TMainWindow::OpenProject(const QString& path, QString* problems, bool quiet) {
  std::vector<vy::TVyDiagnostic> diagnostics;
  const bool opened = document_.Open(path.toStdString(), diagnostics);
  QStringList lines;
  for (const vy::TVyDiagnostic& diagnostic : diagnostics) {
    lines.append(QString::fromStdString(diagnostic.ToString()));
  }
  if (problems) *problems = lines.join(QLatin1Char('\n'));
  if (!quiet && !lines.isEmpty()) {
    ShowMessage(
        (opened ? tr("%1 was opened with warnings:\n%2") : tr("%1 could not be opened:\n%2"))
            .arg(path, lines.join(QLatin1Char('\n'))));
  }
  if (!opened) return false;
  RefreshActions(document_.Count() > 0 ? 0 : -1);
  RefreshVariables();
  return true;
}

bool TMainWindow::OpenWithDialog() {
  const QString path =
      QFileDialog::getOpenFileName(this, tr("Open Project"), QString(), kProjectFilter);
  return !path.isEmpty() && OpenProject(path);
}

bool TMainWindow::SaveProject(const QString& path) {
  if (path.isEmpty() && document_.Path().empty()) return SaveAs();
  std::string error;
  if (!document_.Save(&error, path.toStdString())) {
    ShowMessage(tr("The project could not be saved:\n%1").arg(QString::fromStdString(error)));
    return false;
  }
  UpdateTitle();
  return true;
}

bool TMainWindow::SaveAs() {
  QString path = QFileDialog::getSaveFileName(
      this, tr("Save Project"), QString::fromStdString(document_.Path()), kProjectFilter);
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".vantry.xml");
  return SaveProject(path);
}

void TMainWindow::AddAction() {
  auto* dialog = new TCatalogueDialog(this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QDialog::accepted, this,
          [this, dialog] { AddActionOfType(dialog->SelectedType()); });
  dialog->open();
}

int TMainWindow::AddActionOfType(const std::string& typeId) {
  // A new action follows the current one, where the user is looking.
  const int current = CurrentIndex();
  const int index = document_.Add(typeId, current < 0 ? -1 : current + 1);
  if (index >= 0) RefreshActions(index);
  return index;
}

TPropertyDialog* TMainWindow::EditProperties() {
  const int index = CurrentIndex();
  if (index < 0) return nullptr;
  vy::TVyProjectAction& entry = document_.At(index);
  auto* dialog = new TPropertyDialog(entry.typeId, *entry.action, document_.Variables(), this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QDialog::accepted, this, [this, index] {
    document_.SetModified();
    RefreshActions(index);
  });
  dialog->open();
  return dialog;
}

void TMainWindow::DeleteAction() {
  const int index = CurrentIndex();
  if (index < 0) return;
  RefreshActions(document_.Remove(index));
}

void TMainWindow::MoveUp() {
  const int index = document_.Move(CurrentIndex(), -1);
  if (index >= 0) RefreshActions(index);
}

void TMainWindow::MoveDown() {
  const int index = document_.Move(CurrentIndex(), +1);
  if (index >= 0) RefreshActions(index);
}

void TMainWindow::DuplicateAction() {
  const int index = document_.Duplicate(CurrentIndex());
  if (index >= 0) RefreshActions(index);
}

void TMainWindow::ToggleEnabled() {
  const int index = CurrentIndex();
  if (index < 0) return;
  document_.SetEnabled(index, !document_.At(index).enabled);
  RefreshActions(index);
}

void TMainWindow::EditDescription() {
  if (QTreeWidgetItem* item = actions_->currentItem()) actions_->editItem(item, 1);
}

TOptionsDialog* TMainWindow::ShowOptions() {
  auto* dialog = new TOptionsDialog(host_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
  return dialog;
}

bool TMainWindow::Run() {
  if (runPanel_->Running()) return false;
  // The runner reads the file: what it runs is what the user sees.
  if (document_.Path().empty() || document_.Modified()) {
    if (!SaveProject()) return false;
  }
  runDock_->show();
  return runPanel_->Start(QString::fromStdString(document_.Path()));
}

void TMainWindow::Stop() {
  runPanel_->Stop();
}

bool TMainWindow::MayDiscardChanges() {
  if (!document_.Modified()) return true;
  const QMessageBox::StandardButton answer =
      saveQuestion_
          ? saveQuestion_()
          : QMessageBox::question(
                this, tr("Vantry Designer"), tr("The project has unsaved changes. Save them?"),
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Save) return SaveProject();
  return answer == QMessageBox::Discard;
}

void TMainWindow::closeEvent(QCloseEvent* event) {
  if (!MayDiscardChanges()) {
    event->ignore();
    return;
  }
  if (runPanel_->Running()) runPanel_->Stop();
  event->accept();
}

void TMainWindow::ShowMessage(const QString& text) {
  QMessageBox::warning(this, tr("Vantry Designer"), text);
}

}  // namespace designer
