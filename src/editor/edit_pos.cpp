#include "editor/edit_pos.h"

#include <algorithm>

namespace foresta {

std::size_t TEditPos::EffectiveColumn() const {
  return std::min(Column, LineLength());
}

void TEditPos::Normalise() {
  Column = EffectiveColumn();
  Sticky = false;
}

void TEditPos::Home(bool whole) {
  Column = 0;
  if (whole) Line = 0;
  Sticky = false;
}

void TEditPos::End(bool whole) {
  if (whole) Line = lines_->LastLine();
  Column = LineLength();
  Sticky = false;
}

void TEditPos::MoveLines(long long n) {
  long long line = static_cast<long long>(Line) + n;
  line = std::clamp<long long>(line, 0, lines_->LastLine());
  Line = static_cast<int>(line);
  Sticky = true;
}

void TEditPos::MoveChars(long long n) {
  if (n < 0) {
    // Walk back line by line while the wanted column lies before this line.
    unsigned long long back = static_cast<unsigned long long>(-n);
    while (back > Column) {
      if (Line == 0) {
        Column = 0;
        return;
      }
      back -= Column + 1;
      --Line;
      Column = LineLength();
    }
    Column -= back;
    return;
  }
  unsigned long long forward = static_cast<unsigned long long>(n);
  for (;;) {
    std::size_t length = LineLength();
    std::size_t room = Column <= length ? length - Column : 0;
    if (Column > length) {
      // A sticky column past the end carries like any other.
      forward += Column - length;
      Column = length;
    }
    if (forward <= room) {
      Column += forward;
      return;
    }
    if (Line == lines_->LastLine()) {
      Column = length;
      return;
    }
    forward -= room + 1;
    ++Line;
    Column = 0;
  }
}

bool TEditPos::Step(int d) {
  int line = Line;
  std::size_t column = Column;
  MoveChars(d > 0 ? 1 : -1);
  return line != Line || column != Column;
}

bool TEditPos::OnDelimiter(std::string_view delimiters) const {
  return !AtLineEnd() && delimiters.find(CharAt()) != std::string_view::npos;
}

bool TEditPos::OnWordChar(std::string_view delimiters) const {
  return !AtLineEnd() && delimiters.find(CharAt()) == std::string_view::npos;
}

void TEditPos::WordRight(std::string_view delimiters) {
  Normalise();
  while (!OnDelimiter(delimiters)) {
    if (!Step(1)) return;
  }
  while (!OnWordChar(delimiters)) {
    if (!Step(1)) return;
  }
}

bool TEditPos::WordLeft(std::string_view delimiters) {
  Normalise();
  if (!Step(-1)) return false;
  while (!OnWordChar(delimiters)) {
    if (!Step(-1)) return false;
  }
  while (Column != 0) {
    --Column;
    if (OnDelimiter(delimiters)) {
      ++Column;
      break;
    }
  }
  return true;
}

void TEditPos::WordEnd(std::string_view delimiters) {
  Normalise();
  while (!AtLineEnd() && !OnDelimiter(delimiters)) ++Column;
}

}  // namespace foresta
