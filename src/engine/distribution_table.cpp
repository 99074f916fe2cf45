#include "engine/distribution_table.h"

#include <cstring>

namespace foresta {

void DistributionTable::Start(int64_t m, int64_t p) {
  Clear();
  m_ = m;
  p_ = p;
  words_ = (m + 63) / 64;
  bits_.clear();
}

void DistributionTable::Clear() {
  m_ = p_ = words_ = 0;
  loaded_ = false;
  // The buffers keep their capacity: the next call usually loads a table of
  // the same size, and fresh memory costs page faults.
  bits_.clear();
  slots_.clear();
  mask_ = 0;
}

uint64_t DistributionTable::Hash(const uint64_t* words, int64_t n) {
  uint64_t h = 0x9e3779b97f4a7c15ull;
  for (int64_t i = 0; i < n; ++i) {
    h ^= words[i];
    h *= 0xbf58476d1ce4e5b9ull;
    h ^= h >> 31;
  }
  h *= 0x94d049bb133111ebull;
  return h ^ (h >> 29);
}

void DistributionTable::Finish() {
  size_t size = 16;
  while (size < static_cast<size_t>(p_) * 2) size *= 2;
  slots_.assign(size, -1);
  mask_ = size - 1;
  const size_t rowBytes = static_cast<size_t>(words_) * sizeof(uint64_t);
  for (int64_t r = 0; r < p_; ++r) {
    const uint64_t* row = &bits_[static_cast<size_t>(r * words_)];
    uint64_t h = Hash(row, words_) & mask_;
    while (true) {
      const int32_t at = slots_[h];
      if (at < 0) {
        slots_[h] = static_cast<int32_t>(r);
        break;
      }
      if (std::memcmp(&bits_[static_cast<size_t>(at * words_)], row, rowBytes) == 0) break;
      h = (h + 1) & mask_;
    }
  }
  loaded_ = true;
}

int64_t DistributionTable::Find(const uint64_t* key) const {
  if (p_ == 0) return -1;
  if (words_ == 1) {
    // Rows of up to 64 characters, the common case: compare whole words.
    uint64_t h = Hash(key, 1) & mask_;
    while (true) {
      const int32_t at = slots_[h];
      if (at < 0) return -1;
      if (bits_[static_cast<size_t>(at)] == key[0]) return at;
      h = (h + 1) & mask_;
    }
  }
  const size_t rowBytes = static_cast<size_t>(words_) * sizeof(uint64_t);
  uint64_t h = Hash(key, words_) & mask_;
  while (true) {
    const int32_t at = slots_[h];
    if (at < 0) return -1;
    if (std::memcmp(&bits_[static_cast<size_t>(at * words_)], key, rowBytes) == 0) return at;
    h = (h + 1) & mask_;
  }
}

void DistributionTable::AppendRow(int64_t row, std::string* out) const {
  for (int64_t c = 0; c < m_; ++c) out->push_back(Bit(row, c) ? '1' : '0');
}

}  // namespace foresta
