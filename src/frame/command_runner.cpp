#include "frame/command_runner.h"

#include <thread>

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace foresta {

CommandRunner::CommandRunner(QWidget* window)
    : QObject(window),
      window_(window),
      handOff_([this] {
        QMetaObject::invokeMethod(this, [this] { handOff_.RunPending(); },
                                  Qt::QueuedConnection);
      }) {}

CommandRunner::~CommandRunner() = default;

bool CommandRunner::Run(const std::string& title, std::function<void()> job) {
  if (busy_) return false;
  busy_ = true;
  cancel_ = false;
  handOff_.Open();

  dialog_ = new QDialog(window_, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  dialog_->setWindowTitle(QString::fromStdString(title));
  dialog_->setModal(true);
  auto* layout = new QVBoxLayout(dialog_);
  label_ = new QLabel(QStringLiteral("Working..."));
  bar_ = new QProgressBar;
  bar_->setRange(0, 0);  // busy until the run reports a fraction
  bar_->setMinimumWidth(320);
  cancelButton_ = new QPushButton(QStringLiteral("&Cancel"));
  connect(cancelButton_, &QPushButton::clicked, this, [this] {
    cancel_ = true;
    cancelButton_->setEnabled(false);
    label_->setText(QStringLiteral("Stopping after the current step..."));
  });
  // Escape means Cancel too; the run still ends at its next step.
  connect(dialog_, &QDialog::rejected, cancelButton_, &QPushButton::click);
  layout->addWidget(label_);
  layout->addWidget(bar_);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(cancelButton_);
  layout->addLayout(row);

  QEventLoop loop;
  QTimer showTimer;
  showTimer.setSingleShot(true);
  showTimer.setInterval(dialogDelay_);
  connect(&showTimer, &QTimer::timeout, dialog_, &QDialog::show);
  showTimer_ = &showTimer;
  showTimer.start();

  bool failed = false;
  std::atomic<bool> finished{false};
  std::thread worker([&] {
    // Whatever happens in the command, the window must get control back.
    try {
      job();
    } catch (...) {
      failed = true;
    }
    finished = true;
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  if (!finished) {
    // The application is quitting (its exit ends every event loop): nothing
    // will answer the worker any more, so release it and let it stop.
    cancel_ = true;
    handOff_.Close();
  }
  worker.join();
  if (failed) {
    QMessageBox::critical(window_, QString::fromStdString(title),
                          QStringLiteral("The command stopped because of an internal error. "
                                         "Your documents are unchanged."));
  }

  showTimer.stop();
  showTimer_ = nullptr;
  delete dialog_;
  dialog_ = nullptr;
  label_ = nullptr;
  bar_ = nullptr;
  cancelButton_ = nullptr;
  busy_ = false;
  return true;
}

void CommandRunner::PauseProgress(bool pause) {
  if (dialog_ == nullptr || showTimer_ == nullptr) return;
  if (pause) {
    showTimer_->stop();
    dialog_->hide();
  } else {
    showTimer_->start();
  }
}

void CommandRunner::ShowProgress(const QString& what, double done) {
  if (dialog_ == nullptr) return;
  if (!cancel_ && !what.isEmpty()) label_->setText(what);
  if (done >= 0.0 && done <= 1.0) {
    bar_->setRange(0, 1000);
    bar_->setValue(static_cast<int>(done * 1000.0));
  }
}

void CommandRunner::ReportProgress(const std::string& what, double done) {
  const QString text = QString::fromStdString(what);
  if (QThread::currentThread() == thread()) {
    ShowProgress(text, done);
  } else {
    // Progress must never hold up the worker: queue it.
    QMetaObject::invokeMethod(this, [this, text, done] { ShowProgress(text, done); },
                              Qt::QueuedConnection);
  }
}

bool CommandRunner::CallOnWindowThread(const std::function<void()>& call) {
  return handOff_.Call(call);
}

void MarshallingShell::OnUiThread(const std::function<void()>& call) {
  // The progress dialog steps aside while the command talks to the user.
  auto interactive = [&] {
    runner_.PauseProgress(true);
    call();
    runner_.PauseProgress(false);
  };
  if (QThread::currentThread() == context_.thread()) {
    interactive();
  } else {
    runner_.CallOnWindowThread(interactive);
  }
}

void MarshallingShell::ShowInformation(int code, const std::string& text) {
  OnUiThread([&] { target_.ShowInformation(code, text); });
}

bool MarshallingShell::ShowQuestion(int code, const std::string& caption,
                                    const std::string& text) {
  bool answer = false;
  OnUiThread([&] { answer = target_.ShowQuestion(code, caption, text); });
  return answer;
}

MessageAnswer MarshallingShell::ShowMessage(const std::string& caption,
                                            const std::string& text,
                                            MessageButtons buttons,
                                            MessageIcon icon) {
  MessageAnswer answer = MessageAnswer::kCancel;
  OnUiThread([&] { answer = target_.ShowMessage(caption, text, buttons, icon); });
  return answer;
}

void MarshallingShell::OpenDocument(int code, const std::string& file) {
  OnUiThread([&] { target_.OpenDocument(code, file); });
}

bool MarshallingShell::RunDialog(DialogKind kind, WorkbenchState& state) {
  bool ok = false;
  OnUiThread([&] { ok = target_.RunDialog(kind, state); });
  return ok;
}

bool MarshallingShell::ShowHelp(const HelpRequest& request) {
  bool ok = false;
  OnUiThread([&] { ok = target_.ShowHelp(request); });
  return ok;
}

void MarshallingShell::Beep() {
  OnUiThread([&] { target_.Beep(); });
}

void MarshallingShell::ReportProgress(const std::string& what, double done) {
  runner_.ReportProgress(what, done);
}

bool MarshallingShell::CancelRequested() { return runner_.CancelRequested(); }

}  // namespace foresta
