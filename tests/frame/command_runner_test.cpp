#include "frame/command_runner.h"

#include <atomic>
#include <thread>

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include "frame/qt_environment.h"
#include "state/recording_shell.h"

namespace foresta {
namespace {

// Records on which thread each presenter call ran.
class ThreadCheckingShell : public RecordingShell {
 public:
  bool ShowQuestion(int code, const std::string& caption, const std::string& text) override {
    onUiThread = QThread::currentThread() == qApp->thread();
    return RecordingShell::ShowQuestion(code, caption, text);
  }
  void OpenDocument(int code, const std::string& file) override {
    onUiThread = onUiThread && QThread::currentThread() == qApp->thread();
    RecordingShell::OpenDocument(code, file);
  }
  bool onUiThread = false;
};

TEST(CommandRunnerTest, WorkerRunsOffTheUiThreadAndPresentersRunOnIt) {
  QWidget window;
  CommandRunner runner(&window);
  ThreadCheckingShell target;
  target.answerYes = false;
  QObject context;
  MarshallingShell shell(target, context, runner);

  bool workerOffUi = false;
  bool answer = true;
  ASSERT_TRUE(runner.Run("test", [&] {
    workerOffUi = QThread::currentThread() != qApp->thread();
    answer = shell.ShowQuestion(344, " Recognition", " The Neural Network is not trained ");
    shell.OpenDocument(553, "example2b.txt");
  }));
  EXPECT_TRUE(workerOffUi);
  EXPECT_TRUE(target.onUiThread);
  EXPECT_FALSE(answer);  // the answer travels back to the worker
  ASSERT_EQ(2u, target.events().size());
  EXPECT_EQ(ShellEvent::Kind::kQuestion, target.events()[0].kind);
  EXPECT_EQ(" Recognition", target.events()[0].caption);
  EXPECT_EQ("example2b.txt", target.events()[1].text);
  EXPECT_FALSE(runner.Busy());
}

TEST(CommandRunnerTest, OneCommandAtATime) {
  QWidget window;
  CommandRunner runner(&window);
  bool secondStarted = true;
  bool secondRan = false;
  ASSERT_TRUE(runner.Run("first", [&] {
    QMetaObject::invokeMethod(
        qApp,
        [&] { secondStarted = runner.Run("second", [&] { secondRan = true; }); },
        Qt::BlockingQueuedConnection);
  }));
  EXPECT_FALSE(secondStarted);
  EXPECT_FALSE(secondRan);
  // Once the first has ended the next one runs.
  EXPECT_TRUE(runner.Run("third", [&] { secondRan = true; }));
  EXPECT_TRUE(secondRan);
}

TEST(CommandRunnerTest, ProgressDialogAppearsForLongRunsAndCancelReachesTheWorker) {
  QWidget window;
  CommandRunner runner(&window);
  runner.SetDialogDelay(0);
  RecordingShell target;
  QObject context;
  MarshallingShell shell(target, context, runner);

  // Press Cancel as soon as the dialog shows.
  bool pressed = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(w);
      if (dialog == nullptr || !dialog->isVisible()) continue;
      if (auto* cancel = dialog->findChild<QPushButton*>()) {
        cancel->click();
        pressed = true;
      }
    }
  });
  poll.start(10);

  int steps = 0;
  ASSERT_TRUE(runner.Run("long", [&] {
    // A long run polls the cancel flag between its steps.
    while (!shell.CancelRequested() && steps < 1000) {
      shell.ReportProgress("step", steps / 1000.0);
      ++steps;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }));
  EXPECT_TRUE(pressed);
  EXPECT_LT(steps, 1000);
  // The next command starts uncancelled.
  bool cancelledAtStart = true;
  poll.stop();
  ASSERT_TRUE(runner.Run("next", [&] { cancelledAtStart = shell.CancelRequested(); }));
  EXPECT_FALSE(cancelledAtStart);
}

TEST(CommandRunnerTest, AFailingCommandGivesTheWindowBackWithAMessage) {
  QWidget window;
  CommandRunner runner(&window);
  QString shown;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text();
      box->accept();
    }
  });
  poll.start(10);
  EXPECT_TRUE(runner.Run("broken", [] { throw 42; }));
  EXPECT_TRUE(shown.contains("internal error"));
  EXPECT_FALSE(runner.Busy());
  bool ran = false;
  EXPECT_TRUE(runner.Run("next", [&] { ran = true; }));
  EXPECT_TRUE(ran);
}

TEST(CommandRunnerTest, QuittingWhileTheWorkerWaitsForTheWindowCancelsTheCommand) {
  QWidget window;
  CommandRunner runner(&window);
  RecordingShell target;
  QObject context;
  MarshallingShell shell(target, context, runner);

  // The application quits while the command is about to ask the window
  // something: no event loop will answer it any more.
  std::atomic<bool> asking{false};
  QTimer::singleShot(0, [&] {
    while (!asking) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    QCoreApplication::exit(0);
    // An application that has quit answers nothing: the question the worker
    // may have queued already is not delivered either (else, on a loaded
    // machine, this pass of the event loop could still answer it).
    QCoreApplication::removePostedEvents(&runner);
  });
  bool answer = true;
  bool cancelled = false;
  ASSERT_TRUE(runner.Run("quitting", [&] {
    asking = true;
    answer = shell.ShowQuestion(344, " Recognition", " The Neural Network is not trained ");
    cancelled = shell.CancelRequested();
  }));
  EXPECT_FALSE(answer);
  EXPECT_TRUE(cancelled);
  EXPECT_TRUE(target.events().empty());
  EXPECT_FALSE(runner.Busy());

  // The exit also ends every event loop started after it until the
  // application's own loop has run; run it once, then the next command
  // talks to the window again.
  QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
  ASSERT_TRUE(runner.Run("next", [&] {
    answer = shell.ShowQuestion(344, " Recognition", " The Neural Network is not trained ");
  }));
  EXPECT_TRUE(answer);
  EXPECT_EQ(1u, target.events().size());
}

}  // namespace
}  // namespace foresta
