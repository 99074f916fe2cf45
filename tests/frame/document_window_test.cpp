// The life of document windows: the close question, the change marker,
// Revert, and what happens when a file is opened that is open already.
#include <fstream>
#include <iterator>
#include <string>

#include <atomic>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "frame/command_routing.h"
#include "frame/frame_fixture.h"
#include "frame/frame_status_bar.h"

namespace foresta {
namespace {

using DocumentWindowTest = test::FrameWindowTest;

const QString kChanged = QStringLiteral("This file has changed. Do you want to save the changes?");

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(DocumentWindowTest, ClosingAChangedDocumentAsksOnceWhicheverWayItCloses) {
  yesNo_ = QMessageBox::No;
  // The Close command.
  window_->Action(kCmFileNew)->trigger();
  QTest::keyClicks(&ActiveEditor(), QStringLiteral("one"));
  window_->Action(kCmFileClose)->trigger();
  EXPECT_EQ(1, BoxesSaying(kChanged));
  EXPECT_TRUE(area().Documents().isEmpty());
  // The window's close box.
  window_->Action(kCmFileNew)->trigger();
  QTest::keyClicks(&ActiveEditor(), QStringLiteral("two"));
  area().ActiveDocument()->close();
  EXPECT_EQ(2, BoxesSaying(kChanged));
  EXPECT_TRUE(area().Documents().isEmpty());
  // Close All over two changed documents.
  for (const char* text : {"three", "four"}) {
    window_->Action(kCmFileNew)->trigger();
    QTest::keyClicks(&ActiveEditor(), QString::fromLatin1(text));
  }
  window_->Action(kCmCloseAll)->trigger();
  EXPECT_EQ(4, BoxesSaying(kChanged));
  EXPECT_TRUE(area().Documents().isEmpty());
}

TEST_F(DocumentWindowTest, ExitWithTwoChangedDocumentsAsksOnceForEach) {
  for (const char* text : {"one", "two"}) {
    window_->Action(kCmFileNew)->trigger();
    QTest::keyClicks(&ActiveEditor(), QString::fromLatin1(text));
  }
  // Yes to the application's question, No to each document's.
  answer_ = [](const Box& box) {
    return box.text == kChanged ? QMessageBox::No : QMessageBox::Yes;
  };
  EXPECT_TRUE(window_->close());
  EXPECT_EQ(3u, boxes_.size());
  EXPECT_EQ(2, BoxesSaying(kChanged));
  EXPECT_TRUE(area().Documents().isEmpty());
}

TEST_F(DocumentWindowTest, SavingOnCloseWritesOnceAndCancelKeepsTheWindow) {
  dir_.Write("notes.txt", "one\n");
  area().OpenFile("notes.txt");
  QTest::keyClicks(&ActiveEditor(), QStringLiteral("x"));
  yesNo_ = QMessageBox::Cancel;
  window_->Action(kCmFileClose)->trigger();
  EXPECT_EQ(1, BoxesSaying(kChanged));
  ASSERT_EQ(1, area().Documents().size());
  yesNo_ = QMessageBox::Yes;
  window_->Action(kCmFileClose)->trigger();
  EXPECT_EQ(2, BoxesSaying(kChanged));
  EXPECT_TRUE(area().Documents().isEmpty());
  EXPECT_EQ("xone\r\n", ReadFile(dir_.Path("notes.txt")));
}

TEST_F(DocumentWindowTest, TitleMarksUnsavedChangesUntilSavedOrUndone) {
  dir_.Write("notes.txt", "one\n");
  area().OpenFile("notes.txt");
  EXPECT_EQ(QStringList{"notes.txt"}, Titles());
  QTest::keyClicks(&ActiveEditor(), QStringLiteral("x"));
  EXPECT_EQ(QStringList{"notes.txt*"}, Titles());
  // Undo back to the text as loaded.
  window_->Action(kCmEditUndo)->trigger();
  EXPECT_EQ(QStringList{"notes.txt"}, Titles());
  QTest::keyClicks(&ActiveEditor(), QStringLiteral("y"));
  EXPECT_EQ(QStringList{"notes.txt*"}, Titles());
  window_->Action(kCmFileSave)->trigger();
  EXPECT_EQ(QStringList{"notes.txt"}, Titles());
  EXPECT_EQ("yone\r\n", ReadFile(dir_.Path("notes.txt")));

  // A new document is marked from its first keystroke.
  window_->Action(kCmFileNew)->trigger();
  QTest::keyClicks(&ActiveEditor(), QStringLiteral("z"));
  EXPECT_EQ((QStringList{"notes.txt", "Untitled*"}), Titles());
}

TEST_F(DocumentWindowTest, RevertAsksFirstWhenTheDocumentHasChanges) {
  const QString question =
      QStringLiteral("Revert to the saved file? The changes made since it was saved will be lost.");
  dir_.Write("notes.txt", "one\n");
  area().OpenFile("notes.txt");
  QTest::keyClicks(&ActiveEditor(), QStringLiteral("xyz"));
  yesNo_ = QMessageBox::No;
  window_->Action(kCmFileRevert)->trigger();
  ASSERT_EQ(1, BoxesSaying(question));
  EXPECT_EQ("notes.txt", boxes_.back().caption);
  EXPECT_EQ("xyzone", ActiveEditor().Document().Text()[0]);
  EXPECT_EQ(QStringList{"notes.txt*"}, Titles());

  yesNo_ = QMessageBox::Yes;
  window_->Action(kCmFileRevert)->trigger();
  EXPECT_EQ(2, BoxesSaying(question));
  EXPECT_EQ("one", ActiveEditor().Document().Text()[0]);
  EXPECT_EQ(QStringList{"notes.txt"}, Titles());

  // Nothing to lose: the file is read again without a question.
  dir_.Write("notes.txt", "two\n");
  window_->Action(kCmFileRevert)->trigger();
  EXPECT_EQ(2, BoxesSaying(question));
  EXPECT_EQ("two", ActiveEditor().Document().Text()[0]);
}

// Chooses the first item (Save) of the editor's right-button menu.
void SaveFromTheRightButtonMenu(plume_edWindow& editor) {
  QTimer::singleShot(0, [] {
    QMenu* menu = nullptr;
    test::WaitFor([&] {
      menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      return menu != nullptr;
    });
    if (menu == nullptr) return;
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
  });
  QWidget* viewport = editor.viewport();
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), viewport->mapToGlobal(QPoint(20, 20)));
  QApplication::sendEvent(viewport, &event);
}

TEST_F(DocumentWindowTest, RightButtonSaveAndTheCloseBoxWaitWhileACommandRuns) {
  dir_.Write("notes.txt", "one\n");
  area().OpenFile("notes.txt");
  plume_edWindow& editor = ActiveEditor();
  QTest::keyClicks(&editor, QStringLiteral("x"));

  std::atomic<bool> release{false};
  bool closed = true;
  std::string during;
  QTimer::singleShot(0, [&] {
    // A command is running and reads notes.txt: nothing may write it.
    SaveFromTheRightButtonMenu(editor);
    during = ReadFile(dir_.Path("notes.txt"));
    closed = area().ActiveDocument()->close();
    release = true;
  });
  window_->runner().SetDialogDelay(60000);
  ASSERT_TRUE(window_->runner().Run("reading", [&] {
    while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }));
  EXPECT_EQ("one\n", during);
  EXPECT_FALSE(closed);
  EXPECT_TRUE(boxes_.empty());  // not even the close question was asked
  ASSERT_EQ(1, area().Documents().size());
  EXPECT_EQ(QStringList{"notes.txt*"}, Titles());

  // Once the command has ended, the same choice saves.
  SaveFromTheRightButtonMenu(editor);
  EXPECT_EQ("xone\r\n", ReadFile(dir_.Path("notes.txt")));
  EXPECT_EQ(QStringList{"notes.txt"}, Titles());
}

}  // namespace
}  // namespace foresta
