#include <algorithm>
#include <string_view>
#include <utility>

#include "editor/edit_document.h"

namespace foresta {

EditPoint EditDocument::PosToPoint(const TEditPos& pos) const {
  std::string_view line = lines_[pos.Line];
  int x = view_->TextWidth(line.substr(0, pos.EffectiveColumn())) - view_->ScrollX() * view_->CharWidth();
  int y = (pos.Line - view_->ScrollY()) * view_->LineHeight();
  return {x, y};
}

int EditDocument::LineAtY(int y) const {
  long long line = static_cast<long long>(y / view_->LineHeight()) + view_->ScrollY();
  return static_cast<int>(std::clamp<long long>(line, 0, lines_.Count()));
}

TEditPos EditDocument::PointToPos(EditPoint point) const {
  int line = LineAtY(point.y);
  if (line > lines_.LastLine()) return End();
  std::string_view text = lines_[line];
  long long target = static_cast<long long>(point.x) +
                     static_cast<long long>(view_->ScrollX()) * view_->CharWidth();
  int half = view_->CharWidth() / 2;
  // The first column whose left edge, moved on by half an average
  // character, reaches the point: a click goes to the nearer character
  // edge. Widths grow with the column, so a binary search finds it.
  std::size_t low = 0;
  std::size_t high = text.size();
  while (low < high) {
    std::size_t mid = low + (high - low) / 2;
    if (half + static_cast<long long>(view_->TextWidth(text.substr(0, mid))) >= target) {
      high = mid;
    } else {
      low = mid + 1;
    }
  }
  return Pos(line, low);
}

void EditDocument::ScrollToCaret() {
  EditPoint p = PosToPoint(Caret);
  int right = std::max(0, view_->ClientWidth() - 2 * view_->CharWidth());
  int bottom = std::max(0, view_->ClientHeight() - 2 * view_->LineHeight());
  if (p.x < 0 || p.x >= right || p.y < 0 || p.y >= bottom) {
    int dx = p.x >= right ? p.x - right : (p.x < 0 ? p.x : 0);
    int dy = p.y >= bottom ? p.y - bottom : (p.y < 0 ? p.y : 0);
    view_->ScrollTo(view_->ScrollX() + dx / view_->CharWidth(), view_->ScrollY() + dy / view_->LineHeight());
    p = PosToPoint(Caret);
  }
  view_->PlaceCaret(p);
  view_->CaretMoved(false);
}

void EditDocument::ToggleOverwrite() {
  Overwrite = !Overwrite;
  view_->CaretShapeChanged();
}

bool EditDocument::KeyDown(Key key, int repeat, bool shift, bool ctrl) {
  repeat = std::max(repeat, 1);
  long long page = std::max(1, view_->ClientHeight() / view_->LineHeight());
  bool caret_on_end = Caret == SelEnd;
  TEditPos old_caret = Caret;
  bool moves_selection = true;
  switch (key) {
    case Key::kBackspace:
      moves_selection = false;
      if (HasSelection()) {
        // With a selection Backspace deletes it, wherever the caret sits.
        Caret.Normalise();
      } else {
        if (Caret.AtDocumentStart()) break;
        Caret.Normalise();
        Caret.Step(-1);
        CollapseTo(Caret);
      }
      DeleteSelection(true);
      view_->ContentsChanged(false);
      break;
    case Key::kDelete:
      moves_selection = false;
      Caret.Normalise();
      DeleteSelection(true);
      view_->ContentsChanged(false);
      break;
    case Key::kPageUp:
      Caret.MoveLines(-page * repeat);
      break;
    case Key::kPageDown:
      Caret.MoveLines(page * repeat);
      break;
    case Key::kHome:
      Caret.Normalise();
      Caret.Home(ctrl);
      break;
    case Key::kEnd:
      Caret.Normalise();
      Caret.End(ctrl);
      break;
    case Key::kLeft:
      Caret.Normalise();
      if (ctrl) {
        Caret.WordLeft(GetDelimiters());
      } else {
        Caret.MoveChars(-repeat);
      }
      break;
    case Key::kRight:
      Caret.Normalise();
      if (ctrl) {
        Caret.WordRight(GetDelimiters());
      } else {
        Caret.MoveChars(repeat);
      }
      break;
    case Key::kUp:
      Caret.MoveLines(-repeat);
      break;
    case Key::kDown:
      Caret.MoveLines(repeat);
      break;
    case Key::kInsert:
      moves_selection = false;
      ToggleOverwrite();
      break;
    case Key::kOther:
      return false;
  }
  ScrollToCaret();
  if (moves_selection) {
    if (shift) {
      if (caret_on_end) {
        SelEnd = Caret;
      } else {
        SelStart = Caret;
      }
      if ((key == Key::kLeft || key == Key::kRight) && !ctrl) {
        view_->InvalidateLines(std::min(old_caret.Line, Caret.Line), std::max(old_caret.Line, Caret.Line));
      } else {
        view_->InvalidateAll();
      }
    } else {
      if (HasSelection()) {
        view_->InvalidateLines(std::min(SelStart.Line, SelEnd.Line), std::max(SelStart.Line, SelEnd.Line));
      }
      SelStart = Caret;
      SelEnd = Caret;
    }
    if (SelEnd < SelStart) std::swap(SelStart, SelEnd);
  }
  view_->UpdateWindow();
  return true;
}

void EditDocument::Char(unsigned char code, int repeat) {
  if (code < 28 && code != '\t' && code != '\r') return;
  Caret.Normalise();
  char ch = code == '\r' ? '\n' : static_cast<char>(code);
  for (int i = 0; i < std::max(repeat, 1); ++i) InsertChar(ch, true);
  ScrollToCaret();
  view_->UpdateWindow();
  view_->ContentsChanged(false);
}

void EditDocument::MouseDown(EditPoint point) {
  if (HasSelection()) view_->InvalidateAll();
  Selecting = true;
  TEditPos pos = PointToPos(point);
  CollapseTo(pos);
  LastMouse = point;
}

void EditDocument::MouseMove(EditPoint point) {
  if (!Selecting) return;
  if (point.y < 0) {
    SelEnd = Start();
  } else if (point.y >= view_->ClientHeight()) {
    SelEnd = End();
  } else {
    SelEnd = PointToPos(point);
  }
  int a = LineAtY(std::clamp(LastMouse.y, 0, std::max(0, view_->ClientHeight() - 1)));
  int b = LineAtY(std::clamp(point.y, 0, std::max(0, view_->ClientHeight() - 1)));
  view_->InvalidateLines(std::min(a, b), std::max(a, b));
  view_->UpdateWindow();
  LastMouse = point;
}

void EditDocument::MouseUp(EditPoint point) {
  if (!Selecting) return;
  Selecting = false;
  view_->InvalidateAll();
  SelEnd = PointToPos(point);
  Caret = SelEnd;
  view_->PlaceCaret(PosToPoint(Caret));
  view_->CaretMoved(false);
  if (SelEnd < SelStart) std::swap(SelStart, SelEnd);
}

void EditDocument::DoubleClick() {
  Caret.Normalise();
  TEditPos start = Caret;
  if (start.WordLeft(GetDelimiters())) {
    SelStart = start;
    SelEnd = start;
    SelEnd.WordEnd(GetDelimiters());
    Caret = SelEnd;
    ScrollToCaret();
    view_->InvalidateAll();
  } else {
    CollapseTo(Caret);
  }
}

}  // namespace foresta
