#ifndef FORESTA_EDITOR_EDIT_DOCUMENT_H_
#define FORESTA_EDITOR_EDIT_DOCUMENT_H_

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/edit_pos.h"
#include "editor/edit_prompter.h"
#include "editor/edit_view.h"
#include "editor/find_data.h"
#include "editor/journal_entry.h"
#include "editor/lines.h"
#include "foresta/version.h"

namespace foresta {

// The editor's document without any GUI: the lines, caret and selection,
// the undo journal, file loading and saving, search, and the handling of
// keys, characters and the mouse. Measurement, repainting and the caret go
// through an EditView; questions and messages through an EditPrompter.
//
// Invariants after every public operation: SelStart is not after SelEnd
// (except while a mouse drag is under way), and when the selection is
// empty SelStart, SelEnd and Caret are the same position.
class EditDocument {
 public:
  enum class Key {
    kBackspace, kDelete, kPageUp, kPageDown, kHome, kEnd,
    kLeft, kRight, kUp, kDown, kInsert, kOther
  };

  // The clipboard refuses selections of this many characters or more.
  static constexpr std::size_t kClipboardLimit = (std::size_t{1} << 30) - 1;

  static constexpr const char* kUntitled = "Untitled";

  // Both must outlive the document. The document starts as one empty line.
  EditDocument(EditView* view, EditPrompter* prompter);

  EditDocument(const EditDocument&) = delete;
  EditDocument& operator=(const EditDocument&) = delete;

  const Lines& Text() const { return lines_; }
  // A position in this document.
  TEditPos Pos(int line, std::size_t column) const { return TEditPos(&lines_, line, column); }
  TEditPos Start() const { return Pos(0, 0); }
  TEditPos End() const { return Pos(lines_.LastLine(), lines_.Length(lines_.LastLine())); }
  bool HasSelection() const { return !(SelStart == SelEnd); }
  // The size of the document as saved: every line with a two-byte line
  // end. Kept up to date by every change, so reading it costs nothing.
  long long SavedSize() const { return savedSize_; }
  // The number of characters, a line end counting one.
  std::size_t CharacterCount() const {
    return static_cast<std::size_t>(savedSize_) - static_cast<std::size_t>(lines_.Count()) - 1;
  }
  // Character offsets from the document's start, a line end counting one;
  // both walk the lines above the position. PosAtOffset clamps to the end.
  std::size_t OffsetOf(const TEditPos& pos) const;
  TEditPos PosAtOffset(std::size_t offset) const;
  // The characters from `start` up to `end`, line ends as "\n".
  // REQUIRES: start is not after end.
  std::string TextBetween(const TEditPos& start, const TEditPos& end) const;
  // Puts the caret at `pos` with an empty selection.
  void CollapseTo(const TEditPos& pos);

  // ---- Files ----
  // Loads FileName, reporting failures; returns a kRead* code. Leaves the
  // caret at the start. A file that cannot be opened leaves an untitled,
  // empty document. `max_lines` is lowered only by tests.
  int Read(int max_lines = Lines::kMaxLines);
  // Writes FileName; on success the document is clean and the journal
  // empty. On failure nothing changes (the old file is intact).
  int Write();
  // Save: Save As without a name; asks first for a partial document. An
  // unchanged document with a name is already saved: nothing is written.
  // Returns whether the document is now saved.
  bool Save();
  bool SaveAs();
  // Asks before a changed document closes; false keeps the window open
  // (Cancel, or a save that was cancelled or failed).
  bool CanClose();
  // Reloads FileName, discarding changes and the journal. If the file can
  // no longer be read, reports it and keeps the document as it is.
  int Revert(int max_lines = Lines::kMaxLines);
  // Empties the journal and the redo list.
  void ClearJournal() {
    journal_.clear();
    redo_.clear();
  }

  // ---- Geometry ----
  EditPoint PosToPoint(const TEditPos& pos) const;
  TEditPos PointToPos(EditPoint point) const;
  // Scrolls so the caret is visible, places it and reports the move.
  void ScrollToCaret();

  // ---- Primitives ----
  // Deletes the selection, or the character at the caret when it is empty.
  void DeleteSelection(bool record);
  // Deletes the character at the caret, or joins the next line.
  void DeleteChar();
  // Inserts one character; "\n" splits the line.
  void InsertChar(char ch, bool record);
  // Inserts text that may hold "\n" line ends.
  void InsertText(std::string_view text, bool record);

  // ---- Commands ----
  bool CanUndo() const { return !journal_.empty(); }
  void Undo();
  // Makes again what the last Undo took back; any new change empties the
  // list of what can be redone.
  bool CanRedo() const { return !redo_.empty(); }
  void Redo();
  // The selection as clipboard text (lines joined by "\r\n"). Reports and
  // returns false when it reaches ClipboardLimit.
  bool CopySelection(std::string* text);
  // Cut after the text went to the clipboard.
  void DeleteCutSelection();
  // Inserts clipboard text with its carriage returns dropped.
  void Paste(std::string_view clipboard_text);
  void DeleteCommand();
  void ClearAll();
  void SelectAll();
  // Finds `text` after (down) or before the caret and selects it.
  bool Search(bool down, bool match_case, bool whole_word, std::string_view text);
  // Replaces a non-empty selection by `text`.
  void Replace(std::string_view text);
  // Acts on the request in FindRecord().
  void DoFindReplace();

  // ---- Replace All ----
  // Replaces, at each site (in document order, not overlapping, in the text
  // as it is), `removedLength` characters by texts.At(site), in one pass
  // over the affected lines; records nothing. Returns where the inserted
  // texts stand afterwards (in the vector it was given) and puts the texts
  // taken out into `removed`.
  std::vector<ReplaceSite> ReplaceAtSites(std::vector<ReplaceSite> sites,
                                          std::size_t removedLength, const ReplaceTexts& texts,
                                          ReplaceTexts* removed);

  // ---- Input ----
  // Returns false for keys left to default handling.
  bool KeyDown(Key key, int repeat, bool shift, bool ctrl);
  void Char(unsigned char code, int repeat);
  void MouseDown(EditPoint point);
  void MouseMove(EditPoint point);
  void MouseUp(EditPoint point);
  void DoubleClick();
  void ToggleOverwrite();

  std::string_view GetDelimiters() const { return kWordDelimiters; }
  const std::vector<std::unique_ptr<JournalEntry>>& Journal() const { return journal_; }
  const std::vector<std::unique_ptr<JournalEntry>>& RedoList() const { return redo_; }
  FindData& FindRecord() { return find_; }
  EditView* View() const { return view_; }

  void SetClipboardLimit(std::size_t limit) { clipboardLimit_ = limit; }
  // The caption for questions about this document.
  std::string Caption() const { return FileName.empty() ? kUntitled : FileName; }

  std::string FileName;
  TEditPos Caret;
  TEditPos SelStart;
  TEditPos SelEnd;
  bool IsDirty = false;
  bool Selecting = false;
  bool Overwrite = false;
  bool PartFile = false;
  EditPoint LastMouse;

 private:
  // Pushes a change onto the journal; a new change cannot be redone past.
  void Record(std::unique_ptr<JournalEntry> entry);
  // Keeps SavedSize() and the view in step with a change at (line, column):
  // characters and line ends removed and inserted (line ends counted among
  // the characters too).
  void NoteChange(int line, std::size_t column, std::size_t removed, std::size_t removedBreaks,
                  std::size_t inserted, std::size_t insertedBreaks);
  // Counts SavedSize() afresh after the whole text was replaced.
  void RecountSize();
  // Searches as Search() does, without the beep; kCannotStart when the
  // caret stands at the end (down) or start (up) of the document.
  enum class SearchOutcome { kFound, kNotFound, kCannotStart };
  SearchOutcome FindNext(bool down, bool match_case, bool whole_word, std::string_view text);
  // Find Next of the search dialog: with wrap-around, a search that
  // reaches the end (or start) goes on from the other end.
  bool FindNextWrapping(bool down, bool match_case, bool whole_word, bool wrap);
  // Finds the first occurrence starting at or after `from`.
  std::optional<TEditPos> FindDown(TEditPos from, bool match_case, bool whole_word,
                                   std::string_view text) const;
  // Finds the last occurrence lying wholly before `before`, searching from
  // the line of `from` backwards.
  std::optional<TEditPos> FindUp(TEditPos from, TEditPos before, bool match_case,
                                 bool whole_word, std::string_view text) const;
  void Select(const TEditPos& start, std::size_t length);
  // Returns the number of replacements, or -1 when refused (the result
  // would pass the line limit).
  long long ReplaceAll();
  // Every site of Replace All, as the search would meet them while
  // replacing one by one.
  std::vector<ReplaceSite> FindReplaceSites(bool match_case, bool whole_word) const;
  int LineAtY(int y) const;
  void RecordDeletion(const TEditPos& start, const TEditPos& end);

  EditView* view_;
  EditPrompter* prompter_;
  Lines lines_;
  std::vector<std::unique_ptr<JournalEntry>> journal_;
  std::vector<std::unique_ptr<JournalEntry>> redo_;
  long long savedSize_ = 2;
  FindData find_;
  std::size_t clipboardLimit_ = kClipboardLimit;
  std::string appTitle_ = kProductTitle;
};

}  // namespace foresta

#endif  // FORESTA_EDITOR_EDIT_DOCUMENT_H_
