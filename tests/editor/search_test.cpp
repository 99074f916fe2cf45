#include <string>
#include <vector>

#include "editor_fixture.h"

namespace foresta {
namespace {

using Beep = EditView::BeepKind;

TEST_F(EditorTest, SearchDownStartsAfterTheCaretAndBeepsWhenNothingFollows) {
  SetText("ab ab");
  EXPECT_TRUE(doc.Search(true, true, false, "ab"));
  EXPECT_TRUE(doc.SelStart == doc.Pos(0, 3));
  EXPECT_EQ(Selected(), "ab");
  EXPECT_TRUE(view.beeps.empty());
  EXPECT_FALSE(doc.Search(true, true, false, "ab"));
  ASSERT_EQ(view.beeps.size(), 1u);
  EXPECT_EQ(view.beeps[0], Beep::kPlain);
  // Back where it was, with the selection collapsed.
  EXPECT_TRUE(doc.Caret == doc.Pos(0, 3));
  EXPECT_FALSE(doc.HasSelection());
}

TEST_F(EditorTest, SearchUpFindsTheLastOccurrenceBeforeTheCaretOverLines) {
  SetText("ab x\nab ab\nend");
  doc.CollapseTo(doc.Pos(1, 4));
  EXPECT_TRUE(doc.Search(false, true, false, "ab"));
  EXPECT_TRUE(doc.SelStart == doc.Pos(1, 0));
  EXPECT_TRUE(doc.Search(false, true, false, "ab"));
  EXPECT_TRUE(doc.SelStart == doc.Pos(0, 0));
  EXPECT_FALSE(doc.Search(false, true, false, "ab"));
  // At the document's start the search cannot begin: no beep at all.
  EXPECT_TRUE(view.beeps.empty());
}

TEST_F(EditorTest, SearchIgnoresCaseUnlessAskedAndNeverSpansLines) {
  SetText("xx\nHeLLo\nhel\nlo");
  EXPECT_FALSE(doc.Search(true, true, false, "hello"));
  doc.CollapseTo(doc.Start());
  EXPECT_TRUE(doc.Search(true, false, false, "hello"));
  EXPECT_TRUE(doc.SelStart == doc.Pos(1, 0));
  EXPECT_FALSE(doc.Search(true, false, false, "hello"));
}

TEST_F(EditorTest, WholeWordSearchSkipsMatchesInsideWords) {
  SetText("cab abc (ab)");
  EXPECT_TRUE(doc.Search(true, true, true, "ab"));
  EXPECT_TRUE(doc.SelStart == doc.Pos(0, 9));
  doc.CollapseTo(doc.End());
  EXPECT_TRUE(doc.Search(false, true, true, "ab"));
  EXPECT_TRUE(doc.SelStart == doc.Pos(0, 9));
  EXPECT_FALSE(doc.Search(false, true, true, "ab"));
}

TEST_F(EditorTest, ReplaceAllReplacesEveryOccurrenceAndUndoesAtOnce) {
  SetText("aa a\naXa");
  doc.CollapseTo(doc.End());
  FindData& find = doc.FindRecord();
  find.findWhat = "a";
  find.replaceWith = "bb";
  find.flags = FindData::kDown | FindData::kMatchCase | FindData::kReplaceAll;
  doc.DoFindReplace();
  EXPECT_EQ(Text(), "bbbb bb\nbbXbb");
  EXPECT_TRUE(view.beeps.empty());
  doc.Undo();
  EXPECT_EQ(Text(), "aa a\naXa");
}

TEST_F(EditorTest, ReplaceAllWithNothingToReplaceBeeps) {
  SetText("abc");
  FindData& find = doc.FindRecord();
  find.findWhat = "zz";
  find.replaceWith = "yy";
  find.flags = FindData::kDown | FindData::kReplaceAll;
  doc.DoFindReplace();
  EXPECT_EQ(Text(), "abc");
  ASSERT_FALSE(view.beeps.empty());
  EXPECT_EQ(view.beeps.back(), Beep::kExclamation);
  EXPECT_FALSE(doc.CanUndo());
}

TEST_F(EditorTest, ReplaceChangesTheFoundOccurrenceThenSelectsTheNext) {
  SetText("ab ab ab");
  FindData& find = doc.FindRecord();
  find.findWhat = "ab";
  find.replaceWith = "X";
  find.flags = FindData::kDown | FindData::kMatchCase | FindData::kFindNext;
  doc.DoFindReplace();
  EXPECT_TRUE(doc.SelStart == doc.Pos(0, 3));
  find.flags = FindData::kDown | FindData::kMatchCase | FindData::kReplace;
  doc.DoFindReplace();
  EXPECT_EQ(Text(), "ab X ab");
  EXPECT_EQ(Selected(), "ab");
  EXPECT_TRUE(doc.SelStart == doc.Pos(0, 5));
  doc.DoFindReplace();
  EXPECT_EQ(Text(), "ab X X");
  EXPECT_TRUE(view.beeps.empty() || view.beeps.back() != Beep::kExclamation);
}

TEST_F(EditorTest, FindNextWrapsAroundAndSaysSo) {
  SetText("ab x\nab");
  doc.CollapseTo(doc.Pos(1, 0));
  FindData& find = doc.FindRecord();
  find.findWhat = "ab";
  find.flags = FindData::kDown | FindData::kMatchCase | FindData::kFindNext;
  ASSERT_TRUE(find.wrapAround);  // on unless the user turns it off
  // The occurrence at the caret is skipped: the search goes on from the start.
  doc.DoFindReplace();
  EXPECT_TRUE(doc.SelStart == doc.Pos(0, 0));
  EXPECT_EQ(view.messages, std::vector<std::string>{"Search wrapped"});
  EXPECT_TRUE(view.beeps.empty());
  // Up from the first one wraps to the last.
  find.flags = FindData::kMatchCase | FindData::kFindNext;
  doc.DoFindReplace();
  EXPECT_TRUE(doc.SelStart == doc.Pos(1, 0));
  EXPECT_EQ(view.messages.size(), 2u);

  // Without wrap-around the end of the document ends the search.
  find.wrapAround = false;
  find.flags = FindData::kDown | FindData::kMatchCase | FindData::kFindNext;
  view.Reset();
  doc.DoFindReplace();
  EXPECT_TRUE(doc.Caret == doc.Pos(1, 0));
  EXPECT_EQ(view.messages, std::vector<std::string>{"Not found: ab"});
  EXPECT_EQ(view.beeps, (std::vector<Beep>{Beep::kPlain, Beep::kExclamation}));
}

TEST_F(EditorTest, ATextThatIsNowhereIsNotFoundEvenWrapping) {
  SetText("abc");
  FindData& find = doc.FindRecord();
  find.findWhat = "zz";
  find.flags = FindData::kDown | FindData::kFindNext;
  doc.DoFindReplace();
  EXPECT_EQ(view.messages, std::vector<std::string>{"Not found: zz"});
  EXPECT_FALSE(doc.HasSelection());
  find.flags = FindData::kDown | FindData::kReplaceAll;
  doc.DoFindReplace();
  EXPECT_EQ(view.messages.back(), "Not found: zz");
}

TEST_F(EditorTest, AnEmptySearchTextFindsNothing) {
  SetText("abc");
  FindData& find = doc.FindRecord();
  find.findWhat.clear();
  find.flags = FindData::kDown | FindData::kReplaceAll;
  doc.DoFindReplace();
  EXPECT_EQ(Text(), "abc");
}

}  // namespace
}  // namespace foresta
