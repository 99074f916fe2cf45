#ifndef FORESTA_EDITOR_JOURNAL_ENTRY_H_
#define FORESTA_EDITOR_JOURNAL_ENTRY_H_

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace foresta {

class EditDocument;

// One recorded change of the text, owned by the undo journal (or, once
// undone, by the redo list).
class JournalEntry {
 public:
  // The largest number of characters one deletion entry holds.
  static constexpr std::size_t kChunkSize = 32759;

  JournalEntry(int line, std::size_t column, std::size_t length, bool chained)
      : line_(line), column_(column), length_(length), Chained(chained) {}
  virtual ~JournalEntry() = default;

  // Reverts the change on `editor` and returns the entry that makes the
  // change again, or nullptr when there is none. The base entry does nothing.
  virtual std::unique_ptr<JournalEntry> Undo(EditDocument& /*editor*/) { return nullptr; }

  int Line() const { return line_; }
  std::size_t Column() const { return column_; }
  // Characters inserted or deleted, each line end counting as one.
  std::size_t Length() const { return length_; }

 private:
  int line_;
  std::size_t column_;
  std::size_t length_;

 public:
  // Undoing this entry also undoes the one below it.
  bool Chained;
};

// An insertion of Length() characters at the position.
class JEInsert : public JournalEntry {
 public:
  using JournalEntry::JournalEntry;
  std::unique_ptr<JournalEntry> Undo(EditDocument& editor) override;
};

// A deletion at the position; keeps the deleted characters ("\n" for a line
// end), at most kChunkSize of them.
class JEDelete : public JournalEntry {
 public:
  JEDelete(int line, std::size_t column, std::string text, bool chained)
      : JournalEntry(line, column, text.size(), chained), text_(std::move(text)) {}
  std::unique_ptr<JournalEntry> Undo(EditDocument& editor) override;

 private:
  std::string text_;
};

// Where one replacement of a Replace All stands.
struct ReplaceSite {
  int line = 0;
  std::size_t column = 0;
};

// The texts of the sites of one Replace All, all of the same length: one
// text per site, one after another, or a single text that every site shares.
struct ReplaceTexts {
  std::string pool;
  std::size_t length = 0;
  bool shared = false;

  // REQUIRES: site < number of sites (any site when shared).
  std::string_view At(std::size_t site) const {
    return shared ? std::string_view(pool) : std::string_view(pool).substr(site * length, length);
  }
};

// A Replace All as one record, however many replacements it made: at each
// site, in document order and in the text as it is now, Length()
// characters stand where the site's earlier text stood. Undo puts the
// earlier texts back in one pass over the affected lines; the entry it
// returns makes the replacements again the same way.
class JEReplaceAll : public JournalEntry {
 public:
  // REQUIRES: `sites` is not empty.
  JEReplaceAll(std::vector<ReplaceSite> sites, std::size_t length, ReplaceTexts earlier)
      : JournalEntry(sites.front().line, sites.front().column, length, false),
        sites_(std::move(sites)),
        earlier_(std::move(earlier)) {}
  std::unique_ptr<JournalEntry> Undo(EditDocument& editor) override;

 private:
  std::vector<ReplaceSite> sites_;
  ReplaceTexts earlier_;
};

}  // namespace foresta

#endif  // FORESTA_EDITOR_JOURNAL_ENTRY_H_
