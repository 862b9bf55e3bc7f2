#include "clearcase/editors/element/cleartool_frame.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "clearcase/actions/element/cleartool_action.h"
#include "clearcase/editors/element/element_page_support.h"

namespace clearcase::editors {

using namespace element;

TClearCaseCleartoolFrame::TClearCaseCleartoolFrame(QWidget* parent)
    : vy::gui::TVyActionPage(parent) {
  setObjectName(QStringLiteral("TClearCaseCleartoolFrame"));
  auto* layout = new QVBoxLayout(this);
  txtCommand_ = Named(new QLineEdit(this), "txtCommand");
  txtArgs_ = Named(new QPlainTextEdit(this), "txtArgs");
  // Tab leaves the box, as everywhere on the page; Enter still breaks lines.
  txtArgs_->setTabChangesFocus(true);
  lblPath_ = Named(new QLabel(this), "lblPath");
  lblPath_->setWordWrap(true);
  lblPath_->setTextFormat(Qt::PlainText);
  boxLogOutput_ = Named(new QCheckBox(tr("&Log output to variable"), this), "boxLogOutput");
  cmbVariable_ = Named(new QComboBox(this), "cmbVariable");
  viewContext_ = Named(new TClearCaseViewContextSubFrame(this), "ViewContext");

  auto* commandLabel = new QLabel(tr("&Command:"), this);
  commandLabel->setBuddy(txtCommand_);
  auto* argsLabel = new QLabel(tr("Command Line &Arguments:"), this);
  argsLabel->setBuddy(txtArgs_);
  layout->addWidget(commandLabel);
  layout->addWidget(txtCommand_);
  layout->addWidget(argsLabel);
  layout->addWidget(txtArgs_, 1);
  layout->addWidget(lblPath_);
  auto* variableRow = new QHBoxLayout;
  variableRow->addWidget(boxLogOutput_);
  variableRow->addWidget(cmbVariable_, 1);
  layout->addLayout(variableRow);
  layout->addWidget(viewContext_);

  connect(txtCommand_, &QLineEdit::textChanged, this, &TClearCaseCleartoolFrame::UpdateFullCommand);
  connect(txtArgs_, &QPlainTextEdit::textChanged, this,
          &TClearCaseCleartoolFrame::UpdateFullCommand);
  UpdateFullCommand();
  WatchEdits(this);
}

void TClearCaseCleartoolFrame::InitFrame() {
  cmbVariable_->clear();
  // The empty entry at the top stands for no variable.
  cmbVariable_->addItem(QString());
  cmbVariable_->addItems(VariableNames(true));
}

void TClearCaseCleartoolFrame::UpdateFullCommand() {
  lblPath_->setText(tr("Full Command Will Be: 'cleartool %1 %2'")
                        .arg(txtCommand_->text(), txtArgs_->toPlainText()));
}

void TClearCaseCleartoolFrame::ReadActionData(vy::TCustomVyAction& action) {
  auto* generic = As<TClearCaseCleartoolAction>(action);
  if (generic == nullptr) return;
  txtCommand_->setText(Q(generic->GetCommand()));
  const QString arguments = Q(generic->GetArguments());
  // Projects written on Windows break lines with CR LF; what is stored back
  // keeps the breaks it came with.
  lineBreak_ =
      arguments.contains(QLatin1String("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
  txtArgs_->setPlainText(arguments);
  boxLogOutput_->setChecked(generic->GetSaveOutput());
  const int chosen = cmbVariable_->findText(Q(generic->GetVyVariable()), Qt::MatchExactly);
  cmbVariable_->setCurrentIndex(chosen < 0 ? 0 : chosen);
  viewContext_->SetCaption(tr("View Context (Starting Directory)"));
  viewContext_->ReadActionData(*generic);
}

void TClearCaseCleartoolFrame::WriteActionData(vy::TCustomVyAction& action) {
  auto* generic = As<TClearCaseCleartoolAction>(action);
  if (generic == nullptr) return;
  generic->SetCommand(S(txtCommand_->text()));
  generic->SetArguments(S(txtArgs_->toPlainText().replace(QLatin1Char('\n'), lineBreak_)));
  generic->SetSaveOutput(boxLogOutput_->isChecked());
  generic->SetVyVariable(S(cmbVariable_->currentText()));
  viewContext_->WriteActionData(*generic);
}

}  // namespace clearcase::editors
