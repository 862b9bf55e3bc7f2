#pragma once
// Runs a saved project with the runner as a child process and shows its log
// as it arrives: the same progress lines and summary a terminal shows.

#include <QProcess>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace designer {

class TRunPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TRunPanel(QWidget* parent = nullptr);
  ~TRunPanel() override;

  void SetRunnerPath(const QString& path) { runnerPath_ = path; }
  const QString& RunnerPath() const { return runnerPath_; }
  bool Running() const { return process_->state() != QProcess::NotRunning; }
  QString LogText() const;
  // -1 while running or when the runner did not end normally.
  int LastExitCode() const { return lastExitCode_; }

 public slots:
  // False (and the reason in the log) when the runner cannot be started.
  bool Start(const QString& projectPath);
  // Asks the runner to stop (it ends its own child first); a runner that
  // does not end within a few seconds is killed.
  void Stop();

 signals:
  void RunStarted();
  void RunFinished(int exitCode);

 private:
  void Append(const QByteArray& bytes);
  void Finished(int exitCode, QProcess::ExitStatus status);

  QString runnerPath_;
  QProcess* process_ = nullptr;
  QPlainTextEdit* log_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* stop_ = nullptr;
  int lastExitCode_ = -1;
  bool stopping_ = false;
};

}  // namespace designer
