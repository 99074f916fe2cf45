#ifndef FORESTA_ENGINE_DISTRIBUTION_TABLE_H_
#define FORESTA_ENGINE_DISTRIBUTION_TABLE_H_

#include <cstdint>
#include <string>
#include <vector>

namespace foresta {

// The rows of a user distribution file, packed as bits, with a hash index
// from row content to the first row of that content (later equal rows never
// receive votes, so only the first needs to be found).
class DistributionTable {
 public:
  DistributionTable() = default;

  // Starts a table of p rows of m characters. Throws std::bad_alloc.
  // REQUIRES: m >= 1, p >= 0
  void Start(int64_t m, int64_t p);

  // Adds the next vector character of the file; characters beyond m * p
  // are ignored, as the file format says.
  void Add(int c) {
    if (filled_ == total_) return;
    if (c == '1') bits_[static_cast<size_t>(row_ * words_ + col_ / 64)] |= uint64_t{1} << (col_ % 64);
    if (++col_ == m_) {
      col_ = 0;
      ++row_;
    }
    ++filled_;
  }

  // True once m * p characters have been added.
  bool complete() const { return filled_ == total_; }

  // Builds the row index. REQUIRES: complete()
  void Finish();

  // Drops the table.
  void Clear();

  bool loaded() const { return loaded_; }
  int64_t rowLength() const { return m_; }
  int64_t rowCount() const { return p_; }
  // Words of 64 bits per row.
  int64_t wordsPerRow() const { return words_; }

  // The first row whose bits equal key (wordsPerRow() words, unused high bits
  // zero), or -1.
  int64_t Find(const uint64_t* key) const;

  bool Bit(int64_t row, int64_t col) const {
    return (bits_[static_cast<size_t>(row * words_ + col / 64)] >> (col % 64)) & 1u;
  }
  // Appends row's m characters '0'/'1' to out.
  void AppendRow(int64_t row, std::string* out) const;

 private:
  static uint64_t Hash(const uint64_t* words, int64_t n);

  int64_t m_ = 0;
  int64_t p_ = 0;
  int64_t words_ = 0;
  int64_t total_ = 0;
  int64_t filled_ = 0;
  int64_t row_ = 0;
  int64_t col_ = 0;
  bool loaded_ = false;
  std::vector<uint64_t> bits_;
  std::vector<int32_t> slots_;  // open addressing; -1 = empty
  uint64_t mask_ = 0;
};

}  // namespace foresta

#endif  // FORESTA_ENGINE_DISTRIBUTION_TABLE_H_
