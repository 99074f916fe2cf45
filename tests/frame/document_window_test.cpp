// The life of document windows: the close question, the change marker,
// Revert, and what happens when a file is opened that is open already.
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>
#include <QTest>

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

}  // namespace
}  // namespace foresta
