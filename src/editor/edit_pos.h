#ifndef FORESTA_EDITOR_EDIT_POS_H_
#define FORESTA_EDITOR_EDIT_POS_H_

#include <cstddef>
#include <string_view>

#include "editor/lines.h"

namespace foresta {

// The word delimiters: characters that separate words for word moves,
// double clicks and whole-word search. Every other character is a word
// character; a line end belongs to neither class.
inline constexpr std::string_view kWordDelimiters = "\"\\\t +-=/~!(){}[]<>'?.,;: ";

// A position (line, column) in a document. When `Sticky` is set, `Column`
// may exceed the line's length: it remembers the column wanted while the
// caret moves up and down over shorter lines.
class TEditPos {
 public:
  TEditPos() = default;
  TEditPos(const Lines* lines, int line, std::size_t column)
      : Line(line), Column(column), lines_(lines) {}

  int Line = 0;
  std::size_t Column = 0;
  bool Sticky = false;

  // The column that counts: the smaller of Column and the line's length.
  std::size_t EffectiveColumn() const;
  std::size_t LineLength() const { return lines_->Length(Line); }

  // Column := effective column; clears Sticky.
  void Normalise();

  // Column 0 (and line 0 with `whole`); clears Sticky.
  void Home(bool whole);
  // End of the line (of the last line with `whole`); clears Sticky.
  void End(bool whole);
  // Line += n, clamped to the document; keeps Column and sets Sticky.
  void MoveLines(long long n);
  // Column += n, carried across line ends (each counts as one character);
  // the document's start and end are hard stops. Works on the stored
  // column, so callers normalise first.
  void MoveChars(long long n);
  // One character forward (d > 0) or back; returns whether it moved.
  bool Step(int d);

  bool AtLineEnd() const { return EffectiveColumn() == LineLength(); }
  bool AtDocumentStart() const { return Line == 0 && EffectiveColumn() == 0; }
  bool AtDocumentEnd() const { return Line == lines_->LastLine() && AtLineEnd(); }

  // The character at the position. REQUIRES: !AtLineEnd()
  char CharAt() const { return (*lines_)[Line][EffectiveColumn()]; }

  // Word moves with the given delimiter set.
  // To the start of the next word; stays at the document's end if none.
  void WordRight(std::string_view delimiters);
  // To the start of the word before; returns false (and stays at the
  // document's start) when the start is reached before any word.
  bool WordLeft(std::string_view delimiters);
  // On the same line to the first delimiter at or after the position, or
  // to the line's end.
  void WordEnd(std::string_view delimiters);

  friend bool operator==(const TEditPos& a, const TEditPos& b) {
    return a.Line == b.Line && a.EffectiveColumn() == b.EffectiveColumn();
  }
  friend bool operator<(const TEditPos& a, const TEditPos& b) {
    return a.Line < b.Line || (a.Line == b.Line && a.EffectiveColumn() < b.EffectiveColumn());
  }

 private:
  // True when the position is on a character that is a delimiter;
  // false at a line end.
  bool OnDelimiter(std::string_view delimiters) const;
  bool OnWordChar(std::string_view delimiters) const;

  const Lines* lines_ = nullptr;
};

}  // namespace foresta

#endif  // FORESTA_EDITOR_EDIT_POS_H_
