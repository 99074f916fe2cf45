#include "engine/dchar_list.h"

#include <algorithm>

namespace foresta {

void DCharList::AllocateChunk(size_t chunk) {
  if (chunk >= chunkLimit_ || chunk >= kMaxChunks) throw std::bad_alloc();
  if (chunk >= chunks_.size()) {
    // Grow the directory geometrically so appends stay amortised constant.
    size_t want = chunks_.size() < 16 ? 16 : chunks_.size() * 2;
    while (want <= chunk) want *= 2;
    chunks_.resize(want);
  }
  chunks_[chunk].reset(new int32_t[kChunkSize]);
}

void DCharList::AppendRange(const int32_t* values, int64_t count) {
  while (count > 0) {
    const int64_t at = cursor_ + 1;
    const size_t chunk = static_cast<size_t>(at / kChunkSize);
    if (chunk >= chunks_.size() || !chunks_[chunk]) AllocateChunk(chunk);
    const int64_t slot = at % kChunkSize;
    const int64_t n = std::min(count, kChunkSize - slot);
    std::copy(values, values + n, chunks_[chunk].get() + slot);
    cursor_ = at + n - 1;
    if (cursor_ > last_) last_ = cursor_;
    values += n;
    count -= n;
  }
}

void DCharList::clear() {
  chunks_.clear();
  chunks_.shrink_to_fit();
  cursor_ = -1;
  last_ = -1;
}

size_t DCharList::MemoryBytes() const {
  size_t bytes = chunks_.capacity() * sizeof(chunks_[0]);
  for (const auto& c : chunks_) {
    if (c) bytes += kChunkSize * sizeof(int32_t);
  }
  return bytes;
}

}  // namespace foresta
