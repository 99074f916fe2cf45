#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <string>

#include "edit_client_fixture.h"

namespace foresta {
namespace {

TEST_F(EditClientTest, TypingEnterBackspaceAndTabEditTheDocument) {
  QTest::keyClicks(editor.get(), "abcd");
  QTest::keyClick(editor.get(), Qt::Key_Left);
  QTest::keyClick(editor.get(), Qt::Key_Left);
  QTest::keyClick(editor.get(), Qt::Key_Return);
  EXPECT_EQ(Text(), "ab\ncd");
  QTest::keyClick(editor.get(), Qt::Key_Tab);
  QTest::keyClick(editor.get(), Qt::Key_End);
  QTest::keyClick(editor.get(), Qt::Key_Backspace);
  EXPECT_EQ(Text(), "ab\n\tc");
  EXPECT_TRUE(Doc().IsDirty);
  EXPECT_EQ(editor->windowTitle(), "Untitled");
}

TEST_F(EditClientTest, CtrlZUndoesOneCharacterAtATime) {
  QTest::keyClicks(editor.get(), "xy");
  QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Text(), "x");
  QTest::keyClick(editor.get(), Qt::Key_Backspace, Qt::AltModifier);
  EXPECT_EQ(Text(), "");
  EXPECT_FALSE(Doc().IsDirty);
}

TEST_F(EditClientTest, InsertTogglesOverwriteAndTheCaretShape) {
  QTest::keyClicks(editor.get(), "abc");
  QTest::keyClick(editor.get(), Qt::Key_Home);
  int insert_width = editor->CaretRect().width();
  QTest::keyClick(editor.get(), Qt::Key_Insert);
  EXPECT_TRUE(Doc().Overwrite);
  EXPECT_EQ(editor->CaretRect().width(), 3 * insert_width);
  EXPECT_EQ(editor->CaretRect().height(), editor->LineHeight() / 2);
  QTest::keyClicks(editor.get(), "XY");
  EXPECT_EQ(Text(), "XYc");
}

TEST_F(EditClientTest, DraggingTheMouseSelectsAndDoubleClickSelectsAWord) {
  QTest::keyClicks(editor.get(), "hello brave\rnew world");
  Mouse(QEvent::MouseButtonPress, PointOf(0, 2), Qt::LeftButton);
  Mouse(QEvent::MouseMove, PointOf(1, 3), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, PointOf(1, 3), Qt::NoButton);
  EXPECT_EQ(Selected(), "llo brave\r\nnew");
  EXPECT_TRUE(Doc().Caret == Doc().Pos(1, 3));
  // A real double click: press, release, double click, release.
  QPoint inside = PointOf(0, 8);
  Mouse(QEvent::MouseButtonPress, inside, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, inside, Qt::NoButton);
  Mouse(QEvent::MouseButtonDblClick, inside, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, inside, Qt::NoButton);
  EXPECT_EQ(Selected(), "brave");
}

TEST_F(EditClientTest, CopyAndPasteGoThroughTheClipboard) {
  QTest::keyClicks(editor.get(), "one\rtwo");
  QTest::keyClick(editor.get(), Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(editor.get(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "one\r\ntwo");
  QApplication::clipboard()->setText("A\r\nB");
  QTest::keyClick(editor.get(), Qt::Key_End, Qt::ControlModifier);
  QTest::keyClick(editor.get(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Text(), "one\ntwoA\nB");
  QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Text(), "one\ntwo");
  // Cut removes the text only once it is on the clipboard.
  QTest::keyClick(editor.get(), Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(editor.get(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "o");
  EXPECT_EQ(Text(), "one\ntw");
}

TEST_F(EditClientTest, ACutTooLargeForTheClipboardDeletesNothing) {
  QTest::keyClicks(editor.get(), "first\rsecond\rthird");
  Doc().SetClipboardLimit(5);
  QApplication::clipboard()->setText("before");
  editor->SelectAll();
  editor->Cut();
  EXPECT_EQ(Text(), "first\nsecond\nthird");
  EXPECT_EQ(QApplication::clipboard()->text(), "before");
  ASSERT_FALSE(prompter.messages.empty());
  EXPECT_EQ(prompter.messages.back().caption, "Space Error");
}

TEST_F(EditClientTest, FindDialogFindsAndReplaceDialogReplacesAll) {
  QTest::keyClicks(editor.get(), "cat dog cat\rcatalog");
  QTest::keyClick(editor.get(), Qt::Key_Home, Qt::ControlModifier);
  editor->Find();
  FindReplaceDialog* find = editor->FindDialog();
  ASSERT_NE(find, nullptr);
  EXPECT_FALSE(editor->IsReplace());
  find->FindEdit()->setText("cat");
  find->WholeWordBox()->setChecked(true);
  QTest::mouseClick(find->FindNextButton(), Qt::LeftButton);
  EXPECT_TRUE(Doc().SelStart == Doc().Pos(0, 8));
  // F3 repeats the search: the whole-word option skips "catalog", and the
  // search wraps around to the first "cat".
  int beeps = editor->BeepCount();
  QTest::keyClick(editor.get(), Qt::Key_F3);
  EXPECT_TRUE(Doc().SelStart == Doc().Pos(0, 0));
  EXPECT_EQ(editor->BeepCount(), beeps);
  // Without wrap-around the search ends at the document's end with a beep.
  find->WrapAroundBox()->setChecked(false);
  QTest::keyClick(editor.get(), Qt::Key_F3);
  EXPECT_TRUE(Doc().SelStart == Doc().Pos(0, 8));
  QTest::keyClick(editor.get(), Qt::Key_F3);
  EXPECT_GT(editor->BeepCount(), beeps);

  editor->Replace();
  FindReplaceDialog* replace = editor->FindDialog();
  ASSERT_NE(replace, nullptr);
  EXPECT_TRUE(editor->IsReplace());
  replace->FindEdit()->setText("cat");
  replace->ReplaceEdit()->setText("cow");
  replace->WholeWordBox()->setChecked(false);
  QTest::mouseClick(replace->ReplaceAllButton(), Qt::LeftButton);
  EXPECT_EQ(Text(), "cow dog cow\ncowalog");
  replace->close();
  QApplication::processEvents();
  EXPECT_EQ(editor->FindDialog(), nullptr);
  QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Text(), "cat dog cat\ncatalog");
}

TEST_F(EditClientTest, CloseStaysOpenWhenTheUserCancelsTheSave) {
  QTest::keyClicks(editor.get(), "draft");
  prompter.answer = EditPrompter::Answer::kYes;  // save, but the dialog is cancelled
  editor->Close();
  EXPECT_TRUE(editor->isVisible());
  prompter.answer = EditPrompter::Answer::kNo;
  editor->Close();
  EXPECT_FALSE(editor->isVisible());
}

TEST_F(EditClientTest, TabsExpandToFourAverageCharacters) {
  int stop = editor->TabStop();
  EXPECT_EQ(stop, 4 * editor->CharWidth());
  EXPECT_EQ(editor->TextWidth("\t"), stop);
  EXPECT_EQ(editor->TextWidth("x\t"), stop);
  EXPECT_EQ(editor->TextWidth("\t\t"), 2 * stop);
}

TEST_F(EditClientTest, PaintingShowsTheSelectionInTheHighlightColour) {
  QTest::keyClicks(editor.get(), "MMMMMMMM\rsecond");
  QTest::keyClick(editor.get(), Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClick(editor.get(), Qt::Key_Right, Qt::ShiftModifier, 4);
  QImage image(editor->viewport()->size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    painter.setFont(editor->font());
    editor->PaintText(painter, 0, image.rect(), false);
  }
  QColor highlight = editor->palette().color(QPalette::Highlight);
  QColor base = editor->palette().color(QPalette::Base);
  int y = editor->LineHeight() - 2;  // below the glyphs
  EXPECT_EQ(QColor(image.pixel(2, y)), highlight);
  EXPECT_EQ(QColor(image.pixel(2, editor->LineHeight() + y)), base);
  // Printing draws no selection.
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    painter.setFont(editor->font());
    editor->PaintText(painter, 0, image.rect(), true);
  }
  EXPECT_NE(QColor(image.pixel(2, y)), highlight);
}

}  // namespace
}  // namespace foresta

namespace foresta {
namespace {

TEST_F(EditClientTest, PrintingDrawsOnlyTheWholeLinesThatFitFromTheFirstLine) {
  for (int i = 0; i < 10; ++i) QTest::keyClicks(editor.get(), "WWWWWWWW\r");
  QImage image(200, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  int pitch = 0;
  {
    QPainter painter(&image);
    painter.setFont(editor->font());
    pitch = painter.fontMetrics().lineSpacing();
    // Room for two and a half lines: only two are drawn.
    editor->PaintText(painter, 4, QRect(0, 0, 200, pitch * 5 / 2), true);
  }
  auto inked = [&](int top, int bottom) {
    for (int y = top; y < bottom; ++y) {
      for (int x = 0; x < 100; ++x) {
        if (QColor(image.pixel(x, y)) != QColor(Qt::white)) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(inked(0, pitch));
  EXPECT_TRUE(inked(pitch, 2 * pitch));
  EXPECT_FALSE(inked(2 * pitch, 200));
}

TEST_F(EditClientTest, AnEditorClosesCleanlyWithItsSearchDialogOpen) {
  QTest::keyClicks(editor.get(), "text");
  editor->Find();
  ASSERT_NE(editor->FindDialog(), nullptr);
  editor->Replace();
  ASSERT_NE(editor->FindDialog(), nullptr);
  EXPECT_TRUE(editor->IsReplace());
  editor.reset();
  QApplication::processEvents();
}

}  // namespace
}  // namespace foresta
