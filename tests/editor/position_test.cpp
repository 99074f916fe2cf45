#include <random>
#include <string>
#include <vector>

#include "editor/lines.h"
#include "editor_fixture.h"

namespace foresta {
namespace {

using Key = EditDocument::Key;

TEST(LinesTest, GapBufferAgreesWithAPlainArrayOverRandomEdits) {
  Lines lines;
  std::vector<std::string> expect{""};
  std::mt19937 random(7);
  for (int step = 0; step < 20000; ++step) {
    int count = static_cast<int>(expect.size());
    int op = static_cast<int>(random() % 3);
    if (op < 2 || count == 1) {
      int at = static_cast<int>(random() % static_cast<unsigned>(count + 1));
      std::string text = std::to_string(step);
      lines.Insert(at, text);
      expect.insert(expect.begin() + at, text);
    } else {
      int at = static_cast<int>(random() % static_cast<unsigned>(count));
      int n = 1 + static_cast<int>(random() % static_cast<unsigned>(std::min(5, count - at)));
      lines.Erase(at, n);
      expect.erase(expect.begin() + at, expect.begin() + at + n);
      if (expect.empty()) expect.emplace_back();
    }
    ASSERT_EQ(lines.Count(), static_cast<int>(expect.size()));
  }
  for (int i = 0; i < lines.Count(); ++i) ASSERT_EQ(lines[i], expect[static_cast<std::size_t>(i)]) << i;
  lines.Compact();
  for (int i = 0; i < lines.Count(); ++i) ASSERT_EQ(lines[i], expect[static_cast<std::size_t>(i)]) << i;
}

TEST_F(EditorTest, MovingCharactersCarriesOverLineEndsAndStopsAtTheDocumentEnds) {
  SetText("ab\n\ncd");
  TEditPos p = doc.Pos(0, 2);
  p.MoveChars(1);
  EXPECT_TRUE(p == doc.Pos(1, 0));
  p.MoveChars(2);
  EXPECT_TRUE(p == doc.Pos(2, 1));
  p.MoveChars(-3);
  EXPECT_TRUE(p == doc.Pos(0, 2));
  p.MoveChars(100);
  EXPECT_TRUE(p == doc.End());
  EXPECT_FALSE(p.Step(1));
  p.MoveChars(-100);
  EXPECT_TRUE(p == doc.Start());
  EXPECT_FALSE(p.Step(-1));
}

TEST_F(EditorTest, UpAndDownKeepTheWantedColumnOverShortLines) {
  SetText("long line here\nab\nanother long one");
  doc.CollapseTo(doc.Pos(0, 10));
  Key(Key::kDown);
  EXPECT_EQ(doc.Caret.EffectiveColumn(), 2u);
  Key(Key::kDown);
  EXPECT_TRUE(doc.Caret == doc.Pos(2, 10));
  Key(Key::kUp, false, false, 2);
  EXPECT_TRUE(doc.Caret == doc.Pos(0, 10));
  // Typing on the short line uses the effective column.
  Key(Key::kDown);
  Type("!");
  EXPECT_EQ(doc.Text()[1], "ab!");
}

TEST_F(EditorTest, HomeAndEndGoToTheLineOrWithControlTheDocument) {
  SetText("abc\ndefg\nhi");
  doc.CollapseTo(doc.Pos(1, 2));
  Key(Key::kEnd);
  EXPECT_TRUE(doc.Caret == doc.Pos(1, 4));
  Key(Key::kHome);
  EXPECT_TRUE(doc.Caret == doc.Pos(1, 0));
  Key(Key::kEnd, true, true);
  EXPECT_TRUE(doc.Caret == doc.Pos(2, 2));
  EXPECT_EQ(Selected(), "defg\r\nhi");
}

TEST_F(EditorTest, ControlRightStopsAtWordStartsAcrossLineEnds) {
  SetText("foo bar\nbaz qux");
  Key(Key::kRight, false, true);
  EXPECT_TRUE(doc.Caret == doc.Pos(0, 4));
  Key(Key::kRight, false, true);
  EXPECT_TRUE(doc.Caret == doc.Pos(1, 4));
  Key(Key::kRight, false, true);
  EXPECT_TRUE(doc.Caret == doc.End());
}

TEST_F(EditorTest, ControlLeftStopsAtWordStartsAndAtTheDocumentStart) {
  SetText("(alpha) beta\ngamma");
  doc.CollapseTo(doc.Pos(1, 2));
  Key(Key::kLeft, false, true);
  EXPECT_TRUE(doc.Caret == doc.Pos(1, 0));
  Key(Key::kLeft, false, true);
  EXPECT_TRUE(doc.Caret == doc.Pos(0, 8));
  Key(Key::kLeft, false, true);
  EXPECT_TRUE(doc.Caret == doc.Pos(0, 1));
  Key(Key::kLeft, false, true);
  EXPECT_TRUE(doc.Caret == doc.Start());
}

TEST_F(EditorTest, DoubleClickSelectsTheWordAroundOrBeforeTheCaret) {
  SetText("one two three");
  doc.CollapseTo(doc.Pos(0, 5));
  doc.DoubleClick();
  EXPECT_EQ(Selected(), "two");
  EXPECT_TRUE(doc.Caret == doc.Pos(0, 7));
  // Just before a word's first character: the word before is chosen.
  doc.CollapseTo(doc.Pos(0, 8));
  doc.DoubleClick();
  EXPECT_EQ(Selected(), "two");
  doc.CollapseTo(doc.Start());
  doc.DoubleClick();
  EXPECT_FALSE(doc.HasSelection());
}

TEST_F(EditorTest, AClickGoesToTheNearerEdgeOfTheCharacterUnderIt) {
  SetText("abcd\n\tx");
  const int w = FakeView::kCharWidth;
  EXPECT_TRUE(doc.PointToPos({2 * w + 1, 3}) == doc.Pos(0, 2));
  EXPECT_TRUE(doc.PointToPos({2 * w + w - 1, 3}) == doc.Pos(0, 3));
  EXPECT_TRUE(doc.PointToPos({100 * w, 3}) == doc.Pos(0, 4));
  // A tab is one wide character: its right half lands after it.
  EXPECT_TRUE(doc.PointToPos({3 * w, FakeView::kLineHeight + 1}) == doc.Pos(1, 1));
  EXPECT_TRUE(doc.PointToPos({0, 40 * FakeView::kLineHeight}) == doc.End());
  EXPECT_EQ(doc.PosToPoint(doc.Pos(1, 1)).x, 4 * w);
}

TEST_F(EditorTest, MouseDragSelectsAndKeepsTheCaretWhereTheButtonWasReleased) {
  SetText("hello world\nsecond");
  const int w = FakeView::kCharWidth;
  doc.MouseDown({6 * w, 2});
  doc.MouseMove({9 * w, FakeView::kLineHeight + 2});
  doc.MouseUp({2 * w, 2});
  EXPECT_EQ(Selected(), "llo ");
  EXPECT_TRUE(doc.Caret == doc.Pos(0, 2));
  EXPECT_FALSE(doc.Selecting);
}

TEST_F(EditorTest, TheCaretIsScrolledIntoViewWithAMarginAtTheBottom) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "x\n";
  SetText(text);
  doc.CollapseTo(doc.Pos(100, 0));
  doc.ScrollToCaret();
  int visible = view.height / FakeView::kLineHeight;
  EXPECT_GT(view.scroll_y, 100 - visible);
  EXPECT_LE(view.scroll_y, 100);
  EXPECT_LT(view.caret.y, view.height - FakeView::kLineHeight);
  Key(Key::kHome, false, true);
  EXPECT_EQ(view.scroll_y, 0);
}

}  // namespace
}  // namespace foresta
