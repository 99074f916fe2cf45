#ifndef FORESTA_ENGINE_PATTERN_STORE_H_
#define FORESTA_ENGINE_PATTERN_STORE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/dchar_list.h"

namespace foresta {

// The trained network: for every stored pattern its number of 1-bits
// (PatternSizes, closed by one end mark) and the ascending positions of
// those bits (PatternPositions, one pattern after the other). The two lists
// are the record of truth; beside them the store keeps each pattern as a
// bit row when that is compact, for fast subset tests at recognition.
class PatternStore {
 public:
  static constexpr int32_t kEndMark = 100000;

  PatternStore() = default;
  PatternStore(const PatternStore&) = delete;
  PatternStore& operator=(const PatternStore&) = delete;

  const DCharList& PatternSizes() const { return sizes_; }
  const DCharList& PatternPositions() const { return positions_; }

  // Trained exactly when PatternSizes is not empty (an end mark alone counts).
  bool trained() const { return !sizes_.isEmpty(); }

  // Empties both lists and frees every chunk and the bit rows.
  void Clear();

  // Starts appending patterns of n neurons to an empty store.
  // `expectedPatterns`, when known, sizes the bit rows once instead of
  // growing them pattern by pattern; the store grows past it as needed.
  void BeginTraining(uint32_t n, int64_t expectedPatterns = 0);
  // Starts appending patterns of n neurons after the patterns already
  // stored: the next size replaces the end mark.
  // REQUIRES: trained()
  void BeginRetraining(uint32_t n);

  // Stores one vector of n characters; '1' is a set bit, anything else 0.
  // Throws std::bad_alloc when memory runs out.
  void StorePattern(const char* vector);

  // Stores one pattern given by the ascending positions of its 1-bits, as
  // StorePattern stores the vector holding exactly those bits.
  // REQUIRES: positions ascending, each < the vector length. Throws
  // std::bad_alloc when memory runs out.
  void StorePositions(const int32_t* positions, int32_t count);

  // Closes the store with the end mark. Throws std::bad_alloc.
  void AppendEndMark();

  int64_t patternCount() const { return patternCount_; }
  uint32_t neurons() const { return neurons_; }

  // Bit rows: wordsPerPattern() words of 64 bits per pattern, bit p of the
  // row set when position p is. Present only when compact.
  bool hasBitRows() const { return bitRowsEnabled_; }
  int64_t wordsPerPattern() const { return words_; }
  const uint64_t* BitRow(int64_t pattern) const {
    return &bitRows_[static_cast<size_t>(pattern * words_)];
  }

  // Bytes held by the lists and the bit rows.
  size_t MemoryBytes() const;

  // Limits the chunks each list may allocate (for tests of exhaustion).
  void SetChunkLimit(size_t limit);

 private:
  void ChooseBitRows(uint32_t n);
  void TrimBitRows();

  DCharList sizes_;
  DCharList positions_;
  uint32_t neurons_ = 0;
  int64_t patternCount_ = 0;
  int64_t words_ = 0;
  bool bitRowsEnabled_ = false;
  std::vector<uint64_t> bitRows_;
};

}  // namespace foresta

#endif  // FORESTA_ENGINE_PATTERN_STORE_H_
