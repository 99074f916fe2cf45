#include <string>

#include "editor_fixture.h"

namespace foresta {
namespace {

using Key = EditDocument::Key;

TEST_F(EditorTest, EachTypedCharacterIsUndoneAloneAndTheLastUndoCleansTheDocument) {
  Type("abc");
  EXPECT_EQ(Text(), "abc");
  EXPECT_TRUE(doc.IsDirty);
  doc.Undo();
  EXPECT_EQ(Text(), "ab");
  doc.Undo();
  EXPECT_EQ(Text(), "a");
  EXPECT_TRUE(doc.IsDirty);
  doc.Undo();
  EXPECT_EQ(Text(), "");
  EXPECT_FALSE(doc.IsDirty);
  EXPECT_FALSE(doc.CanUndo());
}

TEST_F(EditorTest, TypingOverASelectionIsOneUndoStep) {
  SetText("xyz");
  Select(0, 0, 0, 3);
  Type("q");
  EXPECT_EQ(Text(), "q");
  doc.Undo();
  EXPECT_EQ(Text(), "xyz");
  EXPECT_TRUE(doc.Caret == doc.Pos(0, 0));
  EXPECT_FALSE(doc.HasSelection());
}

TEST_F(EditorTest, OverwriteReplacesInsideALineAndInsertsAtItsEnd) {
  SetText("abc");
  Key(Key::kInsert);
  EXPECT_TRUE(doc.Overwrite);
  Type("X");
  EXPECT_EQ(Text(), "Xbc");
  doc.Undo();
  EXPECT_EQ(Text(), "abc");
  Key(Key::kEnd);
  Type("d");
  EXPECT_EQ(Text(), "abcd");
}

TEST_F(EditorTest, PasteDropsCarriageReturnsAndUndoesInOneStep) {
  SetText("");
  doc.Paste("a\r\nb");
  ASSERT_EQ(doc.Text().Count(), 2);
  EXPECT_EQ(doc.Text()[0], "a");
  EXPECT_EQ(doc.Text()[1], "b");
  EXPECT_TRUE(doc.Caret == doc.Pos(1, 1));
  doc.Undo();
  EXPECT_EQ(Text(), "");
}

TEST_F(EditorTest, PastingOverASelectionInTheMiddleOfLinesKeepsTheirEnds) {
  SetText("head-XX-tail\nnext");
  Select(0, 5, 0, 7);
  doc.Paste("1\r\n2\r\n3");
  EXPECT_EQ(Text(), "head-1\n2\n3-tail\nnext");
  EXPECT_TRUE(doc.Caret == doc.Pos(2, 1));
  doc.Undo();
  EXPECT_EQ(Text(), "head-XX-tail\nnext");
}

TEST_F(EditorTest, PastingOnlyCarriageReturnsLeavesTheUndoJournalHarmless) {
  SetText("keep");
  doc.Paste("\r\r");
  EXPECT_EQ(Text(), "keep");
  doc.Undo();
  EXPECT_EQ(Text(), "keep");
}

TEST_F(EditorTest, ALargeDeletionIsRecordedInChainedChunksAndRestoredInOrder) {
  // 70,000 characters over several lines, each character distinct enough
  // that a chunk restored out of order would show.
  std::string text;
  for (int i = 0; text.size() < 70000; ++i) {
    text += std::to_string(i);
    text += (i % 50 == 49) ? '\n' : ' ';
  }
  text.resize(70000);
  SetText(text + "END");
  doc.SelStart = doc.Start();
  doc.SelEnd = doc.Start();
  doc.SelEnd.MoveChars(70000);
  doc.Caret = doc.SelStart;
  doc.DeleteSelection(true);
  EXPECT_EQ(Text(), "END");
  const auto& journal = doc.Journal();
  ASSERT_EQ(journal.size(), 3u);
  EXPECT_EQ(journal[0]->Length(), 32759u);
  EXPECT_EQ(journal[1]->Length(), 32759u);
  EXPECT_EQ(journal[2]->Length(), 4482u);
  EXPECT_FALSE(journal[0]->Chained);
  EXPECT_TRUE(journal[1]->Chained);
  EXPECT_TRUE(journal[2]->Chained);
  doc.Undo();
  EXPECT_EQ(Text(), text + "END");
  EXPECT_FALSE(doc.CanUndo());
}

TEST_F(EditorTest, DeleteAtTheEndAndBackspaceAtTheStartDoNothing) {
  SetText("ab\ncd");
  Key(Key::kEnd, false, true);
  Key(Key::kDelete);
  EXPECT_EQ(Text(), "ab\ncd");
  EXPECT_FALSE(doc.CanUndo());
  EXPECT_FALSE(doc.IsDirty);
  Key(Key::kHome, false, true);
  Key(Key::kBackspace);
  EXPECT_EQ(Text(), "ab\ncd");
  EXPECT_FALSE(doc.CanUndo());
}

TEST_F(EditorTest, BackspaceAndDeleteJoinLinesAndUndoSplitsThemAgain) {
  SetText("ab\ncd");
  doc.CollapseTo(doc.Pos(1, 0));
  Key(Key::kBackspace);
  EXPECT_EQ(Text(), "abcd");
  EXPECT_TRUE(doc.Caret == doc.Pos(0, 2));
  doc.Undo();
  EXPECT_EQ(Text(), "ab\ncd");
  doc.CollapseTo(doc.Pos(0, 2));
  Key(Key::kDelete);
  EXPECT_EQ(Text(), "abcd");
}

TEST_F(EditorTest, BackspaceDeletesASelectionEvenWhenTheCaretIsAtTheStart) {
  SetText("abc\ndef");
  doc.SelectAll();
  Key(Key::kBackspace);
  EXPECT_EQ(Text(), "");
  doc.Undo();
  EXPECT_EQ(Text(), "abc\ndef");
}

TEST_F(EditorTest, EnterSplitsTheLineAndShiftRightThenSelectsOneCharacter) {
  SetText("abcd");
  doc.CollapseTo(doc.Pos(0, 2));
  Type("\n");
  ASSERT_EQ(doc.Text().Count(), 2);
  EXPECT_EQ(doc.Text()[0], "ab");
  EXPECT_EQ(doc.Text()[1], "cd");
  EXPECT_TRUE(doc.Caret == doc.Pos(1, 0));
  Key(Key::kRight, /*shift=*/true);
  EXPECT_EQ(Selected(), "c");
  EXPECT_TRUE(doc.SelStart == doc.Pos(1, 0));
}

TEST_F(EditorTest, ShiftMovesExtendTheEndTheCaretWasOnAndKeepTheOrder) {
  SetText("abcdef");
  doc.CollapseTo(doc.Pos(0, 3));
  Key(Key::kRight, true, false, 2);
  EXPECT_EQ(Selected(), "de");
  Key(Key::kLeft, true, false, 4);
  // The end the caret was on crossed the anchor: the ends swap.
  EXPECT_EQ(Selected(), "bc");
  EXPECT_TRUE(doc.Caret == doc.Pos(0, 1));
  Key(Key::kRight);
  EXPECT_FALSE(doc.HasSelection());
  EXPECT_TRUE(doc.Caret == doc.Pos(0, 2));
}

TEST_F(EditorTest, ControlCharactersAreIgnoredButTabAndDeleteAreText) {
  SetText("");
  doc.Char(1, 1);
  doc.Char(27, 1);
  doc.Char('\t', 1);
  doc.Char(127, 1);
  doc.Char('x', 3);
  EXPECT_EQ(Text(), std::string("\t\x7fxxx"));
}

TEST_F(EditorTest, CopyJoinsLinesWithCrLfAndRefusesAtTheLimit) {
  SetText("one\ntwo\nthree");
  Select(0, 1, 2, 3);
  EXPECT_EQ(Selected(), "ne\r\ntwo\r\nthr");
  doc.SetClipboardLimit(8);
  std::string text = "unchanged";
  EXPECT_FALSE(doc.CopySelection(&text));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, "Space Error");
  EXPECT_EQ(prompter.messages[0].text, "The selected text is too large for the clipboard");
  // A selection on one line is never refused.
  Select(2, 0, 2, 5);
  EXPECT_EQ(Selected(), "three");
}

TEST_F(EditorTest, ClearAllEmptiesTheDocumentAndUndoRestoresIt) {
  SetText("a\nb\nc");
  doc.ClearAll();
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(doc.Text().Count(), 1);
  doc.Undo();
  EXPECT_EQ(Text(), "a\nb\nc");
}

TEST_F(EditorTest, TypingRepaintsOnlyTheChangedLine) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line\n";
  SetText(text);
  doc.CollapseTo(doc.Pos(10, 2));
  view.scroll_y = 5;
  view.Reset();
  Type("x");
  EXPECT_EQ(view.RepaintedLines(), 1);
  EXPECT_EQ(view.all_repaints, 0);
  view.Reset();
  Type("\n");
  // Enter repaints the split line and the ones it pushed down, in view only.
  EXPECT_EQ(view.all_repaints, 0);
  EXPECT_LE(view.RepaintedLines(), view.height / FakeView::kLineHeight + 1);
}

}  // namespace
}  // namespace foresta
