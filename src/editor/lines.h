#ifndef FORESTA_EDITOR_LINES_H_
#define FORESTA_EDITOR_LINES_H_

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace foresta {

// The line store of one document: an ordered array of lines without their
// line-end characters. It never holds fewer than one line.
//
// Kept as a gap buffer so that inserting or removing lines near the previous
// edit costs a constant, not a move of every later line: pressing Enter in a
// document of a million lines must stay well under a millisecond.
class Lines {
 public:
  // The largest number of lines a document may hold.
  static constexpr int kMaxLines = 2147482000;

  // A new store holds one empty line.
  Lines();

  Lines(const Lines&) = delete;
  Lines& operator=(const Lines&) = delete;

  int Count() const { return static_cast<int>(storage_.size() - GapSize()); }
  int LastLine() const { return Count() - 1; }

  // REQUIRES: 0 <= index < Count()
  const std::string& operator[](int index) const { return storage_[Slot(index)]; }
  std::string& operator[](int index) { return storage_[Slot(index)]; }
  std::size_t Length(int index) const { return (*this)[index].size(); }

  // Inserts `text` as a new line before `index` (index == Count() appends).
  // REQUIRES: 0 <= index <= Count()
  void Insert(int index, std::string text);

  // Removes `count` lines starting at `index`. Removing every line leaves one
  // empty line behind.
  // REQUIRES: 0 <= index, index + count <= Count()
  void Erase(int index, int count);

  // Replaces the whole store by `lines` (an empty vector means one empty line).
  void Assign(std::vector<std::string> lines);

  void Swap(Lines& other) {
    storage_.swap(other.storage_);
    std::swap(gapStart_, other.gapStart_);
    std::swap(gapEnd_, other.gapEnd_);
  }

  // Drops spare capacity beyond a small gap, e.g. after a file was loaded.
  void Compact();

 private:
  std::size_t GapSize() const { return gapEnd_ - gapStart_; }
  std::size_t Slot(int index) const {
    std::size_t i = static_cast<std::size_t>(index);
    return i < gapStart_ ? i : i + GapSize();
  }
  // Moves the gap so that it starts at `index` and holds at least `need` slots.
  void MoveGap(std::size_t index, std::size_t need);

  std::vector<std::string> storage_;
  std::size_t gapStart_ = 0;
  std::size_t gapEnd_ = 0;
};

}  // namespace foresta

#endif  // FORESTA_EDITOR_LINES_H_
