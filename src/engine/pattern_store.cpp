#include "engine/pattern_store.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace foresta {

namespace {

// Bit i set where chars[i] is '1', for i < width. REQUIRES: width <= 64.
uint64_t OnesIn(const char* chars, uint32_t width) {
  uint64_t word = 0;
  uint32_t i = 0;
#if defined(__SSE2__)
  const __m128i one = _mm_set1_epi8('1');
  for (; i + 16 <= width; i += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars + i));
    word |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, one))))
            << i;
  }
#endif
  for (; i < width; ++i) word |= static_cast<uint64_t>(chars[i] == '1') << i;
  return word;
}

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

void PatternStore::BeginTraining(uint32_t n, int64_t expectedPatterns) {
  Clear();
  ChooseBitRows(n);
  // Only where the rows are small beside the vectors they come from, so
  // that an estimate from a file of few, short vectors costs little.
  if (bitRowsEnabled_ && expectedPatterns > 0 && words_ * 64 <= 2 * static_cast<int64_t>(n)) {
    bitRows_.reserve(static_cast<size_t>(expectedPatterns * words_));
  }
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
  int32_t count = 0;
  const size_t firstRowWord = bitRows_.size();
  if (bitRowsEnabled_) bitRows_.resize(firstRowWord + static_cast<size_t>(words_), 0);
  // 64 characters at a time: their 1-bits as one word, then its positions.
  int32_t found[64];
  for (uint32_t base = 0; base < neurons_; base += 64) {
    uint64_t word = OnesIn(vector + base, std::min<uint32_t>(64, neurons_ - base));
    if (bitRowsEnabled_) bitRows_[firstRowWord + base / 64] = word;
    int ones = 0;
    for (; word != 0; word &= word - 1) {
      found[ones++] = static_cast<int32_t>(base + static_cast<uint32_t>(std::countr_zero(word)));
    }
    positions_.appendAll(found, ones);
    count += ones;
  }
  sizes_.append(count);
  ++patternCount_;
}

void PatternStore::StorePositions(const int32_t* positions, int32_t count) {
  const size_t firstRowWord = bitRows_.size();
  if (bitRowsEnabled_) bitRows_.resize(firstRowWord + static_cast<size_t>(words_), 0);
  positions_.appendAll(positions, count);
  if (bitRowsEnabled_ && words_ > 0) {
    uint64_t* row = &bitRows_[firstRowWord];
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
  } else if (bitRows_.capacity() - bitRows_.size() > bitRows_.size() / 4) {
    // Copying the rows to free a little slack costs more than it saves.
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
