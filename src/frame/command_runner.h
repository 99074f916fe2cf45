#ifndef FORESTA_FRAME_COMMAND_RUNNER_H_
#define FORESTA_FRAME_COMMAND_RUNNER_H_

#include <atomic>
#include <functional>
#include <string>

#include <QObject>

#include "frame/call_hand_off.h"
#include "state/shell.h"

class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QWidget;

namespace foresta {

// Runs one command at a time off the user-interface thread, so a long
// prediction or batch run never freezes the window. While it runs, a modal
// progress dialog (shown only if the run takes a moment) offers Cancel.
// Run() returns when the command has finished; the window keeps painting
// and answering the command's own message boxes meanwhile. When the
// application quits during a run, the command is cancelled and every call
// it makes to the window thread from then on returns unanswered, so Run()
// still returns.
class CommandRunner : public QObject {
  Q_OBJECT

 public:
  explicit CommandRunner(QWidget* window);
  ~CommandRunner() override;

  // Runs `job` on a worker thread and waits for it. False (and nothing
  // runs) when another command is still running.
  bool Run(const std::string& title, std::function<void()> job);

  bool Busy() const { return busy_; }

  // Called from the worker: runs `call` on the window's thread and waits for
  // it. False, without running it, once the application is quitting.
  bool CallOnWindowThread(const std::function<void()>& call);

  // Called from the worker (through the Shell) to report how far it is.
  void ReportProgress(const std::string& what, double done);
  bool CancelRequested() const { return cancel_.load(); }

  // Hides the progress dialog while a command shows a box or a dialog of
  // its own, and brings it back (after the usual delay) afterwards.
  void PauseProgress(bool pause);

  // How long a run may take before the progress dialog appears.
  void SetDialogDelay(int milliseconds) { dialogDelay_ = milliseconds; }

 private:
  void ShowProgress(const QString& what, double done);

  QWidget* window_;
  CallHandOff handOff_;
  bool busy_ = false;
  std::atomic<bool> cancel_{false};
  int dialogDelay_ = 400;
  QDialog* dialog_ = nullptr;
  QTimer* showTimer_ = nullptr;
  QLabel* label_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

// A Shell that may be called from the worker thread: every presenter call
// is carried out by `target` on the thread that owns `context` (the user-
// interface thread), and the worker waits for its answer, so message boxes
// and documents appear exactly as when a command runs directly.
class MarshallingShell : public Shell {
 public:
  MarshallingShell(Shell& target, QObject& context, CommandRunner& runner)
      : target_(target), context_(context), runner_(runner) {}

  void ShowInformation(int code, const std::string& text) override;
  bool ShowQuestion(int code, const std::string& caption,
                    const std::string& text) override;
  MessageAnswer ShowMessage(const std::string& caption, const std::string& text,
                            MessageButtons buttons, MessageIcon icon) override;
  void OpenDocument(int code, const std::string& file) override;
  bool RunDialog(DialogKind kind, WorkbenchState& state) override;
  bool ShowHelp(const HelpRequest& request) override;
  void Beep() override;
  void ReportProgress(const std::string& what, double done) override;
  bool CancelRequested() override;

 private:
  // Runs `call` on the user-interface thread and waits for it; when the
  // application is quitting, `call` does not run and the answers keep their
  // defaults (No, Cancel).
  void OnUiThread(const std::function<void()>& call);

  Shell& target_;
  QObject& context_;
  CommandRunner& runner_;
};

}  // namespace foresta

#endif  // FORESTA_FRAME_COMMAND_RUNNER_H_
