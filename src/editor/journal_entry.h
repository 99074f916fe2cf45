#ifndef FORESTA_EDITOR_JOURNAL_ENTRY_H_
#define FORESTA_EDITOR_JOURNAL_ENTRY_H_

#include <cstddef>
#include <string>

namespace foresta {

class EditDocument;

// One recorded change of the text, owned by the undo journal.
class JournalEntry {
 public:
  // The largest number of characters one deletion entry holds.
  static constexpr std::size_t kChunkSize = 32759;

  JournalEntry(int line, std::size_t column, std::size_t length, bool chained)
      : line_(line), column_(column), length_(length), Chained(chained) {}
  virtual ~JournalEntry() = default;

  // Reverts the change on `editor`. The base entry does nothing.
  virtual void Undo(EditDocument& /*editor*/) {}

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
  void Undo(EditDocument& editor) override;
};

// A deletion at the position; keeps the deleted characters ("\n" for a line
// end), at most kChunkSize of them.
class JEDelete : public JournalEntry {
 public:
  JEDelete(int line, std::size_t column, std::string text, bool chained)
      : JournalEntry(line, column, text.size(), chained), text_(std::move(text)) {}
  void Undo(EditDocument& editor) override;
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace foresta

#endif  // FORESTA_EDITOR_JOURNAL_ENTRY_H_
