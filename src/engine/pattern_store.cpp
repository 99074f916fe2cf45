#include "engine/pattern_store.h"

namespace foresta {

namespace {
// Bit rows wider than this cost more to test than walking the few positions
// a pattern of such a long vector usually has.
constexpr int64_t kMaxBitRowWords = 16;
}  // namespace

void PatternStore::Clear() {
  sizes_.clear();
  positions_.clear();
  patternCount_ = 0;
  bitRows_.clear();
  bitRows_.shrink_to_fit();
  bitRowsEnabled_ = false;
}

void PatternStore::ChooseBitRows(uint32_t n) {
  neurons_ = n;
  words_ = (static_cast<int64_t>(n) + 63) / 64;
  bitRowsEnabled_ = words_ <= kMaxBitRowWords;
}

void PatternStore::BeginTraining(uint32_t n) {
  Clear();
  ChooseBitRows(n);
}

void PatternStore::BeginRetraining(uint32_t n) {
  // Walk to the end mark, then step back so the next size replaces it and
  // the next position follows the last one stored.
  sizes_.rewind();
  positions_.rewind();
  int64_t walked = 0;
  while (sizes_.current() != kEndMark) {
    positions_.advance(sizes_.current());
    sizes_.advance();
    ++walked;
  }
  sizes_.stepBack(1);
  positions_.stepBack(1);
  // Bit rows stay valid only for the same vector length and pattern count.
  if (bitRowsEnabled_ && (n != neurons_ || walked != patternCount_)) {
    bitRows_.clear();
    bitRowsEnabled_ = false;
  }
  if (walked == 0) ChooseBitRows(n);
  neurons_ = n;
  patternCount_ = walked;
}

void PatternStore::StorePattern(const char* vector) {
  ones_.clear();
  for (uint32_t p = 0; p < neurons_; ++p) {
    if (vector[p] == '1') ones_.push_back(static_cast<int32_t>(p));
  }
  StorePositions(ones_.data(), static_cast<int32_t>(ones_.size()));
}

void PatternStore::StorePositions(const int32_t* positions, int32_t count) {
  const int64_t firstRowWord = static_cast<int64_t>(bitRows_.size());
  if (bitRowsEnabled_) bitRows_.resize(static_cast<size_t>(firstRowWord + words_), 0);
  positions_.AppendRange(positions, count);
  if (bitRowsEnabled_ && words_ > 0) {
    uint64_t* row = &bitRows_[static_cast<size_t>(firstRowWord)];
    for (int32_t i = 0; i < count; ++i) row[positions[i] / 64] |= uint64_t{1} << (positions[i] % 64);
  }
  sizes_.append(count);
  ++patternCount_;
}

void PatternStore::AppendEndMark() {
  sizes_.append(kEndMark);
  TrimBitRows();
}

void PatternStore::TrimBitRows() {
  // Sparse patterns are cheaper as positions; keep the rows only while they
  // take no more room than the positions they mirror.
  if (!bitRowsEnabled_) return;
  const size_t rowBytes = bitRows_.size() * sizeof(uint64_t);
  const size_t positionBytes = static_cast<size_t>(positions_.size()) * sizeof(int32_t);
  if (rowBytes > positionBytes) {
    bitRows_.clear();
    bitRows_.shrink_to_fit();
    bitRowsEnabled_ = false;
  } else {
    bitRows_.shrink_to_fit();
  }
}

size_t PatternStore::MemoryBytes() const {
  return sizes_.MemoryBytes() + positions_.MemoryBytes() + bitRows_.capacity() * sizeof(uint64_t);
}

void PatternStore::SetChunkLimit(size_t limit) {
  sizes_.SetChunkLimit(limit);
  positions_.SetChunkLimit(limit);
}

}  // namespace foresta
