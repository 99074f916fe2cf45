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

  // The words of row r, for the loader to fill in row order: bit c of the
  // row is bit c % 64 of word c / 64. Storage grows with the rows actually
  // read, so a file that declares more rows than it holds costs nothing.
  // Throws std::bad_alloc.
  uint64_t* RowForWriting(int64_t r) {
    const size_t need = static_cast<size_t>((r + 1) * words_);
    if (bits_.size() < need) bits_.resize(need, 0);
    return &bits_[static_cast<size_t>(r * words_)];
  }

  // Builds the row index once the rows are filled in.
  void Finish();

  // Drops the table (its memory is kept for the next one).
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
  bool loaded_ = false;
  std::vector<uint64_t> bits_;
  std::vector<int32_t> slots_;  // open addressing; -1 = empty
  uint64_t mask_ = 0;
};

}  // namespace foresta

#endif  // FORESTA_ENGINE_DISTRIBUTION_TABLE_H_
