#include "run_panel.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace designer {
namespace {

// Time the runner gets to end its child and report before it is killed.
constexpr int kStopGraceMs = 5000;

}  // namespace

TRunPanel::TRunPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("runPanel"));
  log_ = new QPlainTextEdit(this);
  log_->setObjectName(QStringLiteral("txtRunLog"));
  log_->setReadOnly(true);
  log_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  log_->setMaximumBlockCount(100000);  // a flood of output must not exhaust memory
  status_ = new QLabel(tr("Not run yet."), this);
  status_->setObjectName(QStringLiteral("lblRunStatus"));
  stop_ = new QPushButton(tr("S&top"), this);
  stop_->setObjectName(QStringLiteral("btnStop"));
  stop_->setEnabled(false);
  connect(stop_, &QPushButton::clicked, this, &TRunPanel::Stop);

  auto* bar = new QHBoxLayout;
  bar->addWidget(status_, 1);
  bar->addWidget(stop_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(bar);
  layout->addWidget(log_, 1);

  process_ = new QProcess(this);
  process_->setProcessChannelMode(QProcess::MergedChannels);
  connect(process_, &QProcess::readyReadStandardOutput, this,
          [this] { Append(process_->readAllStandardOutput()); });
  connect(process_, &QProcess::finished, this, &TRunPanel::Finished);
  connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    Append(tr("Cannot start %1: %2\n").arg(runnerPath_, process_->errorString()).toUtf8());
    status_->setText(tr("The runner could not be started."));
    stop_->setEnabled(false);
    emit RunFinished(-1);
  });
}

TRunPanel::~TRunPanel() {
  // The designer must not leave a run behind when it closes.
  if (Running()) {
    process_->terminate();
    if (!process_->waitForFinished(kStopGraceMs)) process_->kill();
    process_->waitForFinished(1000);
  }
}

QString TRunPanel::LogText() const {
  return log_->toPlainText();
}

bool TRunPanel::Start(const QString& projectPath) {
  if (Running()) return false;
  log_->clear();
  lastExitCode_ = -1;
  stopping_ = false;
  if (!QFileInfo(runnerPath_).isExecutable()) {
    Append(tr("The runner %1 is missing.\n").arg(runnerPath_).toUtf8());
    status_->setText(tr("The runner could not be started."));
    return false;
  }
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("NO_COLOR"), QStringLiteral("1"));  // plain text for the log
  process_->setProcessEnvironment(environment);
  process_->setWorkingDirectory(QFileInfo(projectPath).absolutePath());
  status_->setText(tr("Running %1 ...").arg(QFileInfo(projectPath).fileName()));
  stop_->setEnabled(true);
  process_->start(runnerPath_, {QStringLiteral("run"), projectPath});
  emit RunStarted();
  return true;
}

void TRunPanel::Stop() {
  if (!Running() || stopping_) return;
  stopping_ = true;
  status_->setText(tr("Stopping ..."));
  process_->terminate();
  QTimer::singleShot(kStopGraceMs, process_, [this] {
    if (Running()) process_->kill();
  });
}

void TRunPanel::Append(const QByteArray& bytes) {
  QString text = QString::fromUtf8(bytes);
  text.remove(QLatin1Char('\r'));
  log_->moveCursor(QTextCursor::End);
  log_->insertPlainText(text);
  log_->moveCursor(QTextCursor::End);
}

void TRunPanel::Finished(int exitCode, QProcess::ExitStatus status) {
  Append(process_->readAllStandardOutput());
  stop_->setEnabled(false);
  lastExitCode_ = status == QProcess::NormalExit ? exitCode : -1;
  if (stopping_) {
    status_->setText(tr("Stopped."));
  } else if (lastExitCode_ == 0) {
    status_->setText(tr("Finished: every action succeeded."));
  } else if (lastExitCode_ == 1) {
    status_->setText(tr("Finished: an action failed."));
  } else {
    status_->setText(tr("The runner ended with exit code %1.").arg(exitCode));
  }
  emit RunFinished(lastExitCode_);
}

}  // namespace designer
