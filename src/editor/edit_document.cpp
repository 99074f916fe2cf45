#include "editor/edit_document.h"

#include <algorithm>
#include <utility>

namespace foresta {

EditDocument::EditDocument(EditView* view, EditPrompter* prompter)
    : Caret(&lines_, 0, 0),
      SelStart(&lines_, 0, 0),
      SelEnd(&lines_, 0, 0),
      view_(view),
      prompter_(prompter) {}

void EditDocument::CollapseTo(const TEditPos& pos) {
  Caret = pos;
  SelStart = pos;
  SelEnd = pos;
}

std::size_t EditDocument::OffsetOf(const TEditPos& pos) const {
  std::size_t offset = 0;
  for (int line = 0; line < pos.Line; ++line) offset += lines_.Length(line) + 1;
  return offset + pos.EffectiveColumn();
}

TEditPos EditDocument::PosAtOffset(std::size_t offset) const {
  for (int line = 0; line < lines_.LastLine(); ++line) {
    std::size_t length = lines_.Length(line);
    if (offset <= length) return Pos(line, offset);
    offset -= length + 1;
  }
  return Pos(lines_.LastLine(), std::min(offset, lines_.Length(lines_.LastLine())));
}

std::string EditDocument::TextBetween(const TEditPos& start, const TEditPos& end) const {
  std::string text;
  for (int line = start.Line; line <= end.Line; ++line) {
    std::string_view content = lines_[line];
    std::size_t from = line == start.Line ? start.EffectiveColumn() : 0;
    std::size_t to = line == end.Line ? end.EffectiveColumn() : content.size();
    text.append(content.substr(from, to - from));
    if (line != end.Line) text += '\n';
  }
  return text;
}

void EditDocument::RecordDeletion(const TEditPos& start, const TEditPos& end) {
  // Chunks keep the journal entries within their size limit; all of them
  // record the start, so undoing them in stack order rebuilds the text.
  // Each chunk is allocated at its own size: a journal of many small
  // deletions must not hold a large buffer for each.
  std::string chunk;
  bool chained = false;
  auto push = [&]() {
    chunk.shrink_to_fit();
    Record(std::make_unique<JEDelete>(start.Line, start.Column, std::move(chunk), chained));
    chained = true;
    chunk = std::string();
  };
  auto append = [&](std::string_view piece) {
    while (!piece.empty()) {
      std::size_t room = JournalEntry::kChunkSize - chunk.size();
      std::size_t take = std::min(room, piece.size());
      chunk.append(piece.substr(0, take));
      piece.remove_prefix(take);
      if (chunk.size() == JournalEntry::kChunkSize) push();
    }
  };
  for (int line = start.Line; line <= end.Line; ++line) {
    std::string_view text = lines_[line];
    std::size_t from = line == start.Line ? start.Column : 0;
    std::size_t to = line == end.Line ? end.Column : text.size();
    append(text.substr(from, to - from));
    if (line != end.Line) append("\n");
  }
  if (!chunk.empty()) push();
}

void EditDocument::DeleteSelection(bool record) {
  Caret.Normalise();
  SelStart.Normalise();
  SelEnd.Normalise();
  if (SelEnd < SelStart) std::swap(SelStart, SelEnd);
  if (!HasSelection()) {
    CollapseTo(Caret);
    if (record && !Caret.AtDocumentEnd()) {
      std::string text = Caret.AtLineEnd() ? std::string("\n") : std::string(1, Caret.CharAt());
      Record(std::make_unique<JEDelete>(Caret.Line, Caret.Column, std::move(text), false));
    }
    DeleteChar();
    return;
  }
  TEditPos start = SelStart;
  TEditPos end = SelEnd;
  if (record) RecordDeletion(start, end);
  if (start.Line == end.Line) {
    view_->InvalidateLineFrom(start.Line, start.Column);
    lines_[start.Line].erase(start.Column, end.Column - start.Column);
    IsDirty = true;
    CollapseTo(start);
    NoteChange(start.Line, start.Column, end.Column - start.Column, 0, 0, 0);
    return;
  }
  std::size_t breaks = static_cast<std::size_t>(end.Line - start.Line);
  std::size_t removed = lines_.Length(start.Line) - start.Column + breaks + end.Column;
  for (int line = start.Line + 1; line < end.Line; ++line) removed += lines_.Length(line);
  std::string& first = lines_[start.Line];
  first.erase(start.Column);
  first.append(lines_[end.Line], end.Column);
  lines_.Erase(start.Line + 1, end.Line - start.Line);
  view_->SetLineCount(lines_.Count());
  view_->InvalidateBelow(start.Line);
  IsDirty = true;
  CollapseTo(start);
  NoteChange(start.Line, start.Column, removed, breaks, 0, 0);
}

void EditDocument::DeleteChar() {
  Caret.Normalise();
  int line = Caret.Line;
  if (Caret.AtLineEnd()) {
    if (line == lines_.LastLine()) return;
    lines_[line].append(lines_[line + 1]);
    lines_.Erase(line + 1, 1);
    view_->SetLineCount(lines_.Count());
    view_->InvalidateBelow(line);
    IsDirty = true;
    NoteChange(line, Caret.Column, 1, 1, 0, 0);
  } else {
    view_->InvalidateLineFrom(line, Caret.Column);
    lines_[line].erase(Caret.Column, 1);
    IsDirty = true;
    NoteChange(line, Caret.Column, 1, 0, 0, 0);
  }
}

void EditDocument::InsertChar(char ch, bool record) {
  Caret.Normalise();
  if (ch == '\n' && lines_.Count() >= Lines::kMaxLines) {
    view_->Beep(EditView::BeepKind::kExclamation);
    return;
  }
  bool chained = false;
  if (HasSelection() || (Overwrite && !Caret.AtLineEnd())) {
    DeleteSelection(record);
    chained = true;
  }
  if (record) Record(std::make_unique<JEInsert>(Caret.Line, Caret.Column, 1, chained));
  IsDirty = true;
  int line = Caret.Line;
  std::size_t column = Caret.Column;
  if (ch != '\n') {
    lines_[line].insert(column, 1, ch);
    view_->InvalidateLineFrom(line, column);
    CollapseTo(Pos(line, column + 1));
    NoteChange(line, column, 0, 0, 1, 0);
    return;
  }
  std::string tail = lines_[line].substr(column);
  lines_[line].erase(column);
  lines_.Insert(line + 1, std::move(tail));
  view_->SetLineCount(lines_.Count());
  CollapseTo(Pos(line + 1, 0));
  view_->InvalidateBelow(line);
  NoteChange(line, column, 0, 0, 1, 1);
}

void EditDocument::InsertText(std::string_view text, bool record) {
  Caret.Normalise();
  std::size_t breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  if (breaks > static_cast<std::size_t>(Lines::kMaxLines - lines_.Count())) {
    view_->Beep(EditView::BeepKind::kExclamation);
    return;
  }
  bool chained = false;
  if (HasSelection() || (Overwrite && !Caret.AtLineEnd())) {
    DeleteSelection(record);
    chained = true;
  }
  if (text.empty()) return;
  if (record) Record(std::make_unique<JEInsert>(Caret.Line, Caret.Column, text.size(), chained));
  IsDirty = true;
  int line = Caret.Line;
  std::size_t column = Caret.Column;
  if (breaks == 0) {
    lines_[line].insert(column, text);
    view_->InvalidateLineFrom(line, column);
    CollapseTo(Pos(line, column + text.size()));
    NoteChange(line, column, 0, 0, text.size(), 0);
    return;
  }
  // Whole pieces at a time: character by character would be quadratic in
  // the length of a pasted line.
  std::string tail = lines_[line].substr(column);
  std::size_t nl = text.find('\n');
  lines_[line].replace(column, std::string::npos, text.substr(0, nl));
  int at = line;
  std::size_t from = nl + 1;
  for (;;) {
    nl = text.find('\n', from);
    ++at;
    if (nl == std::string_view::npos) {
      std::string last(text.substr(from));
      std::size_t caret_column = last.size();
      last += tail;
      lines_.Insert(at, std::move(last));
      CollapseTo(Pos(at, caret_column));
      break;
    }
    lines_.Insert(at, std::string(text.substr(from, nl - from)));
    from = nl + 1;
  }
  view_->SetLineCount(lines_.Count());
  view_->InvalidateBelow(line);
  NoteChange(line, column, 0, 0, text.size(), breaks);
}

bool EditDocument::CopySelection(std::string* text) {
  text->clear();
  TEditPos start = SelStart;
  TEditPos end = SelEnd;
  start.Normalise();
  end.Normalise();
  if (end < start) std::swap(start, end);
  if (start.Line == end.Line) {
    text->assign(lines_[start.Line], start.Column, end.Column - start.Column);
    return true;
  }
  auto refuse = [&]() {
    text->clear();
    text->shrink_to_fit();
    prompter_->Message("Space Error", "The selected text is too large for the clipboard",
                       EditPrompter::Buttons::kOk, EditPrompter::Icon::kStop);
    return false;
  };
  // Checked after every piece, so no selection spanning lines can pass the
  // limit, however long its first or last line.
  text->assign(lines_[start.Line], start.Column);
  *text += "\r\n";
  if (text->size() >= clipboardLimit_) return refuse();
  for (int line = start.Line + 1; line < end.Line; ++line) {
    *text += lines_[line];
    *text += "\r\n";
    if (text->size() >= clipboardLimit_) return refuse();
  }
  text->append(lines_[end.Line], 0, end.Column);
  if (text->size() >= clipboardLimit_) return refuse();
  return true;
}

void EditDocument::DeleteCutSelection() {
  if (!HasSelection()) return;
  Caret.Normalise();
  DeleteSelection(true);
  ScrollToCaret();
  view_->ContentsChanged(false);
}

void EditDocument::Paste(std::string_view clipboard_text) {
  if (clipboard_text.empty()) return;
  Caret.Normalise();
  std::string copy;
  copy.reserve(clipboard_text.size());
  for (char c : clipboard_text) {
    if (c != '\r') copy.push_back(c);
  }
  InsertText(copy, true);
  ScrollToCaret();
  view_->ContentsChanged(false);
}

void EditDocument::DeleteCommand() {
  if (!HasSelection()) return;
  Caret.Normalise();
  DeleteSelection(true);
  ScrollToCaret();
  view_->ContentsChanged(false);
}

void EditDocument::ClearAll() {
  Caret.Normalise();
  SelStart = Start();
  SelEnd = End();
  Caret = SelStart;
  DeleteSelection(true);
  ScrollToCaret();
  view_->InvalidateAll();
  view_->ContentsChanged(false);
}

void EditDocument::SelectAll() {
  SelStart = Start();
  SelEnd = End();
  Caret = SelStart;
  view_->InvalidateAll();
  view_->PlaceCaret(PosToPoint(Caret));
  view_->CaretMoved(false);
}

}  // namespace foresta
