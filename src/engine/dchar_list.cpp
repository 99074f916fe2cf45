#include "engine/dchar_list.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

namespace foresta {

namespace {

// A chunk is filled from end to end. Mapping its pages in one system call
// spares the page fault each fresh page would take on its first write,
// which costs more than the filling itself. Only a hint: where the kernel
// cannot (before Linux 5.14) the pages fault in as before.
void PopulatePages(void* memory, size_t bytes) {
#ifdef MADV_POPULATE_WRITE
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pageSize <= 0) return;
  const uintptr_t page = static_cast<uintptr_t>(pageSize);
  const uintptr_t first = (reinterpret_cast<uintptr_t>(memory) + page - 1) & ~(page - 1);
  const uintptr_t last = (reinterpret_cast<uintptr_t>(memory) + bytes) & ~(page - 1);
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#else
  (void)memory;
  (void)bytes;
#endif
}

}  // namespace

void DCharList::AllocateChunk(size_t chunk) {
  if (chunk >= chunkLimit_ || chunk >= kMaxChunks) throw std::bad_alloc();
  if (chunk >= chunks_.size()) {
    // Grow the directory geometrically so appends stay amortised constant.
    size_t want = chunks_.size() < 16 ? 16 : chunks_.size() * 2;
    while (want <= chunk) want *= 2;
    chunks_.resize(want);
  }
  chunks_[chunk].reset(new int32_t[kChunkSize]);
  PopulatePages(chunks_[chunk].get(), kChunkSize * sizeof(int32_t));
}

void DCharList::appendAll(const int32_t* values, int64_t count) {
  while (count > 0) {
    const int64_t at = cursor_ + 1;
    const size_t chunk = static_cast<size_t>(at / kChunkSize);
    if (chunk >= chunks_.size() || !chunks_[chunk]) AllocateChunk(chunk);
    const int64_t slot = at % kChunkSize;
    const int64_t n = std::min(count, kChunkSize - slot);
    // A handful of values at a time: a plain loop beats a call to memcpy.
    int32_t* to = &chunks_[chunk][slot];
    for (int64_t i = 0; i < n; ++i) to[i] = values[i];
    cursor_ += n;
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
