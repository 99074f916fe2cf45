#include <string>

#include "editor_fixture.h"

namespace foresta {
namespace {

using Key = EditDocument::Key;

// The saved size counted the slow way.
long long CountedSize(const EditDocument& doc) {
  long long size = 0;
  for (int i = 0; i < doc.Text().Count(); ++i) size += static_cast<long long>(doc.Text().Length(i)) + 2;
  return size;
}

class JournalTest : public EditorTest {
 protected:
  void ReplaceAll(const std::string& what, const std::string& with,
                  std::uint32_t options = FindData::kDown | FindData::kMatchCase) {
    FindData& find = doc.FindRecord();
    find.findWhat = what;
    find.replaceWith = with;
    find.flags = options | FindData::kReplaceAll;
    doc.DoFindReplace();
  }
};

TEST_F(JournalTest, RedoMakesUndoneTypingAgainAndANewEditEndsIt) {
  Type("abc");
  doc.Undo();
  doc.Undo();
  EXPECT_EQ(Text(), "a");
  ASSERT_TRUE(doc.CanRedo());
  doc.Redo();
  EXPECT_EQ(Text(), "ab");
  EXPECT_TRUE(doc.Caret == doc.Pos(0, 2));  // after the text typed again
  EXPECT_TRUE(doc.IsDirty);
  doc.Undo();
  doc.Undo();
  EXPECT_FALSE(doc.IsDirty);  // back to the text as loaded
  doc.Redo();
  EXPECT_TRUE(doc.IsDirty);
  EXPECT_EQ(Text(), "a");
  Type("z");
  EXPECT_FALSE(doc.CanRedo());
  EXPECT_EQ(Text(), "az");
  doc.Redo();
  EXPECT_EQ(Text(), "az");
}

TEST_F(JournalTest, RedoOfChainedStepsIsOneStepEachWay) {
  SetText("xyz tail");
  Select(0, 0, 0, 3);
  Type("q");  // a deletion and a chained insertion
  EXPECT_EQ(Text(), "q tail");
  doc.Undo();
  EXPECT_EQ(Text(), "xyz tail");
  doc.Redo();
  EXPECT_EQ(Text(), "q tail");
  EXPECT_FALSE(doc.CanRedo());
  doc.Undo();
  EXPECT_EQ(Text(), "xyz tail");
  EXPECT_FALSE(doc.CanUndo());

  // A deletion recorded in several chunks goes back and forth whole.
  std::string big;
  for (int i = 0; i < 70000; ++i) big += static_cast<char>(i % 50 == 49 ? '\n' : 'a' + i % 26);
  SetText(big);
  doc.SelectAll();
  doc.DeleteCommand();
  ASSERT_EQ(doc.Journal().size(), 3u);
  doc.Undo();
  EXPECT_EQ(Text(), big);
  ASSERT_EQ(doc.RedoList().size(), 3u);
  doc.Redo();
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(doc.Journal().size(), 3u);
  doc.Undo();
  EXPECT_EQ(Text(), big);
}

TEST_F(JournalTest, SaveAndRevertEmptyTheRedoList) {
  Type("ab");
  doc.Undo();
  ASSERT_TRUE(doc.CanRedo());
  doc.ClearJournal();
  EXPECT_FALSE(doc.CanRedo());
  EXPECT_FALSE(doc.CanUndo());
}

TEST_F(JournalTest, TheSavedSizeFollowsEveryChange) {
  EXPECT_EQ(doc.SavedSize(), 2);  // one empty line
  Type("abc\ndef");
  EXPECT_EQ(doc.SavedSize(), 10);
  Select(0, 1, 1, 2);
  doc.DeleteCommand();
  EXPECT_EQ(Text(), "af");
  EXPECT_EQ(doc.SavedSize(), CountedSize(doc));
  doc.Paste("1\r\n2\r\n\r\n3");
  EXPECT_EQ(doc.SavedSize(), CountedSize(doc));
  Key(Key::kBackspace);
  Key(Key::kHome, false, true);
  Key(Key::kDelete);
  EXPECT_EQ(doc.SavedSize(), CountedSize(doc));
  ReplaceAll("2", "two\nlines");
  EXPECT_EQ(doc.SavedSize(), CountedSize(doc));
  while (doc.CanUndo()) {
    doc.Undo();
    EXPECT_EQ(doc.SavedSize(), CountedSize(doc)) << Text();
  }
  while (doc.CanRedo()) {
    doc.Redo();
    EXPECT_EQ(doc.SavedSize(), CountedSize(doc)) << Text();
  }
  doc.ClearAll();
  EXPECT_EQ(doc.SavedSize(), 2);
  EXPECT_EQ(doc.CharacterCount(), 0u);
}

TEST_F(JournalTest, OffsetsCountLineEndsAsOneCharacter) {
  SetText("ab\n\ncde");
  EXPECT_EQ(doc.CharacterCount(), 7u);
  EXPECT_EQ(doc.OffsetOf(doc.Pos(2, 1)), 5u);
  EXPECT_TRUE(doc.PosAtOffset(2) == doc.Pos(0, 2));
  EXPECT_TRUE(doc.PosAtOffset(3) == doc.Pos(1, 0));
  EXPECT_TRUE(doc.PosAtOffset(99) == doc.End());
  EXPECT_EQ(doc.TextBetween(doc.Pos(0, 1), doc.Pos(2, 2)), "b\n\ncd");
}

TEST_F(JournalTest, ReplaceAllIsOneRecordThatUndoAndRedoTakeWhole) {
  SetText("the cat, The dog\nno match\nthe end the");
  ReplaceAll("the", "a", FindData::kDown);  // any case
  EXPECT_EQ(Text(), "a cat, a dog\nno match\na end a");
  ASSERT_EQ(doc.Journal().size(), 1u);
  EXPECT_TRUE(doc.Caret == doc.Pos(2, 7));  // after the last replacement
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0], "Replaced 4 occurrences");
  doc.Undo();
  EXPECT_EQ(Text(), "the cat, The dog\nno match\nthe end the");  // each in its own case
  EXPECT_TRUE(doc.Caret == doc.Pos(0, 0));
  EXPECT_FALSE(doc.IsDirty);
  doc.Redo();
  EXPECT_EQ(Text(), "a cat, a dog\nno match\na end a");
  doc.Undo();
  EXPECT_EQ(Text(), "the cat, The dog\nno match\nthe end the");
}

TEST_F(JournalTest, ReplaceAllWithLineEndsSplitsLinesAndUndoJoinsThem) {
  SetText("a,b,c\nx\nd,e");
  ReplaceAll(",", ";\n");
  EXPECT_EQ(Text(), "a;\nb;\nc\nx\nd;\ne");
  doc.Undo();
  EXPECT_EQ(Text(), "a,b,c\nx\nd,e");
  doc.Redo();
  EXPECT_EQ(Text(), "a;\nb;\nc\nx\nd;\ne");
  doc.Undo();
  EXPECT_EQ(Text(), "a,b,c\nx\nd,e");
  EXPECT_EQ(doc.Text().Count(), 3);
}

TEST_F(JournalTest, ReplaceAllSearchesEachOccurrenceAfterTheReplacementsBeforeIt) {
  // As one by one: the whole-word test sees the text the replacement
  // before left, and inserted text is never searched again.
  SetText("-- a-a");
  ReplaceAll("-", "x", FindData::kDown | FindData::kMatchCase | FindData::kWholeWord);
  EXPECT_EQ(Text(), "x- a-a");
  SetText("aaa");
  ReplaceAll("a", "aa");
  EXPECT_EQ(Text(), "aaaaaa");
  SetText("ab ab");
  ReplaceAll("ab", "");
  EXPECT_EQ(Text(), " ");
  doc.Undo();
  EXPECT_EQ(Text(), "ab ab");
}

TEST_F(JournalTest, ReplaceAllReportsTheWholeChangedRegionOnce) {
  SetText("keep\nab x ab\nkeep\nab\nkeep");
  view.changes.clear();
  ReplaceAll("ab", "xyz");
  // From the first changed line's start to the last changed line's end.
  ASSERT_EQ(view.changes.size(), 1u);
  EXPECT_EQ(view.changes[0], (FakeView::Change{1, 0, 15, 18}));
  view.changes.clear();
  doc.Undo();
  ASSERT_EQ(view.changes.size(), 1u);
  EXPECT_EQ(view.changes[0], (FakeView::Change{1, 0, 18, 15}));
}

}  // namespace
}  // namespace foresta
