#include <utility>

#include "editor/edit_document.h"

namespace foresta {

void EditDocument::Record(std::unique_ptr<JournalEntry> entry) {
  journal_.push_back(std::move(entry));
  redo_.clear();
}

void EditDocument::NoteChange(int line, std::size_t column, std::size_t removed,
                              std::size_t removedBreaks, std::size_t inserted,
                              std::size_t insertedBreaks) {
  // Saved, a line end takes two bytes: one more than it counts as a character.
  savedSize_ += static_cast<long long>(inserted + insertedBreaks) -
                static_cast<long long>(removed + removedBreaks);
  view_->TextReplaced(line, column, removed, inserted);
}

void EditDocument::RecountSize() {
  long long size = 0;
  for (int line = 0; line < lines_.Count(); ++line) {
    size += static_cast<long long>(lines_.Length(line)) + 2;
  }
  savedSize_ = size;
}

namespace {

// Pops the entries of one step from `from`, reverts each and pushes what
// makes it again onto `to`. The entries of a step are chained below its
// top one; the entries pushed onto `to` are chained the same way, so the
// step can go back and forth whole.
void RevertStep(EditDocument& editor, std::vector<std::unique_ptr<JournalEntry>>& from,
                std::vector<std::unique_ptr<JournalEntry>>& to) {
  bool first = true;
  bool chained = true;
  while (chained && !from.empty()) {
    std::unique_ptr<JournalEntry> entry = std::move(from.back());
    from.pop_back();
    std::unique_ptr<JournalEntry> again = entry->Undo(editor);
    chained = entry->Chained;
    if (again) {
      again->Chained = !first;
      to.push_back(std::move(again));
    }
    first = false;
  }
}

}  // namespace

void EditDocument::Undo() {
  if (journal_.empty()) return;
  Caret.Normalise();
  RevertStep(*this, journal_, redo_);
  if (journal_.empty()) IsDirty = false;
  view_->InvalidateAll();
}

void EditDocument::Redo() {
  if (redo_.empty()) return;
  Caret.Normalise();
  RevertStep(*this, redo_, journal_);
  view_->InvalidateAll();
  if (journal_.empty()) return;
  // A text typed again leaves the caret after it, as typing did.
  if (const auto* insert = dynamic_cast<const JEInsert*>(journal_.back().get())) {
    TEditPos end = Pos(insert->Line(), insert->Column());
    end.MoveChars(static_cast<long long>(insert->Length()));
    CollapseTo(end);
    ScrollToCaret();
  }
  IsDirty = true;
}

std::unique_ptr<JournalEntry> JEInsert::Undo(EditDocument& editor) {
  if (Length() == 0) return nullptr;
  TEditPos pos = editor.Pos(Line(), Column());
  editor.CollapseTo(pos);
  editor.SelEnd.MoveChars(static_cast<long long>(Length()));
  std::string text = editor.TextBetween(editor.SelStart, editor.SelEnd);
  editor.DeleteSelection(false);
  editor.Caret = pos;
  editor.ScrollToCaret();
  editor.View()->ContentsChanged(false);
  return std::make_unique<JEDelete>(Line(), Column(), std::move(text), false);
}

std::unique_ptr<JournalEntry> JEDelete::Undo(EditDocument& editor) {
  TEditPos pos = editor.Pos(Line(), Column());
  editor.CollapseTo(pos);
  bool overwrite = editor.Overwrite;
  editor.Overwrite = false;
  editor.InsertText(text_, false);
  editor.Overwrite = overwrite;
  editor.CollapseTo(pos);
  editor.ScrollToCaret();
  editor.View()->ContentsChanged(false);
  return std::make_unique<JEInsert>(Line(), Column(), text_.size(), false);
}

std::unique_ptr<JournalEntry> JEReplaceAll::Undo(EditDocument& editor) {
  // The entry is spent once undone: its sites become those of the entry
  // that makes the replacements again.
  ReplaceTexts replaced;
  std::vector<ReplaceSite> restored =
      editor.ReplaceAtSites(std::move(sites_), Length(), earlier_, &replaced);
  TEditPos first = editor.Pos(restored.front().line, restored.front().column);
  auto again = std::make_unique<JEReplaceAll>(std::move(restored), earlier_.length, std::move(replaced));
  editor.CollapseTo(first);
  editor.ScrollToCaret();
  editor.View()->ContentsChanged(false);
  return again;
}

}  // namespace foresta
